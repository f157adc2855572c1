#include "qt/all_fields_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

#include "qt/colours.h"

namespace ringwright {
namespace {

constexpr int kPictureSide = 128;
constexpr int kMarkersRole = Qt::UserRole;  // the card's markers as pixel rectangles; none without a field

QRect rectOf(const PixelRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

// Each card's picture is painted when it shows, from its markers, over the
// place of an empty icon that all cards share: a catalogue of any size holds
// no picture per card.
class CardDelegate : public QStyledItemDelegate {
public:
    CardDelegate(QObject* parent, QPixmap ground, QColor markers)
        : QStyledItemDelegate(parent), ground_(std::move(ground)), markers_(markers),
          ring_(rectOf(drawingOf(FieldCard{}, kPictureSide).ring)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem shown = option;
        initStyleOption(&shown, index);
        const QWidget* view = option.widget;
        const QRect place = view->style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &shown, view);
        const QPoint at = place.topLeft() + QPoint((place.width() - kPictureSide) / 2, (place.height() - kPictureSide) / 2);
        painter->save();
        painter->translate(at);
        painter->drawPixmap(0, 0, ground_);
        painter->setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter->drawEllipse(ring_);
        const QVariant markers = index.data(kMarkersRole);
        if (!markers.isValid()) painter->fillRect(ground_.rect(), QColor(64, 64, 64, 160));
        for (const QVariant& marker : markers.toList()) painter->fillRect(marker.toRect(), markers_);
        if (shown.state & QStyle::State_Selected) painter->fillRect(ground_.rect(), QColor(48, 140, 198, 90));
        painter->restore();
    }

private:
    QPixmap ground_;
    QColor markers_;
    QRect ring_;  // the same on every card
};

void showCard(QListWidgetItem& item, const FieldCard& card) {
    const QString caption = QString::fromStdString(card.caption());
    item.setText(caption);
    item.setToolTip(caption);
    QVariant markers;
    if (card.markers) {
        QVariantList rects;
        for (const PixelRect& marker : drawingOf(card, kPictureSide).markers) rects.push_back(rectOf(marker));
        markers = rects;
    }
    item.setData(kMarkersRole, markers);
}

}  // namespace

AllFieldsWindow::AllFieldsWindow(frmMain& behaviour) : QListWidget(nullptr), behaviour_(behaviour) {
    QPixmap empty(kPictureSide, kPictureSide);
    empty.fill(Qt::transparent);
    placeHolder_ = QIcon(empty);
    setItemDelegate(new CardDelegate(this,
                                     QPixmap(":/ringwright/ground.jpg", "JPG")
                                         .scaled(kPictureSide, kPictureSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                     colourFromStoredValue(form::kMainMarkers.back, palette())));
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

void AllFieldsWindow::addCard(const FieldCard& card) {
    auto* item = new QListWidgetItem(placeHolder_, QString(), this);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    showCard(*item, card);
}

void AllFieldsWindow::replaceCard(int card, const FieldCard& with) {
    if (QListWidgetItem* shown = item(card)) showCard(*shown, with);
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
