#pragma once
// Picture1: the ground picture in a sunken frame, with the dashed circle
// Shape1 of four game units around the game origin. The markers stand on
// its client area, whose top-left corner is the view's twips origin.
#include <QFrame>
#include <QPixmap>

namespace ringwright {

class GroundView : public QFrame {
    Q_OBJECT
public:
    explicit GroundView(QWidget* parent);

    // The area the markers stand on and the pointer is confined to.
    QWidget* clientArea() const { return client_; }
    // The count of fielders inside and outside the circle, in the top-left corner.
    void setRingCount(const QString& text);
    // The field in words, on the line under the ring count.
    void setFieldInWords(const QString& line, const QString& warnings);
    // The ground with its markers, as shown.
    QPixmap picture() const;

signals:
    // The menu of the field tools, asked for at `at` in the client area: by
    // the right button where no marker stands, or from the keyboard (the
    // menu key, Shift+F10), then over the middle of the ground.
    void menuRequested(QPoint at);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The frame shows in the highlight colour while the view has the focus,
    // outside the picture, so a copied picture never shows it.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* client_;
};

}  // namespace ringwright
