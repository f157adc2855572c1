#include "editor/frm_zoom.h"

#include "editor/frm_main.h"
#include "editor/form.h"
#include "fielddata/field_text.h"

namespace ringwright {
namespace {

// The square of the main ground view whose Left and Top lie strictly between
// 2000 and 3500 twips, four times enlarged; the markers outside it are
// parked 500 twips beyond the zoom window's right edge.
constexpr double kShownFrom = 2000;
constexpr double kShownTo = 3500;
constexpr double kFactor = 4;
constexpr double kParkBeyondWidth = 500;

}  // namespace

frmZoom::frmZoom(frmMain& main) : main_(main) {}

ZoomView& frmZoom::loaded() {
    if (ZoomView* window = main_.view().zoomWindow()) return *window;
    ZoomView& window = main_.view().loadZoomWindow();
    Form_Load();
    return window;
}

// It takes the main window's place of this moment and keeps it.
void frmZoom::Form_Load() {
    ZoomView& window = *main_.view().zoomWindow();
    window.takeIconOfMainWindow();
    window.moveTo(main_.view().windowPosition());
}

void frmZoom::UpdateFieldPosition() {
    ZoomView& window = loaded();
    const auto outside = [](double v) { return v <= kShownFrom || v >= kShownTo; };
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const TwipsPoint main = main_.view().markerPosition(i);
        if (outside(main.left) || outside(main.top)) {
            // Parked beyond the right edge; its Top stays.
            window.moveMarker(i, {float(form::kZoomClientWidth + kParkBeyondWidth), window.markerPosition(i).top});
        } else {
            window.moveMarker(i, {float((main.left - kShownFrom) * kFactor),
                                  float((main.top - kShownFrom) * kFactor)});
        }
    }
    window.show();
}

void frmZoom::lblFielder_MouseDown(int Index, int Button, int, float X, float Y) {
    Platform& platform = main_.platform();
    platform.confinePointer(platform.clientAreaOnScreen(loaded().windowHandle()));
    main_.showFielderHeld(Index);
    drag_.press(Index, Button, X, Y);
}

void frmZoom::lblFielder_MouseMove(int Index, int Button, int, float X, float Y) {
    ZoomView& window = loaded();
    if (const auto to = drag_.follow(Index, Button, window.markerPosition(Index), X, Y)) window.moveMarker(Index, *to);
}

// The drop moves the main marker; the zoom marker stays where it was dropped.
void frmZoom::lblFielder_MouseUp(int Index, int Button, int, float, float) {
    if (!drag_.release(Index, Button)) return;
    main_.platform().freePointer();
    const TwipsPoint zoom = loaded().markerPosition(Index);
    main_.DropFromZoom(Index, {float(zoom.left / kFactor + kShownFrom), float(zoom.top / kFactor + kShownFrom)});
}

void frmZoom::abandonDrag() {
    const auto held = drag_.abandon();
    if (!held) return;
    main_.platform().freePointer();
    main_.showFielderFree(*held);
}

}  // namespace ringwright
