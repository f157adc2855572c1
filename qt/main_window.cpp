// The main window in Qt: its controls from the layout table, the focus
// order, the primitives the behaviour drives, and the events it is told of.
#include "qt/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

#include "editor/main_layout.h"
#include "platform/qt_window_handle.h"
#include "qt/colours.h"
#include "qt/fonts.h"
#include "qt/ground_view.h"
#include "qt/pixels.h"
#include "qt/zoom_window.h"

// The pictures live in the front end's library; a static library's
// resources are registered by hand.
static void registerPictures() { Q_INIT_RESOURCE(ringwright); }

namespace ringwright {
namespace ml = main_layout;
namespace {

QComboBox* dropDownList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    return list;
}

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

MainWindow::MainWindow(Platform& platform, std::filesystem::path catalogueFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      core_(*this, platform, std::move(catalogueFolder)) {
    core_.Form_Initialize();
    registerPictures();
    setFont(windowFont());
    setWindowTitle(kTitle);
    setWindowIcon(QIcon(QPixmap(":/ringwright/icon.png", "PNG")));
    setFixedSize(pixelsFromTwips(ml::kClientWidth), pixelsFromTwips(ml::kClientHeight));
    createControls();
    layOutControls();
    setFocusOrder();
    connectHandlers();
    addFieldTools();
}

MainWindow::~MainWindow() {
    core_.abandonDrag();
    delete zoom_;
}

void MainWindow::createControls() {
    Label3 = new QLabel("&GOB", this);
    txtGOBFile = new QLineEdit(this);
    Label3->setBuddy(txtGOBFile);
    txtGOBFile->installEventFilter(this);
    cmdGOBFile = new QPushButton("...", this);
    cmdGOBFile->setFont(dotsFont());
    cmdGOBFile->setToolTip("Select GOB file");
    lblFileName = new QLabel(this);
    ringwright::setBackColor(*lblFileName, colour::kPaleBlue);
    lblFileName->hide();

    const char* headings[] = {"X pos", "Z pos", "Animation", "Value", "&List"};
    for (int k = 0; k < 5; ++k) Label1[k] = new QLabel(headings[k], this);
    cboFieldList = dropDownList(this);
    Label1[4]->setBuddy(cboFieldList);

    Picture1 = new GroundView(this);
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        Label1[5 + i] = new QLabel(QString::number(i), this);
        Label1[5 + i]->setFont(markerFont());
        setForeColor(*Label1[5 + i], colour::kWindowText);
        txtX[i] = new QLineEdit(this);
        txtZ[i] = new QLineEdit(this);
        cboAnim[i] = dropDownList(this);
        txtNum[i] = new QLineEdit(this);
        for (QLineEdit* box : {txtX[i], txtZ[i]}) ringwright::setBackColor(*box, colour::kWindowBackground);
        for (QLineEdit* box : {txtX[i], txtZ[i], txtNum[i]}) box->installEventFilter(this);
        lblFielder[i] = new FielderMarker(i, Picture1->clientArea());
        lblFielder[i]->setFont(markerFont());
        setForeColor(*lblFielder[i], colour::kWhite);
        ringwright::setBackColor(*lblFielder[i], colour::kRed);
    }
    cmdZoom = new QPushButton("&Zoom", this);
    cmdSave = new QPushButton("&Save", this);
    cmdAbout = new QPushButton("&About", this);
    cmdImport = new QPushButton("&Import", this);
    cmdExport = new QPushButton("&Export", this);
}

void MainWindow::layOutControls() {
    place(*Label3, ml::kLabel3);
    place(*txtGOBFile, ml::kTxtGOBFile);
    place(*cmdGOBFile, ml::kCmdGOBFile);
    place(*lblFileName, ml::kLblFileName);
    place(*Label1[0], ml::kXPosLabel);
    place(*Label1[1], ml::kZPosLabel);
    place(*Label1[2], ml::kAnimationLabel);
    place(*Label1[3], ml::kValueLabel);
    place(*Label1[4], ml::kListLabel);
    place(*cboFieldList, ml::kCboFieldList);
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        place(*Label1[5 + i], ml::rowDigit(i));
        place(*txtX[i], ml::txtX(i));
        place(*txtZ[i], ml::txtZ(i));
        place(*cboAnim[i], ml::cboAnim(i));
        place(*txtNum[i], ml::txtNum(i));
        lblFielder[i]->resize(pixelsFromTwips(ml::kMarkerWidth), pixelsFromTwips(ml::kMarkerHeight));
        lblFielder[i]->moveTo({float(ml::kMarkerLeft), float(ml::kMarkerTops[i])});
    }
    place(*cmdZoom, ml::kCmdZoom);
    place(*cmdSave, ml::kCmdSave);
    place(*cmdAbout, ml::kCmdAbout);
    place(*cmdImport, ml::kCmdImport);
    place(*cmdExport, ml::kCmdExport);
}

void MainWindow::setFocusOrder() {
    QList<QWidget*> order{txtGOBFile, cmdGOBFile, cboFieldList};
    for (int i = 0; i < fielddata::kFielderCount; ++i) order << txtX[i] << txtZ[i] << cboAnim[i] << txtNum[i];
    order << cmdZoom << cmdSave << cmdImport << cmdExport << Picture1 << cmdAbout;
    for (qsizetype k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
    txtGOBFile->setFocus();
}

void MainWindow::connectHandlers() {
    connect(cboFieldList, &QComboBox::activated, this, [this] { core_.cboFieldList_Click(); });
    connect(cmdGOBFile, &QPushButton::clicked, this, [this] { core_.cmdGOBFile_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { core_.cmdSave_Click(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { core_.cmdExport_Click(); });
    connect(cmdImport, &QPushButton::clicked, this, [this] { core_.cmdImport_Click(); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] { core_.cmdAbout_Click(); });
    connect(cmdZoom, &QPushButton::clicked, this, [this] { core_.cmdZoom_Click(); });
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        connect(cboAnim[std::size_t(i)], &QComboBox::activated, this, [this, i] { core_.cboAnim_Click(i); });
    for (FielderMarker* marker : lblFielder) {
        connect(marker, &FielderMarker::mouseDown, this,
                [this](int i, int b, int s, float x, float y) { core_.lblFielder_MouseDown(i, b, s, x, y); });
        connect(marker, &FielderMarker::mouseMove, this,
                [this](int i, int b, int s, float x, float y) { core_.lblFielder_MouseMove(i, b, s, x, y); });
        connect(marker, &FielderMarker::mouseUp, this,
                [this](int i, int b, int s, float x, float y) { core_.lblFielder_MouseUp(i, b, s, x, y); });
    }
}

// Qt tells the focus leaving one box before it tells it arriving in the next,
// as the handlers expect.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        if (watched == txtX[i]) {
            if (event->type() == QEvent::FocusIn) core_.txtX_GotFocus(i);
            if (event->type() == QEvent::FocusOut) core_.txtX_LostFocus(i);
            if (event->type() == QEvent::KeyRelease) {
                const auto* key = static_cast<QKeyEvent*>(event);
                if (!key->isAutoRepeat()) core_.txtX_KeyUp(i, key->key(), shiftMask(key->modifiers()));
            }
        } else if (watched == txtZ[i]) {
            if (event->type() == QEvent::FocusIn) core_.txtZ_GotFocus(i);
            if (event->type() == QEvent::FocusOut) core_.txtZ_LostFocus(i);
        } else if (watched == txtNum[i] && event->type() == QEvent::FocusOut) {
            core_.txtNum_LostFocus(i);
        }
    }
    // A box's own undo would take back only its typing: the field's goes first.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Each tool from the keyboard, and from the ground view's own menu.
void MainWindow::addFieldTools() {
    // In the zoom window too: Ctrl+Z there takes back its drop.
    const auto shortcut = [this](QKeySequence keys, auto handler, QWidget* where = nullptr) {
        auto* on = new QShortcut(keys, where ? where : this, nullptr, nullptr,
                                 where ? Qt::WidgetShortcut : Qt::ApplicationShortcut);
        connect(on, &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_M), [this] { core_.MirrorField(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { core_.Undo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { core_.Redo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { core_.Redo(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_C), [this] { core_.CopyPicture(); }, Picture1);
    connect(Picture1, &GroundView::menuRequested, this, &MainWindow::showGroundMenu);
    setAcceptDrops(true);
}

// Where no marker stands: a press on a marker starts a drag, whatever the button.
void MainWindow::showGroundMenu(QPoint at) {
    QMenu menu(this);
    menu.addAction("&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { core_.Undo(); })->setEnabled(core_.canUndo());
    menu.addAction("&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { core_.Redo(); })->setEnabled(core_.canRedo());
    menu.addSeparator();
    menu.addAction("&Mirror for a left-handed batter", QKeySequence(Qt::CTRL | Qt::Key_M),
                   [this] { core_.MirrorField(); });
    menu.addSeparator();
    menu.addAction("&Copy picture", QKeySequence(Qt::CTRL | Qt::Key_C), [this] { core_.CopyPicture(); });
    menu.addAction("Save &picture...", [this] { core_.SavePicture(); });
    menu.addAction("Open &backups folder", [this] { core_.OpenBackupsFolder(); });
    menu.exec(Picture1->clientArea()->mapToGlobal(at));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) event->acceptProposedAction();
}

// A file dropped is imported; anything else is refused by the behaviour, with its message.
void MainWindow::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    const QString dropped = data->hasUrls() ? (data->urls().first().isLocalFile() ? data->urls().first().toLocalFile()
                                                                                 : data->urls().first().toString())
                                            : data->text();
    event->acceptProposedAction();
    core_.DropFile(dropped.toStdString());
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) core_.abandonDrag();
    return QWidget::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    core_.Form_Unload();
}

void MainWindow::showCentred() {
    const QRect screen = (this->screen() ? this->screen() : QApplication::primaryScreen())->availableGeometry();
    show();
    const QRect outer = frameGeometry();
    move(screen.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

QLineEdit* MainWindow::box(ControlId id) const {
    switch (id.control) {
    case Control::txtGOBFile: return txtGOBFile;
    case Control::txtX: return txtX.at(std::size_t(id.index));
    case Control::txtZ: return txtZ.at(std::size_t(id.index));
    case Control::txtNum: return txtNum.at(std::size_t(id.index));
    default: return nullptr;
    }
}

QComboBox* MainWindow::list(ControlId id) const {
    return id.control == Control::cboFieldList ? cboFieldList : cboAnim.at(std::size_t(id.index));
}

std::string MainWindow::text(ControlId id) const {
    if (id.control == Control::lblFileName) return lblFileName->text().toStdString();
    return box(id)->text().toStdString();
}

void MainWindow::setText(ControlId id, const std::string& text) {
    if (id.control == Control::lblFileName) return lblFileName->setText(qt(text));
    box(id)->setText(qt(text));
}

void MainWindow::addListEntry(ControlId id, const std::string& entry) {
    list(id)->addItem(qt(entry));
    list(id)->setCurrentIndex(-1);  // a list filled shows nothing chosen
}

int MainWindow::listCount(ControlId id) const { return list(id)->count(); }
std::string MainWindow::listEntry(ControlId id, int entry) const { return list(id)->itemText(entry).toStdString(); }
int MainWindow::listIndex(ControlId id) const { return list(id)->currentIndex(); }
void MainWindow::setListIndex(ControlId id, int entry) { list(id)->setCurrentIndex(entry); }

void MainWindow::setBackColor(ControlId id, StoredColour colour) {
    QWidget* control = id.control == Control::lblFielder ? static_cast<QWidget*>(lblFielder.at(std::size_t(id.index)))
                                                         : box(id);
    ringwright::setBackColor(*control, colour);
}

TwipsPoint MainWindow::markerPosition(int fielder) const { return lblFielder.at(std::size_t(fielder))->position(); }
void MainWindow::moveMarker(int fielder, TwipsPoint where) { lblFielder.at(std::size_t(fielder))->moveTo(where); }

WindowHandle MainWindow::windowHandle(ControlId id) const {
    return id.control == Control::Picture1 ? handleOf(Picture1->clientArea()) : handleOf(this);
}

TwipsPoint MainWindow::windowPosition() const { return twipsPointFromPixels(pos()); }

void MainWindow::setRingCount(const std::string& text) { Picture1->setRingCount(qt(text)); }
bool MainWindow::saveGroundPicture(const std::string& path) { return Picture1->picture().save(qt(path), "PNG"); }
void MainWindow::copyGroundPicture() { QApplication::clipboard()->setPixmap(Picture1->picture()); }

ZoomWindow* MainWindow::zoom() const { return zoom_.data(); }
ZoomView* MainWindow::zoomWindow() { return zoom_.data(); }

ZoomView& MainWindow::loadZoomWindow() {
    zoom_ = new ZoomWindow(*this);
    return *zoom_;
}

void MainWindow::endProgram(int exitStatus) {
    if (zoom_) zoom_->hide();
    QCoreApplication::exit(exitStatus);
}

}  // namespace ringwright
