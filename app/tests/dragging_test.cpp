#include <QMouseEvent>
#include <QTest>

#include "editor_fixture.h"
#include "frm_zoom.h"
#include "ground_view.h"
#include "stored_colour.h"

namespace ringwright::testing {
namespace {

// Sends one pointer event to a marker at a pixel position inside it.
void send(QWidget* marker, QEvent::Type type, QPoint at, Qt::MouseButton changed, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), marker->mapToGlobal(QPointF(at)), changed, held, Qt::NoModifier);
    QApplication::sendEvent(marker, &event);
}

class DraggingTest : public EditorTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Presses at (2, 3) pixels inside the marker, moves by `by` and lets go.
    void drag(QWidget* marker, QPoint by, Qt::MouseButton button = Qt::LeftButton) {
        send(marker, QEvent::MouseButtonPress, {2, 3}, button, button);
        send(marker, QEvent::MouseMove, QPoint(2, 3) + by, Qt::NoButton, button);
        send(marker, QEvent::MouseButtonRelease, QPoint(2, 3) + by, button, Qt::NoButton);
    }
};

TEST_F(DraggingTest, DragMovesTheMarkerAndWritesItsBoxesOnRelease) {
    FielderMarker* marker = window->lblFielder[4];  // X 0, Z 2: at (3000, 2250)
    send(marker, QEvent::MouseButtonPress, {2, 3}, Qt::LeftButton, Qt::LeftButton);
    const ScreenRect ground = clientAreaOnScreenOf(*window->Picture1->clientArea());
    EXPECT_EQ(platform.confinements, (std::vector<std::optional<ScreenRect>>{ground}));
    EXPECT_EQ(ground.right - ground.left, 401);
    EXPECT_EQ(backColor(*window->txtX[4]), colour::kYellow);
    EXPECT_EQ(backColor(*window->txtZ[4]), colour::kGreen);

    send(marker, QEvent::MouseMove, {12, -7}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(marker->left(), 3150);
    EXPECT_EQ(marker->top(), 2100);
    EXPECT_EQ(window->txtX[4]->text(), "0.000000");  // boxes wait for the release
    send(marker, QEvent::MouseButtonRelease, {2, 3}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(platform.confinements.size(), 2u);
    EXPECT_FALSE(platform.confinements.back());
    EXPECT_EQ(window->txtX[4]->text(), "-0.400000");
    EXPECT_EQ(window->txtZ[4]->text(), "2.400000");
    EXPECT_EQ(backColor(*window->txtX[4]), colour::kWindowBackground);
    EXPECT_EQ(backColor(*window->txtZ[4]), colour::kWindowBackground);
    EXPECT_FALSE(window->zoomWindow()->isVisible());  // loaded hidden by the drop
}

TEST_F(DraggingTest, OnlyTheLeftOrTheRightButtonAloneMoves) {
    FielderMarker* marker = window->lblFielder[1];
    window->txtX[1]->setText("-3.5");  // not yet applied: a click rewrites it
    drag(marker, {10, 10}, Qt::MiddleButton);
    EXPECT_EQ(marker->left(), 4125);
    EXPECT_EQ(window->txtX[1]->text(), "-3.000000");
    EXPECT_EQ(platform.confinements.size(), 2u);

    send(marker, QEvent::MouseButtonPress, {2, 3}, Qt::RightButton, Qt::RightButton);
    send(marker, QEvent::MouseMove, {4, 3}, Qt::NoButton, Qt::RightButton | Qt::LeftButton);
    EXPECT_EQ(marker->left(), 4125);
    send(marker, QEvent::MouseMove, {4, 3}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(marker->left(), 4155);
    send(marker, QEvent::MouseButtonRelease, {4, 3}, Qt::RightButton, Qt::NoButton);
}

TEST_F(DraggingTest, LostDragFreesThePointerAndKeepsMarkerAndTexts) {
    FielderMarker* marker = window->lblFielder[2];
    send(marker, QEvent::MouseButtonPress, {2, 3}, Qt::LeftButton, Qt::LeftButton);
    send(marker, QEvent::MouseMove, {22, 3}, Qt::NoButton, Qt::LeftButton);
    const Twips left = marker->left();
    window->hide();
    EXPECT_EQ(platform.confinements.size(), 2u);
    EXPECT_FALSE(platform.confinements.back());
    EXPECT_EQ(backColor(*window->txtX[2]), colour::kWindowBackground);
    EXPECT_EQ(marker->left(), left);
    EXPECT_EQ(window->txtX[2]->text(), "-2.000000");
}

TEST_F(DraggingTest, ZoomShowsTheMiddleSquareFourTimesEnlarged) {
    window->move(40, 30);
    // Fielder 0 parked by Left, 1 by Top exactly 3500, 2 shown at the origin.
    window->lblFielder[0]->moveTo(2000, 3000);
    window->lblFielder[1]->moveTo(3000, 3500);
    window->lblFielder[2]->moveTo(3000, 3000);
    window->lblFielder[3]->moveTo(2001, 2625);
    window->cmdZoom_Click();
    frmZoom* zoom = window->zoomWindow();
    ASSERT_TRUE(zoom && zoom->isVisible());
    EXPECT_EQ(zoom->pos(), window->pos());
    EXPECT_EQ(zoom->size(), QSize(394, 368));
    EXPECT_EQ(zoom->windowTitle(), "Zoom View");
    EXPECT_EQ(zoom->lblFielder[0]->left(), 6410);
    EXPECT_EQ(zoom->lblFielder[0]->top(), 720);  // a parked marker keeps its Top
    EXPECT_EQ(zoom->lblFielder[1]->left(), 6410);
    EXPECT_EQ(zoom->lblFielder[2]->left(), 4000);
    EXPECT_EQ(zoom->lblFielder[2]->top(), 4000);
    EXPECT_EQ(zoom->lblFielder[3]->left(), 4);
    EXPECT_EQ(zoom->lblFielder[3]->top(), 2500);

    // A drop in the zoom view moves the main marker, not the zoom markers.
    zoom->lblFielder[2]->moveTo(4000, 2500 - 45);
    drag(zoom->lblFielder[2], {0, 3});
    EXPECT_EQ(platform.confinements.front(), clientAreaOnScreenOf(*zoom));
    EXPECT_EQ(window->lblFielder[2]->left(), 3000);
    EXPECT_EQ(window->lblFielder[2]->top(), 2625);
    EXPECT_EQ(window->txtX[2]->text(), "0.000000");
    EXPECT_EQ(window->txtZ[2]->text(), "1.000000");
    EXPECT_EQ(backColor(*window->txtZ[2]), colour::kWindowBackground);
    EXPECT_EQ(zoom->lblFielder[3]->left(), 4);

    // A drop on the main view refreshes a visible zoom window.
    drag(window->lblFielder[3], {1, 0});
    EXPECT_EQ(zoom->lblFielder[3]->left(), 64);

    // Closed, it unloads; the next Zoom opens it at the main window's new place.
    zoom->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->zoomWindow(), nullptr);
    window->move(80, 60);
    window->cmdZoom_Click();
    EXPECT_EQ(window->zoomWindow()->pos(), window->pos());
}

}  // namespace
}  // namespace ringwright::testing
