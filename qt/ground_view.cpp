#include "qt/ground_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editor/form.h"
#include "qt/pixels.h"

namespace ringwright {
namespace {

class GroundPicture : public QWidget {
public:
    explicit GroundPicture(QWidget* parent) : QWidget(parent), picture_(":/ringwright/ground.jpg", "JPG") {}

    QString ringCount, inWords, warnings;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.drawPixmap(0, 0, picture_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(pixelsFromTwips(form::kShape1));
        // Small plain text on the dark corner.
        QFont small = font();
        small.setPointSizeF(7.5);
        painter.setFont(small);
        painter.setPen(Qt::white);
        const QPoint at = pixelsFromTwips(form::kRingCountAt);
        painter.drawText(QRect(at.x(), at.y(), width() - 2 * at.x(), 14), Qt::AlignLeft | Qt::AlignTop, ringCount);
        // A long field ends in an ellipsis rather than past the picture's edge.
        const int room = width() - 2 * at.x();
        painter.drawText(QRect(at.x(), at.y() + 13, room, 14), Qt::AlignLeft | Qt::AlignTop,
                         painter.fontMetrics().elidedText(inWords, Qt::ElideRight, room));
        painter.setPen(QColor(255, 224, 96));  // warnings in amber
        painter.drawText(QRect(at.x(), at.y() + 26, room, 14), Qt::AlignLeft | Qt::AlignTop,
                         painter.fontMetrics().elidedText(warnings, Qt::ElideRight, room));
    }

protected:
    // A press on the grass gives the view the focus (so that Ctrl+C copies
    // the picture); a press on a marker, a child of its own, does not.
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) parentWidget()->setFocus(Qt::MouseFocusReason);
        QWidget::mousePressEvent(event);
    }

private:
    QPixmap picture_;
};

}  // namespace

void GroundView::setRingCount(const QString& text) {
    auto* ground = static_cast<GroundPicture*>(client_);
    ground->ringCount = text;
    ground->update();
}

void GroundView::setFieldInWords(const QString& line, const QString& warnings) {
    auto* ground = static_cast<GroundPicture*>(client_);
    if (ground->inWords == line && ground->warnings == warnings) return;
    ground->inWords = line;
    ground->warnings = warnings;
    ground->update();
}

QPixmap GroundView::picture() const {
    const int side = pixelsFromTwips(form::kGroundPictureSide);
    return client_->grab(QRect(0, 0, side, side));
}

void GroundView::contextMenuEvent(QContextMenuEvent* event) {
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    emit menuRequested(fromKeyboard ? client_->rect().center() : client_->mapFrom(this, event->pos()));
}

void GroundView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        emit menuRequested(client_->rect().center());
        return;
    }
    QFrame::keyPressEvent(event);
}

void GroundView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setClipRegion(QRegion(rect()).subtracted(contentsRect()));
    painter.fillRect(rect(), palette().color(QPalette::Highlight));
}

void GroundView::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void GroundView::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

GroundView::GroundView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    // Tab reaches the view; a click focuses it only on the grass, so a
    // press on a marker leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    client_ = new GroundPicture(this);
}

// The markers' area is the frame's inside, wherever the form places the frame.
void GroundView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    client_->setGeometry(contentsRect());
}

}  // namespace ringwright
