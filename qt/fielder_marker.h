#pragma once
// A fielder's marker: a small label whose Left and Top are kept in twips as
// single-precision numbers, and whose pointer events arrive as the window's
// handlers expect them: index, button mask, shift state, x and y in twips
// from the marker's top-left corner.
#include <QLabel>

#include <array>
#include <string>

#include "editor/form.h"
#include "editor/twips.h"
#include "fielddata/field_text.h"

namespace ringwright {

// The shift state of a pointer or key event, as the handlers take it.
int shiftMask(Qt::KeyboardModifiers modifiers);

class FielderMarker : public QLabel {
    Q_OBJECT
public:
    FielderMarker(int index, QWidget* parent);

    int index() const { return index_; }
    TwipsPoint position() const { return position_; }
    // Moves in one operation, its caption with it; the size stays.
    void moveTo(TwipsPoint where);
    // The name of the fielder's position, beside the marker and in its tooltip.
    void setCaption(const QString& name, const QColor& colour);
    // The caption's size, none while it is empty, and the side it stands on.
    QSize captionSize() const;
    void setCaptionOnLeft(bool onLeft);

signals:
    void mouseDown(int index, int button, int shift, float x, float y);
    void mouseMove(int index, int button, int shift, float x, float y);
    void mouseUp(int index, int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeCaption();

    int index_;
    TwipsPoint position_;
    QLabel* caption_ = nullptr;  // a sibling, so it stands outside the marker
    bool captionOnLeft_ = false;
};

using FielderMarkers = std::array<FielderMarker*, fielddata::kFielderCount>;

// Each marker's caption, as the behaviour names the fielders, on the side of
// its marker where it covers no other marker or caption and stays inside the
// view, `viewWidth` pixels wide (known before the view is first laid out).
void setCaptions(const FielderMarkers& markers, const std::array<std::string, fielddata::kFielderCount>& names,
                 const QColor& colour, int viewWidth);
// The captions' sides again, once a marker has moved.
void placeCaptions(const FielderMarkers& markers, int viewWidth);

// The nine markers of a window, made with the look its form gives them and
// their pointer events handed to that window's own handlers.
FielderMarkers makeMarkers(QWidget* parent, const form::Markers& look);
template <class Handlers>
FielderMarkers makeMarkers(QWidget* parent, const form::Markers& look, Handlers& handlers) {
    const FielderMarkers markers = makeMarkers(parent, look);
    for (FielderMarker* marker : markers) {
        QObject::connect(marker, &FielderMarker::mouseDown, parent,
                         [&handlers](int i, int b, int s, float x, float y) { handlers.lblFielder_MouseDown(i, b, s, x, y); });
        QObject::connect(marker, &FielderMarker::mouseMove, parent,
                         [&handlers](int i, int b, int s, float x, float y) { handlers.lblFielder_MouseMove(i, b, s, x, y); });
        QObject::connect(marker, &FielderMarker::mouseUp, parent,
                         [&handlers](int i, int b, int s, float x, float y) { handlers.lblFielder_MouseUp(i, b, s, x, y); });
    }
    return markers;
}

}  // namespace ringwright
