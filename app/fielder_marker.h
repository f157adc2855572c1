#pragma once
// A fielder's marker: a small label whose Left and Top are kept in twips as
// single-precision numbers, and whose pointer events arrive as the window's
// handlers expect them: index, button mask, shift state, x and y in twips
// from the marker's top-left corner.
#include <QLabel>

#include "fielddata/coordinates.h"

namespace ringwright {

using fielddata::Twips;

// Button mask of pointer events: the buttons held during a move, the button
// changed on press and release.
namespace button {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
}  // namespace button

class FielderMarker : public QLabel {
    Q_OBJECT
public:
    FielderMarker(int index, QWidget* parent);

    int index() const { return index_; }
    Twips left() const { return left_; }
    Twips top() const { return top_; }
    // Moves in one operation; the size stays.
    void moveTo(Twips left, Twips top);
    // A held marker's step: its top-left corner follows the pointer at
    // (x, y) from the corner, kept at the grab offset; no bound applies.
    void followPointer(float x, float y, float grabX, float grabY);

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
    Twips left_ = 0;
    Twips top_ = 0;
};

}  // namespace ringwright
