#pragma once
// The zoom window in Qt: its pitch, line and cyan markers, and its marker
// events passed to the behaviour. A window of its own, neither owned by the
// main window nor kept above it. Closing it unloads it.
#include <QWidget>
#include <array>

#include "editor/frm_zoom.h"
#include "editor/views.h"
#include "fielddata/field_text.h"
#include "qt/fielder_marker.h"

namespace ringwright {


class ZoomWindow : public QWidget, public ZoomView {
    Q_OBJECT
public:
    // Its own behaviour, and the main window whose icon it takes.
    ZoomWindow(frmZoom& behaviour, const QWidget& main);

    TwipsPoint markerPosition(int fielder) const override;
    void moveMarker(int fielder, TwipsPoint where) override;
    bool isVisible() const override;
    void show() override;
    void bringToFront() override;
    void moveTo(TwipsPoint screen) override;
    void takeIconOfMainWindow() override;
    WindowHandle windowHandle() const override;
    void setFielderNames(const std::array<std::string, fielddata::kFielderCount>& names) override;

    FielderMarkers lblFielder;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    frmZoom& behaviour_;
    const QWidget& main_;
};

}  // namespace ringwright
