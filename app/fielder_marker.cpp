#include "fielder_marker.h"

#include <QMouseEvent>

#include "twips.h"

namespace ringwright {
namespace {

int buttonMask(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? button::kLeft : 0) | (buttons & Qt::RightButton ? button::kRight : 0) |
           (buttons & Qt::MiddleButton ? button::kMiddle : 0);
}

int shiftMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

FielderMarker::FielderMarker(int index, QWidget* parent) : QLabel(QString::number(index), parent), index_(index) {
    setAlignment(Qt::AlignCenter);
    // Only the left and right buttons drag, but the middle one starts and
    // ends a drag too, so every button's events are wanted.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void FielderMarker::moveTo(Twips left, Twips top) {
    left_ = left;
    top_ = top;
    move(pixelsFromTwips(left), pixelsFromTwips(top));
}

void FielderMarker::followPointer(float x, float y, float grabX, float grabY) {
    moveTo(float(double(left_) + x - grabX), float(double(top_) + y - grabY));
}

void FielderMarker::mousePressEvent(QMouseEvent* event) {
    const QPointF at = twipsFromPixels(event->position());
    emit mouseDown(index_, buttonMask(event->button()), shiftMask(event->modifiers()), float(at.x()), float(at.y()));
}

void FielderMarker::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = twipsFromPixels(event->position());
    emit mouseMove(index_, buttonMask(event->buttons()), shiftMask(event->modifiers()), float(at.x()), float(at.y()));
}

void FielderMarker::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = twipsFromPixels(event->position());
    emit mouseUp(index_, buttonMask(event->button()), shiftMask(event->modifiers()), float(at.x()), float(at.y()));
}

}  // namespace ringwright
