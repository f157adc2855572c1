#pragma once
// The zoom window: the middle of the ground four times enlarged, with the
// fielders that stand near the pitch as markers of their own. It holds no
// field data; its markers copy the main window's and a drop goes back there.
#include <QWidget>
#include <array>
#include <optional>

#include "fielddata/field_text.h"
#include "fielder_marker.h"

namespace ringwright {

class frmMain;

class frmZoom : public QWidget {
    Q_OBJECT
public:
    explicit frmZoom(frmMain& main);
    ~frmZoom() override;

    void Form_Load();
    void UpdateFieldPosition();

    void lblFielder_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblFielder_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblFielder_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void abandonDrag();

    std::array<FielderMarker*, fielddata::kFielderCount> lblFielder;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    frmMain& main_;
    float ZoomGrabOffsetX = 0, ZoomGrabOffsetY = 0;
    std::optional<int> heldFielder_;
};

}  // namespace ringwright
