#include "qt/all_fields_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "qt/colours.h"

namespace ringwright {
namespace {

constexpr int kPictureSide = 128;

QRect rectOf(const PixelRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

}  // namespace

AllFieldsWindow::AllFieldsWindow(frmMain& behaviour)
    : QListWidget(nullptr), behaviour_(behaviour),
      ground_(QPixmap(":/ringwright/ground.jpg", "JPG")
                  .scaled(kPictureSide, kPictureSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("All fields");
    setViewMode(QListView::IconMode);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setWordWrap(true);
    setIconSize({kPictureSide, kPictureSide});
    setGridSize({kPictureSide + 96, kPictureSide + 110});
    setSpacing(6);
    resize(4 * (kPictureSide + 108), 2 * (kPictureSide + 116));
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { behaviour_.AllFields_Choose(row(item)); });
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { behaviour_.AllFields_Choose(row(item)); });
}

void AllFieldsWindow::show() {
    QListWidget::show();
    raise();
    activateWindow();
}

void AllFieldsWindow::clearCards() { clear(); }

// The ground, the dashed circle and the nine markers as the ground view shows them.
QIcon AllFieldsWindow::pictureOf(const FieldCard& card) const {
    QPixmap picture = ground_;
    QPainter painter(&picture);
    const CardDrawing drawing = drawingOf(card, kPictureSide);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawEllipse(rectOf(drawing.ring));
    if (drawing.markers.empty()) painter.fillRect(picture.rect(), QColor(64, 64, 64, 160));
    const QColor back = colourFromStoredValue(form::kMainMarkers.back, palette());
    for (const PixelRect& marker : drawing.markers) painter.fillRect(rectOf(marker), back);
    return QIcon(picture);
}

void AllFieldsWindow::addCard(const FieldCard& card) {
    auto* item = new QListWidgetItem(pictureOf(card), QString::fromStdString(card.caption()), this);
    item->setToolTip(QString::fromStdString(card.caption()));
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void AllFieldsWindow::replaceCard(int card, const FieldCard& with) {
    if (QListWidgetItem* old = item(card)) {
        old->setText(QString::fromStdString(with.caption()));
        old->setToolTip(old->text());
        old->setIcon(pictureOf(with));
    }
}

void AllFieldsWindow::setCurrentCard(int card) { setCurrentRow(card); }

// Each step after the window has painted what it has.
void AllFieldsWindow::fillLater() {
    QTimer::singleShot(0, this, [this] {
        if (behaviour_.AllFields_Fill()) fillLater();
    });
}

void AllFieldsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && currentRow() >= 0) {
        behaviour_.RenameField(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace ringwright
