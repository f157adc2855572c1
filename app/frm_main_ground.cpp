// The ground view of the main window: markers placed from the coordinate
// boxes and boxes written from the markers, the focus colours, dragging a
// marker with the pointer confined, and the zoom window's refresh.
#include "control_text.h"
#include "fielddata/coordinates.h"
#include "frm_main.h"
#include "frm_zoom.h"
#include "ground_view.h"
#include "platform/qt_window_handle.h"
#include "stored_colour.h"

namespace ringwright {

void frmMain::SetFielderCoordinates(int Index) {
    FielderMarker& marker = *lblFielder[Index];
    txtX[Index]->setText(QString::fromStdString(fielddata::formatCoordinate(fielddata::viewToGame(marker.left()))));
    txtZ[Index]->setText(QString::fromStdString(fielddata::formatCoordinate(fielddata::viewToGame(marker.top()))));
}

void frmMain::MoveFielderToCoordinates() {
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        // A box that fails resets both boxes of the fielder to "1", so the
        // check after it passes and the fielder stands at (1, 1).
        const auto check = [&](QLineEdit* box) {
            const auto value = fielddata::parseCoordinate(box->text().toStdString());
            if (!value) {
                say(value.reason(), style::kCritical);
                txtX[i]->setText("1");
                txtZ[i]->setText("1");
            }
            if (!value || !fielddata::inCoordinateRange(value.value())) {
                say("Fielder not in range", style::kCritical);
                txtX[i]->setText("1");
                txtZ[i]->setText("1");
            }
        };
        check(txtX[i]);
        check(txtZ[i]);
        const double x = fielddata::parseCoordinate(txtX[i]->text().toStdString()).value();
        const double z = fielddata::parseCoordinate(txtZ[i]->text().toStdString()).value();
        lblFielder[i]->moveTo(fielddata::gameToView(x), fielddata::gameToView(z));
    }
}

void frmMain::txtX_GotFocus(int Index) { setBackColor(*lblFielder[Index], colour::kBlue); }
void frmMain::txtX_LostFocus(int Index) { setBackColor(*lblFielder[Index], colour::kRed); }
void frmMain::txtZ_GotFocus(int Index) { setBackColor(*lblFielder[Index], colour::kBlue); }
void frmMain::txtZ_LostFocus(int Index) { setBackColor(*lblFielder[Index], colour::kRed); }

// Any key, in any X box, places all nine markers afresh.
void frmMain::txtX_KeyUp(int) { MoveFielderToCoordinates(); }

void frmMain::showFielderHeld(int Index) {
    setBackColor(*txtX[Index], colour::kYellow);
    setBackColor(*txtZ[Index], colour::kGreen);
}

void frmMain::showFielderFree(int Index) {
    setBackColor(*txtX[Index], colour::kWindowBackground);
    setBackColor(*txtZ[Index], colour::kWindowBackground);
}

void frmMain::lblFielder_MouseDown(int Index, int, int, float X, float Y) {
    platform_.confinePointer(platform_.clientAreaOnScreen(handleOf(Picture1->clientArea())));
    showFielderHeld(Index);
    GrabOffsetX = X;
    GrabOffsetY = Y;
    heldFielder_ = Index;
}

void frmMain::lblFielder_MouseMove(int Index, int Button, int, float X, float Y) {
    if (Button != button::kLeft && Button != button::kRight) return;
    lblFielder[Index]->followPointer(X, Y, GrabOffsetX, GrabOffsetY);
}

void frmMain::lblFielder_MouseUp(int Index, int, int, float, float) {
    platform_.freePointer();
    SetFielderCoordinates(Index);
    showFielderFree(Index);
    heldFielder_.reset();
    if (!zoom_) frmZoomLoad();
    if (zoom_->isVisible()) zoom_->UpdateFieldPosition();
}

void frmMain::abandonDrag() {
    if (!heldFielder_) return;
    platform_.freePointer();
    showFielderFree(*heldFielder_);
    heldFielder_.reset();
}

// Loaded hidden; it takes the main window's position of this moment.
void frmMain::frmZoomLoad() {
    zoom_ = new frmZoom(*this);
    zoom_->Form_Load();
}

void frmMain::cmdZoom_Click() {
    if (!zoom_) frmZoomLoad();
    zoom_->UpdateFieldPosition();
}

}  // namespace ringwright
