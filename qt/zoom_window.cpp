#include "qt/zoom_window.h"

#include <QEvent>
#include <QPainter>
#include <QWindow>

#include "editor/form.h"
#include "platform/qt_window_handle.h"
#include "qt/colours.h"
#include "qt/fonts.h"
#include "qt/pixels.h"

namespace ringwright {

ZoomWindow::ZoomWindow(frmZoom& behaviour, const QWidget& main)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      behaviour_(behaviour),
      main_(main) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(form::kZoomTitle.data(), qsizetype(form::kZoomTitle.size())));
    setFont(fontOf(form::Face::Window));
    setFixedSize(pixelsFromTwips(form::kZoomClientWidth), pixelsFromTwips(form::kZoomClientHeight));
    lblFielder = makeMarkers(this, form::kZoomMarkers, behaviour_);
    // Not transient for the main window: either can cover the other.
    winId();
    QWidget::windowHandle()->setTransientParent(nullptr);
}

void ZoomWindow::setFielderNames(const std::array<std::string, fielddata::kFielderCount>& names) {
    setCaptions(lblFielder, names, palette().color(QPalette::WindowText), width());
}

TwipsPoint ZoomWindow::markerPosition(int fielder) const { return lblFielder.at(std::size_t(fielder))->position(); }
// A zoom marker dragged is renamed only at its drop, so its caption's side
// is worked out again at each move.
void ZoomWindow::moveMarker(int fielder, TwipsPoint where) {
    lblFielder.at(std::size_t(fielder))->moveTo(where);
    placeCaptions(lblFielder, width());
}
bool ZoomWindow::isVisible() const { return QWidget::isVisible(); }

void ZoomWindow::show() {
    QWidget::show();
    QWidget::windowHandle()->setTransientParent(nullptr);
}

void ZoomWindow::bringToFront() {
    raise();
    activateWindow();
}

void ZoomWindow::moveTo(TwipsPoint screen) { move(pixelsFromTwips(screen)); }
void ZoomWindow::takeIconOfMainWindow() { setWindowIcon(main_.windowIcon()); }
WindowHandle ZoomWindow::windowHandle() const { return handleOf(this); }

void ZoomWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(pixelsFromTwips(form::kLine1From), pixelsFromTwips(form::kLine1To));
    const QRect pitch = pixelsFromTwips(form::kZoomShape1);
    painter.drawRect(pitch.adjusted(0, 0, -1, -1));
}

// A drag here ends when the window goes away or loses the focus.
bool ZoomWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) behaviour_.abandonDrag();
    return QWidget::event(event);
}

}  // namespace ringwright
