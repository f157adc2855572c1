#pragma once
// The zoom window, as behaviour: the middle of the ground four times
// enlarged, with the fielders that stand near the pitch as markers of their
// own. It holds no field data; its markers copy the main window's, and a
// drop goes back there.
#include "editor/marker_drag.h"
#include "editor/views.h"

namespace ringwright {

class frmMain;

class frmZoom {
public:
    explicit frmZoom(frmMain& main);

    // Runs each time the window is loaded, hidden, by its first use.
    void Form_Load();
    // Places the nine zoom markers from the main window's and shows the
    // window, loading it first when it is not loaded.
    void UpdateFieldPosition();

    void lblFielder_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblFielder_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblFielder_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void abandonDrag();

    // The window, loaded (hidden) when it is not.
    ZoomView& loaded();

private:
    frmMain& main_;
    MarkerDrag drag_;  // holds ZoomGrabOffset
};

}  // namespace ringwright
