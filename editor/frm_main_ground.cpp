// The ground view of the main window: markers placed from the coordinate
// boxes and boxes written from the markers, the focus colours, dragging a
// marker with the pointer confined, the count of fielders inside the circle,
// and the zoom window's refresh.
#include "editor/frm_main.h"
#include "editor/pointer_buttons.h"
#include "fielddata/coordinates.h"
#include "fielddata/field_text.h"

namespace ringwright {

void frmMain::SetFielderCoordinates(int Index) {
    const TwipsPoint marker = view_.markerPosition(Index);
    view_.setText(txtX(Index), fielddata::formatCoordinate(fielddata::viewToGame(marker.left)));
    view_.setText(txtZ(Index), fielddata::formatCoordinate(fielddata::viewToGame(marker.top)));
}

void frmMain::MoveFielderToCoordinates() {
    bool reset = false;  // a reset is a step of its own
    // A box that fails resets both boxes of the fielder to "1", so the other
    // box needs no check and the fielder stands at (1, 1). A text that is no
    // number is gone before the range message shows.
    const auto checked = [&](int i, ControlId box) -> std::optional<double> {
        const auto value = fielddata::parseCoordinate(view_.text(box));
        if (value && fielddata::inCoordinateRange(value.value())) return value.value();
        const auto resetBoxes = [&] {
            view_.setText(txtX(i), "1");
            view_.setText(txtZ(i), "1");
        };
        reset = true;
        if (!value) {
            say(value.reason(), style::kCritical);
            resetBoxes();
        }
        say("Fielder not in range", style::kCritical);
        resetBoxes();
        return std::nullopt;
    };
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        std::optional<double> x = checked(i, txtX(i)), z = x ? checked(i, txtZ(i)) : std::nullopt;
        if (!x || !z) x = z = 1.0;
        view_.moveMarker(i, {fielddata::gameToView(*x), fielddata::gameToView(*z)});
    }
    showRingCount();  // once all nine stand
    if (reset) recordStep();
}

void frmMain::txtX_GotFocus(int Index) { view_.setBackColor(lblFielder(Index), colour::kBlue); }
void frmMain::txtX_LostFocus(int Index) {
    view_.setBackColor(lblFielder(Index), colour::kRed);
    recordStep();
}
void frmMain::txtZ_GotFocus(int Index) { view_.setBackColor(lblFielder(Index), colour::kBlue); }
void frmMain::txtZ_LostFocus(int Index) {
    view_.setBackColor(lblFielder(Index), colour::kRed);
    recordStep();
}
void frmMain::txtNum_LostFocus(int) { recordStep(); }
void frmMain::cboAnim_Click(int) { recordStep(); }

// Any key, in any X box, places all nine markers afresh.
void frmMain::txtX_KeyUp(int, int, int) { MoveFielderToCoordinates(); }

void frmMain::showFielderHeld(int Index) {
    view_.setBackColor(txtX(Index), colour::kYellow);
    view_.setBackColor(txtZ(Index), colour::kGreen);
}

void frmMain::showFielderFree(int Index) {
    view_.setBackColor(txtX(Index), colour::kWindowBackground);
    view_.setBackColor(txtZ(Index), colour::kWindowBackground);
}

void frmMain::lblFielder_MouseDown(int Index, int Button, int, float X, float Y) {
    platform_.confinePointer(platform_.clientAreaOnScreen(view_.windowHandle({Control::Picture1})));
    showFielderHeld(Index);
    drag_.press(Index, Button, X, Y);
}

void frmMain::lblFielder_MouseMove(int Index, int Button, int, float X, float Y) {
    if (const auto to = drag_.follow(Index, Button, view_.markerPosition(Index), X, Y)) placeMarker(Index, *to);
}

void frmMain::lblFielder_MouseUp(int Index, int Button, int, float, float) {
    if (!drag_.release(Index, Button)) return;
    platform_.freePointer();
    SetFielderCoordinates(Index);
    showFielderFree(Index);
    recordStep();
    // A hidden or closed zoom window is loaded, not shown, by a drop.
    if (frmZoom_.loaded().isVisible()) frmZoom_.UpdateFieldPosition();
}

void frmMain::DropFromZoom(int Index, TwipsPoint where) {
    placeMarker(Index, where);
    SetFielderCoordinates(Index);
    showFielderFree(Index);
    recordStep();
}

void frmMain::abandonDrag() {
    const auto held = drag_.abandon();
    if (!held) return;
    platform_.freePointer();
    showFielderFree(*held);
}

void frmMain::placeMarker(int fielder, TwipsPoint where) {
    view_.moveMarker(fielder, where);
    showRingCount();
}

// Fielders with X squared and Z squared at most 16 stand inside the circle
// of four game units drawn on the ground.
void frmMain::showRingCount() {
    constexpr double kRingRadius = 4;
    int inside = 0;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const TwipsPoint marker = view_.markerPosition(i);
        const double x = fielddata::viewToGame(marker.left), z = fielddata::viewToGame(marker.top);
        if (x * x + z * z <= kRingRadius * kRingRadius) ++inside;
    }
    view_.setRingCount("Inside " + std::to_string(inside) + " \xC2\xB7 Outside " +
                       std::to_string(fielddata::kFielderCount - inside));
    showFieldInWords();
}

// Pressing Zoom shows the zoom window, so it comes to the front, also from
// behind the main window; a drop's refresh leaves it where it stands.
void frmMain::cmdZoom_Click() {
    frmZoom_.UpdateFieldPosition();
    showFieldInWords();  // its captions too
    frmZoom_.loaded().bringToFront();
}

}  // namespace ringwright
