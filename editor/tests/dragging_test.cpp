#include "editor_fixture.h"

namespace ringwright::testing {
namespace {

using Confinements = std::vector<std::optional<ScreenRect>>;
using Colours = std::pair<StoredColour, StoredColour>;
constexpr Colours kWhileDragged{0x0000FFFF, 0x0000FF00}, kWindowColour{0x80000005, 0x80000005};  // yellow, green

class DraggingTest : public EditorTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    // The X and Z boxes' colours of fielder i, as stored.
    Colours boxColours(int i) const { return {view.backColor(txtX(i)), view.backColor(txtZ(i))}; }
};

TEST_F(DraggingTest, DragMovesTheMarkerAndWritesItsBoxesOnRelease) {
    window->lblFielder_MouseDown(4, button::kLeft, 0, 30, 45);  // X 0, Z 2: at (3000, 2250)
    EXPECT_EQ(platform.confinements, (Confinements{ScreenRect{4, 34, 405, 435}}));
    EXPECT_EQ(boxColours(4), kWhileDragged);
    window->lblFielder_MouseMove(4, button::kLeft, 0, 210, -60);
    EXPECT_EQ(fielder(4), "0.000000 2.000000 at 3180,2145");  // boxes wait for the release
    window->lblFielder_MouseUp(4, button::kLeft, 0, 30, 45);
    EXPECT_EQ(platform.confinements, (Confinements{ScreenRect{4, 34, 405, 435}, std::nullopt}));
    EXPECT_EQ(fielder(4), "-0.480000 2.280000 at 3180,2145");
    EXPECT_EQ(boxColours(4), kWindowColour);
    ASSERT_TRUE(view.zoom);  // loaded hidden by the drop, at the main window's place
    EXPECT_FALSE(view.zoom->visible);
    EXPECT_EQ(view.zoom->position, (TwipsPoint{600, 450}));
}

// A pointer pressed on the grass, or on another marker, that passes over a
// marker with a button held neither moves it nor, released there, drops it.
TEST_F(DraggingTest, OnlyAPressOnAMarkerStartsItsDrag) {
    window->cmdZoom_Click();
    view.setText(txtX(4), "0");  // a drop would write "0.000000"
    const auto sweep = [](auto& over) {
        over.lblFielder_MouseMove(4, button::kLeft, 0, 210, -60);
        over.lblFielder_MouseUp(4, button::kLeft, 0, 210, -60);
        over.lblFielder_MouseDown(3, button::kLeft, 0, 30, 45);
        over.lblFielder_MouseMove(4, button::kLeft, 0, 300, 300);
    };
    sweep(*window);
    sweep(window->zoom());
    EXPECT_EQ(fielder(4), "0 2.000000 at 3000,2250");
    EXPECT_EQ(view.zoom->markers[4], (TwipsPoint{4000, 1000}));
    EXPECT_EQ(boxColours(4), kWindowColour);
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
    // A parked marker keeps its Top.
    EXPECT_EQ(std::vector(zoom.markers.begin(), zoom.markers.begin() + 4),
              (std::vector<TwipsPoint>{{6410, 720}, {6410, 1080}, {4000, 4000}, {4, 2500}}));

    // A drop in the zoom view moves the main marker, not the zoom markers,
    // whatever the button.
    zoom.markers[2] = {4000, 2455};
    drag(window->zoom(), 2, {0, 45}, button::kMiddle);
    EXPECT_EQ(platform.confinements, (Confinements{ScreenRect{40, 60, 434, 428}, std::nullopt}));  // freed at the drop
    EXPECT_EQ(zoom.markers[2], (TwipsPoint{4000, 2455}));
    window->zoom().lblFielder_MouseDown(2, button::kLeft, 0, 30, 45);
    EXPECT_EQ(boxColours(2), kWhileDragged);
    window->zoom().lblFielder_MouseMove(2, button::kLeft, 0, 30, 90);
    window->zoom().lblFielder_MouseUp(2, button::kLeft, 0, 30, 90);
    EXPECT_EQ(fielder(2), "0.000000 1.000000 at 3000,2625");
    EXPECT_EQ(boxColours(2), kWindowColour);

    // Two buttons held move no zoom marker; a lost drag frees the pointer.
    window->zoom().lblFielder_MouseDown(3, button::kLeft, 0, 30, 45);
    window->zoom().lblFielder_MouseMove(3, button::kLeft | button::kRight, 0, 90, 45);
    window->zoom().abandonDrag();
    EXPECT_EQ(zoom.markers[3], (TwipsPoint{4, 2500}));
    EXPECT_FALSE(platform.confinements.back());

    // A drop on the main view refreshes a visible zoom window, which keeps
    // the place it took when it was loaded; typing leaves it as it was.
    view.position = {900, 700};
    drag(*window, 3, {15, 0});
    EXPECT_EQ(zoom.markers[3].left, 64);
    view.setText(txtX(4), "1");
    window->txtX_KeyUp(4, 49, 0);
    EXPECT_EQ(view.markers[4].left, 2625);
    EXPECT_EQ(zoom.markers[4], (TwipsPoint{4000, 1000}));
    window->cmdZoom_Click();
    EXPECT_EQ(zoom.position, (TwipsPoint{600, 450}));
    EXPECT_EQ(zoom.broughtToFront, 2);
}

}  // namespace
}  // namespace ringwright::testing
