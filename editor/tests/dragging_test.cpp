#include "editor/pointer_buttons.h"
#include "editor_fixture.h"

namespace ringwright::testing {
namespace {

using Confinements = std::vector<std::optional<ScreenRect>>;

class DraggingTest : public EditorTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    // Presses at (30, 45) twips inside a marker, moves by `by` and lets go.
    template <class Window>
    void drag(Window& window, int i, TwipsPoint by, int button = button::kLeft) {
        window.lblFielder_MouseDown(i, button, 0, 30, 45);
        window.lblFielder_MouseMove(i, button, 0, 30 + by.left, 45 + by.top);
        window.lblFielder_MouseUp(i, button, 0, 30 + by.left, 45 + by.top);
    }
};

TEST_F(DraggingTest, DragMovesTheMarkerAndWritesItsBoxesOnRelease) {
    window->lblFielder_MouseDown(4, button::kLeft, 0, 30, 45);  // X 0, Z 2: at (3000, 2250)
    EXPECT_EQ(platform.confinements, (Confinements{ScreenRect{4, 34, 405, 435}}));
    EXPECT_EQ(view.backColor(txtX(4)), 0x0000FFFFu);
    EXPECT_EQ(view.backColor(txtZ(4)), 0x0000FF00u);

    window->lblFielder_MouseMove(4, button::kLeft, 0, 210, -60);
    EXPECT_EQ(view.markers[4], (TwipsPoint{3180, 2145}));
    EXPECT_EQ(view.text(txtX(4)), "0.000000");  // boxes wait for the release
    window->lblFielder_MouseUp(4, button::kLeft, 0, 30, 45);
    EXPECT_EQ(platform.confinements, (Confinements{ScreenRect{4, 34, 405, 435}, std::nullopt}));
    EXPECT_EQ(view.text(txtX(4)) + " " + view.text(txtZ(4)), "-0.480000 2.280000");
    EXPECT_EQ(view.backColor(txtX(4)) | view.backColor(txtZ(4)), 0x80000005u);
    ASSERT_TRUE(view.zoom);  // loaded hidden by the drop, at the main window's place
    EXPECT_FALSE(view.zoom->visible);
    EXPECT_EQ(view.zoom->position, (TwipsPoint{600, 450}));
}

TEST_F(DraggingTest, OnlyTheLeftOrTheRightButtonAloneMoves) {
    view.setText(txtX(1), "-3.5");  // not yet applied: a click rewrites it
    drag(*window, 1, {150, 150}, button::kMiddle);
    EXPECT_EQ(view.markers[1], (TwipsPoint{4125, 1687.5}));
    EXPECT_EQ(view.text(txtX(1)), "-3.000000");
    EXPECT_EQ(platform.confinements.size(), 2u);

    for (int held : {0, button::kLeft | button::kRight, button::kMiddle, button::kLeft | button::kMiddle})
        window->lblFielder_MouseMove(1, held, 0, 90, 45);
    EXPECT_EQ(view.markers[1], (TwipsPoint{4125, 1687.5}));
    window->lblFielder_MouseDown(1, button::kRight, 0, 30, 45);
    window->lblFielder_MouseMove(1, button::kRight, 0, 60, 45);
    EXPECT_EQ(view.markers[1], (TwipsPoint{4155, 1687.5}));
    window->lblFielder_MouseMove(1, button::kLeft, 0, 45, 15);
    EXPECT_EQ(view.markers[1], (TwipsPoint{4170, 1657.5}));
}

// A pointer pressed on the grass, or on another marker, that passes over a
// marker with a button held neither moves it nor, released there, drops it.
TEST_F(DraggingTest, OnlyAPressOnAMarkerStartsItsDrag) {
    window->cmdZoom_Click();
    view.setText(txtX(4), "0");  // a drop would write "0.000000"
    for (auto* zoom : {static_cast<frmZoom*>(nullptr), &window->zoom()}) {
        const auto move = [&](int i, float x, float y) {
            zoom ? zoom->lblFielder_MouseMove(i, button::kLeft, 0, x, y) : window->lblFielder_MouseMove(i, button::kLeft, 0, x, y);
        };
        move(4, 210, -60);
        zoom ? zoom->lblFielder_MouseUp(4, button::kLeft, 0, 210, -60) : window->lblFielder_MouseUp(4, button::kLeft, 0, 210, -60);
        zoom ? zoom->lblFielder_MouseDown(3, button::kLeft, 0, 30, 45) : window->lblFielder_MouseDown(3, button::kLeft, 0, 30, 45);
        move(4, 300, 300);
    }
    EXPECT_EQ(view.markers[4], (TwipsPoint{3000, 2250}));
    EXPECT_EQ(view.zoom->markers[4], (TwipsPoint{4000, 1000}));
    EXPECT_EQ(view.text(txtX(4)), "0");
    EXPECT_EQ(view.backColor(txtX(4)), 0x80000005u);
}

TEST_F(DraggingTest, LostDragFreesThePointerAndKeepsMarkerAndTexts) {
    window->lblFielder_MouseDown(2, button::kLeft, 0, 30, 45);
    window->lblFielder_MouseMove(2, button::kLeft, 0, 330, 45);
    window->abandonDrag();
    EXPECT_EQ(platform.confinements.size(), 2u);
    EXPECT_FALSE(platform.confinements.back());
    EXPECT_EQ(view.backColor(txtX(2)), 0x80000005u);
    EXPECT_EQ(view.markers[2].left, 4050);
    EXPECT_EQ(view.text(txtX(2)), "-2.000000");
    window->abandonDrag();  // nothing held: nothing more
    EXPECT_EQ(platform.confinements.size(), 2u);
}

TEST_F(DraggingTest, ZoomShowsTheMiddleSquareFourTimesEnlarged) {
    // Fielder 0 parked by Left, 1 by Top exactly 3500, 2 shown at the origin.
    view.markers[0] = {2000, 3000};
    view.markers[1] = {3000, 3500};
    view.markers[2] = {3000, 3000};
    view.markers[3] = {2001, 2625};
    window->cmdZoom_Click();
    ASSERT_TRUE(view.zoom && view.zoom->visible);
    FakeZoomView& zoom = *view.zoom;
    EXPECT_EQ(zoom.broughtToFront, 1);  // shown in front, also when covered
    EXPECT_EQ(zoom.position, (TwipsPoint{600, 450}));
    EXPECT_TRUE(zoom.hasMainIcon);
    EXPECT_EQ(zoom.markers[0], (TwipsPoint{6410, 720}));  // a parked marker keeps its Top
    EXPECT_EQ(zoom.markers[1], (TwipsPoint{6410, 1080}));
    EXPECT_EQ(zoom.markers[2], (TwipsPoint{4000, 4000}));
    EXPECT_EQ(zoom.markers[3], (TwipsPoint{4, 2500}));

    // A drop in the zoom view moves the main marker, not the zoom markers,
    // whatever the button.
    zoom.markers[2] = {4000, 2455};
    drag(window->zoom(), 2, {0, 45}, button::kMiddle);
    EXPECT_EQ(platform.confinements.front(), (ScreenRect{40, 60, 434, 428}));
    EXPECT_EQ(zoom.markers[2], (TwipsPoint{4000, 2455}));
    window->zoom().lblFielder_MouseDown(2, button::kLeft, 0, 30, 45);
    EXPECT_EQ(view.backColor(txtX(2)), 0x0000FFFFu);
    window->zoom().lblFielder_MouseMove(2, button::kLeft, 0, 30, 90);
    window->zoom().lblFielder_MouseUp(2, button::kLeft, 0, 30, 90);
    EXPECT_EQ(view.markers[2], (TwipsPoint{3000, 2625}));
    EXPECT_EQ(view.text(txtX(2)) + " " + view.text(txtZ(2)), "0.000000 1.000000");
    EXPECT_EQ(view.backColor(txtZ(2)), 0x80000005u);
    EXPECT_EQ(zoom.markers[3].left, 4);

    // Only exactly the left or the right button moves a zoom marker.
    for (int held : {0, button::kLeft | button::kRight, button::kMiddle}) {
        window->zoom().lblFielder_MouseDown(3, button::kLeft, 0, 30, 45);
        window->zoom().lblFielder_MouseMove(3, held, 0, 90, 45);
        EXPECT_EQ(zoom.markers[3], (TwipsPoint{4, 2500})) << held;
        window->zoom().abandonDrag();
    }

    // A drop on the main view refreshes a visible zoom window, which keeps
    // the place it took when it was loaded.
    view.position = {900, 700};
    drag(*window, 3, {15, 0});
    EXPECT_EQ(zoom.markers[3].left, 64);
    EXPECT_EQ(zoom.broughtToFront, 1);  // a refresh leaves it where it stands
    view.setText(txtX(4), "1");  // typing leaves the zoom view as it was
    window->txtX_KeyUp(4, 49, 0);
    EXPECT_EQ(view.markers[4].left, 2625);
    EXPECT_EQ(zoom.markers[4], (TwipsPoint{4000, 1000}));
    window->cmdZoom_Click();
    EXPECT_EQ(zoom.position, (TwipsPoint{600, 450}));

    // Closed, it unloads; the next Zoom opens it at the main window's new place.
    view.zoom.reset();
    view.position = {1200, 900};
    window->cmdZoom_Click();
    EXPECT_EQ(view.zoom->position, (TwipsPoint{1200, 900}));
    view.position = {0, 0};
    window->cmdZoom_Click();
    EXPECT_EQ(view.zoom->broughtToFront, 2);
    EXPECT_EQ(view.zoom->position, (TwipsPoint{1200, 900}));
    EXPECT_TRUE(view.zoom->visible);
}

}  // namespace
}  // namespace ringwright::testing
