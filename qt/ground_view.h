#pragma once
// Picture1: the ground picture in a sunken frame, with the dashed circle
// Shape1 of four game units around the game origin. The markers stand on
// its client area, whose top-left corner is the view's twips origin.
#include <QFrame>
#include <QPixmap>

namespace ringwright {

class GroundView : public QFrame {
public:
    explicit GroundView(QWidget* parent);

    // The area the markers stand on and the pointer is confined to.
    QWidget* clientArea() const { return client_; }
    // The count of fielders inside and outside the circle, in the top-left corner.
    void setRingCount(const QString& text);
    // The ground with its markers, as shown.
    QPixmap picture() const;

private:
    QWidget* client_;
};

}  // namespace ringwright
