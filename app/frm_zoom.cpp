#include "frm_zoom.h"

#include <QEvent>
#include <QPainter>

#include "fonts.h"
#include "frm_main.h"
#include "main_layout.h"
#include "platform/qt_window_handle.h"
#include "stored_colour.h"
#include "zoom_layout.h"

namespace ringwright {
namespace zl = zoom_layout;

frmZoom::frmZoom(frmMain& main)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      main_(main) {
    // Closing the window unloads it; the next use loads it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Zoom View");
    setFont(windowFont());
    setFixedSize(pixelsFromTwips(zl::kClientWidth), pixelsFromTwips(zl::kClientHeight));
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        auto* marker = new FielderMarker(i, this);
        marker->setFont(markerFont());
        setForeColor(*marker, colour::kWindowText);
        setBackColor(*marker, colour::kCyan);
        marker->resize(pixelsFromTwips(zl::kMarkerWidth), pixelsFromTwips(zl::kMarkerHeight));
        marker->moveTo(zl::kMarkerLeft, main_layout::kMarkerTops[i]);
        connect(marker, &FielderMarker::mouseDown, this, &frmZoom::lblFielder_MouseDown);
        connect(marker, &FielderMarker::mouseMove, this, &frmZoom::lblFielder_MouseMove);
        connect(marker, &FielderMarker::mouseUp, this, &frmZoom::lblFielder_MouseUp);
        lblFielder[i] = marker;
    }
}

frmZoom::~frmZoom() { abandonDrag(); }

void frmZoom::Form_Load() {
    setWindowIcon(main_.windowIcon());
    move(main_.pos());
}

void frmZoom::UpdateFieldPosition() {
    const auto outside = [](double v) { return v <= zl::kShownFrom || v >= zl::kShownTo; };
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const double left = main_.lblFielder[i]->left();
        const double top = main_.lblFielder[i]->top();
        FielderMarker& marker = *lblFielder[i];
        if (outside(left) || outside(top)) {
            marker.moveTo(float(zl::kClientWidth + zl::kParkBeyondWidth), marker.top());
        } else {
            marker.moveTo(float((left - zl::kShownFrom) * zl::kFactor), float((top - zl::kShownFrom) * zl::kFactor));
        }
    }
    show();
}

void frmZoom::lblFielder_MouseDown(int Index, int, int, float X, float Y) {
    main_.platform().confinePointer(main_.platform().clientAreaOnScreen(handleOf(this)));
    main_.showFielderHeld(Index);
    ZoomGrabOffsetX = X;
    ZoomGrabOffsetY = Y;
    heldFielder_ = Index;
}

void frmZoom::lblFielder_MouseMove(int Index, int Button, int, float X, float Y) {
    if (Button != button::kLeft && Button != button::kRight) return;
    lblFielder[Index]->followPointer(X, Y, ZoomGrabOffsetX, ZoomGrabOffsetY);
}

// The drop moves the main marker; the zoom marker stays where it was dropped.
void frmZoom::lblFielder_MouseUp(int Index, int, int, float, float) {
    main_.platform().freePointer();
    const FielderMarker& marker = *lblFielder[Index];
    main_.lblFielder[Index]->moveTo(float(marker.left() / zl::kFactor + zl::kShownFrom),
                                    float(marker.top() / zl::kFactor + zl::kShownFrom));
    main_.SetFielderCoordinates(Index);
    main_.showFielderFree(Index);
    heldFielder_.reset();
}

void frmZoom::abandonDrag() {
    if (!heldFielder_) return;
    main_.platform().freePointer();
    main_.showFielderFree(*heldFielder_);
    heldFielder_.reset();
}

void frmZoom::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(pixelsFromTwips(zl::kLine1FromX), pixelsFromTwips(zl::kLine1FromY),
                     pixelsFromTwips(zl::kLine1ToX), pixelsFromTwips(zl::kLine1ToY));
    QRect pitch = pixelsFromTwips(zl::kShape1);
    painter.drawRect(pitch.adjusted(0, 0, -1, -1));
}

bool frmZoom::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) abandonDrag();
    return QWidget::event(event);
}

}  // namespace ringwright
