#include "qt/ground_view.h"

#include <QPainter>

#include "editor/main_layout.h"
#include "qt/pixels.h"

namespace ringwright {
namespace {

class GroundPicture : public QWidget {
public:
    explicit GroundPicture(QWidget* parent) : QWidget(parent), picture_(":/ringwright/ground.jpg", "JPG") {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.drawPixmap(0, 0, picture_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(pixelsFromTwips(main_layout::kShape1));
    }

private:
    QPixmap picture_;
};

}  // namespace

GroundView::GroundView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    place(*this, main_layout::kPicture1);
    client_ = new GroundPicture(this);
    client_->setGeometry(contentsRect());
}

}  // namespace ringwright
