#include "editor/frm_zoom.h"

#include "editor/frm_main.h"
#include "editor/zoom_layout.h"
#include "fielddata/field_text.h"

namespace ringwright {
namespace zl = zoom_layout;

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
    const auto outside = [](double v) { return v <= zl::kShownFrom || v >= zl::kShownTo; };
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const TwipsPoint main = main_.view().markerPosition(i);
        if (outside(main.left) || outside(main.top)) {
            // Parked beyond the right edge; its Top stays.
            window.moveMarker(i, {float(zl::kClientWidth + zl::kParkBeyondWidth), window.markerPosition(i).top});
        } else {
            window.moveMarker(i, {float((main.left - zl::kShownFrom) * zl::kFactor),
                                  float((main.top - zl::kShownFrom) * zl::kFactor)});
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
    main_.placeMarker(Index, {float(zoom.left / zl::kFactor + zl::kShownFrom),
                              float(zoom.top / zl::kFactor + zl::kShownFrom)});
    main_.SetFielderCoordinates(Index);
    main_.showFielderFree(Index);
    main_.recordStep();
}

void frmZoom::abandonDrag() {
    const auto held = drag_.abandon();
    if (!held) return;
    main_.platform().freePointer();
    main_.showFielderFree(*held);
}

}  // namespace ringwright
