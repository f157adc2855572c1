#pragma once
// A fielder's marker: a small label whose Left and Top are kept in twips as
// single-precision numbers, and whose pointer events arrive as the window's
// handlers expect them: index, button mask, shift state, x and y in twips
// from the marker's top-left corner.
#include <QLabel>

#include "editor/twips.h"

namespace ringwright {

// The shift state of a pointer or key event, as the handlers take it.
int shiftMask(Qt::KeyboardModifiers modifiers);

class FielderMarker : public QLabel {
    Q_OBJECT
public:
    FielderMarker(int index, QWidget* parent);

    int index() const { return index_; }
    TwipsPoint position() const { return position_; }
    // Moves in one operation; the size stays.
    void moveTo(TwipsPoint where);

signals:
    void mouseDown(int index, int button, int shift, float x, float y);
    void mouseMove(int index, int button, int shift, float x, float y);
    void mouseUp(int index, int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    TwipsPoint position_;
};

}  // namespace ringwright
