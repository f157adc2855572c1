#include "qt/fielder_marker.h"

#include <QMouseEvent>

#include "editor/caption_places.h"
#include "editor/fielding_positions.h"
#include "editor/pointer_buttons.h"
#include "qt/colours.h"
#include "qt/fonts.h"
#include "qt/pixels.h"

namespace ringwright {
namespace {

int buttonMask(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? button::kLeft : 0) | (buttons & Qt::RightButton ? button::kRight : 0) |
           (buttons & Qt::MiddleButton ? button::kMiddle : 0);
}

}  // namespace

int shiftMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? shift::kShift : 0) | (modifiers & Qt::ControlModifier ? shift::kCtrl : 0) |
           (modifiers & Qt::AltModifier ? shift::kAlt : 0);
}

FielderMarker::FielderMarker(int index, QWidget* parent) : QLabel(QString::number(index), parent), index_(index) {
    setAlignment(Qt::AlignCenter);
    // Only the left and right buttons drag, but the middle one starts and
    // ends a drag too, so every button's events are wanted.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void FielderMarker::moveTo(TwipsPoint where) {
    position_ = where;
    move(pixelsFromTwips(where));
    placeCaption();
}

// Small plain text, one pixel clear of the marker's edge; the pointer passes
// through it to the grass.
void FielderMarker::setCaption(const QString& name, const QColor& colour) {
    // Asked on every pointer move: what did not change costs nothing.
    if (caption_ && caption_->text() == name && caption_->palette().color(QPalette::WindowText) == colour) return;
    setToolTip(QString::fromStdString(positions::markerTip(index_, name.toStdString())));
    if (!caption_) {
        caption_ = new QLabel(parentWidget());
        QFont small = font();
        small.setBold(false);
        small.setPointSizeF(7);
        caption_->setFont(small);
        caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
        caption_->show();
    }
    QPalette palette = caption_->palette();
    palette.setColor(QPalette::WindowText, colour);
    caption_->setPalette(palette);
    caption_->setText(name);
    caption_->adjustSize();
    placeCaption();
}

QSize FielderMarker::captionSize() const {
    return caption_ && !caption_->text().isEmpty() ? caption_->size() : QSize(0, 0);
}

void FielderMarker::setCaptionOnLeft(bool onLeft) {
    captionOnLeft_ = onLeft;
    placeCaption();
}

void FielderMarker::placeCaption() {
    if (!caption_) return;
    const int left = captionOnLeft_ ? x() - 1 - caption_->width() : x() + width() + 1;
    caption_->move(left, y() + (height() - caption_->height()) / 2);
}

void setCaptions(const FielderMarkers& markers, const std::array<std::string, fielddata::kFielderCount>& names,
                 const QColor& colour, int viewWidth) {
    for (std::size_t i = 0; i < markers.size(); ++i) markers[i]->setCaption(QString::fromStdString(names[i]), colour);
    placeCaptions(markers, viewWidth);
}

void placeCaptions(const FielderMarkers& markers, int viewWidth) {
    std::array<PixelRect, fielddata::kFielderCount> at{};
    std::array<PixelSize, fielddata::kFielderCount> sizes{};
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const QRect marker = markers[i]->geometry();
        const QSize caption = markers[i]->captionSize();
        at[i] = {marker.x(), marker.y(), marker.width(), marker.height()};
        sizes[i] = {caption.width(), caption.height()};
    }
    const auto places = captionPlaces(at, sizes, viewWidth);
    for (std::size_t i = 0; i < markers.size(); ++i) markers[i]->setCaptionOnLeft(places[i].left < at[i].left);
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

FielderMarkers makeMarkers(QWidget* parent, const form::Markers& look) {
    FielderMarkers markers;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        auto* marker = new FielderMarker(i, parent);
        marker->setFont(fontOf(form::Face::Digit));
        setForeColor(*marker, look.fore);
        setBackColor(*marker, look.back);
        marker->resize(pixelsFromTwips(look.width), pixelsFromTwips(look.height));
        marker->moveTo({float(look.left), float(look.tops[i])});
        markers[std::size_t(i)] = marker;
    }
    return markers;
}

}  // namespace ringwright
