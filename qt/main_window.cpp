// The main window in Qt: its controls from the layout table, the focus
// order, the primitives the behaviour drives, and the events it is told of.
#include "qt/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

#include <utility>

#include "editor/form.h"
#include "platform/qt_window_handle.h"
#include "qt/colours.h"
#include "qt/fonts.h"
#include "qt/ground_view.h"
#include "qt/pixels.h"
#include "qt/all_fields_window.h"
#include "qt/zoom_window.h"

// The pictures live in the front end's library; a static library's
// resources are registered by hand.
static void registerPictures() { Q_INIT_RESOURCE(ringwright); }

namespace ringwright {
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
    setFont(fontOf(form::Face::Window));
    setWindowTitle(qt(std::string(form::kMainTitle)));
    setWindowIcon(QIcon(QPixmap(":/ringwright/icon.png", "PNG")));
    setFixedSize(pixelsFromTwips(form::kMainClientWidth), pixelsFromTwips(form::kMainClientHeight));
    createControls();
    connectHandlers();
    addFieldTools();
}

MainWindow::~MainWindow() {
    core_.abandonDrag();
    delete zoom_;
    delete allFields_;
}

// Each row of the form in one loop: made, placed, labelled, coloured, and
// chained in the focus order; a label's access key leads to the row after it.
void MainWindow::createControls() {
    QList<QWidget*> focusOrder;
    QLabel* waitingForBuddy = nullptr;
    for (const form::Row& row : form::mainRows()) {
        QWidget* control = make(row);
        place(*control, row.place);
        if (row.face != form::Face::Window) control->setFont(fontOf(row.face));
        if (row.back) ringwright::setBackColor(*control, *row.back);
        if (row.fore) setForeColor(*control, *row.fore);
        if (!row.tooltip.empty()) control->setToolTip(qt(std::string(row.tooltip)));
        control->setVisible(row.visible);
        if (waitingForBuddy) {
            waitingForBuddy->setBuddy(control);
            waitingForBuddy = nullptr;
        }
        if (row.kind == form::Kind::Label && row.caption.find('&') != std::string_view::npos)
            waitingForBuddy = static_cast<QLabel*>(control);
        if (row.kind != form::Kind::Label) focusOrder << control;
    }
    for (qsizetype k = 1; k < focusOrder.size(); ++k) setTabOrder(focusOrder[k - 1], focusOrder[k]);
    for (QLineEdit* box : txtX) box->installEventFilter(this);
    for (QLineEdit* box : txtZ) box->installEventFilter(this);
    for (QLineEdit* box : txtNum) box->installEventFilter(this);
    txtGOBFile->installEventFilter(this);

    lblFielder = makeMarkers(Picture1->clientArea(), form::kMainMarkers, core_);
    txtGOBFile->setFocus();
}

// The widget of a row, kept under the control's own name.
QWidget* MainWindow::make(const form::Row& row) {
    const QString caption = qt(std::string(row.caption));
    const auto i = std::size_t(row.id.index);
    switch (row.id.control) {
    case Control::Label3: return Label3 = new QLabel(caption, this);
    case Control::Label1: return Label1.at(i) = new QLabel(caption, this);
    case Control::lblFileName: return lblFileName = new QLabel(caption, this);
    case Control::txtGOBFile: return txtGOBFile = new QLineEdit(this);
    case Control::txtX: return txtX.at(i) = new QLineEdit(this);
    case Control::txtZ: return txtZ.at(i) = new QLineEdit(this);
    case Control::txtNum: return txtNum.at(i) = new QLineEdit(this);
    case Control::cboFieldList: return cboFieldList = dropDownList(this);
    case Control::cboAnim: return cboAnim.at(i) = dropDownList(this);
    case Control::Picture1: return Picture1 = new GroundView(this);
    case Control::cmdGOBFile: return cmdGOBFile = new QPushButton(caption, this);
    case Control::cmdZoom: return cmdZoom = new QPushButton(caption, this);
    case Control::cmdSave: return cmdSave = new QPushButton(caption, this);
    case Control::cmdAbout: return cmdAbout = new QPushButton(caption, this);
    case Control::cmdImport: return cmdImport = new QPushButton(caption, this);
    case Control::cmdExport: return cmdExport = new QPushButton(caption, this);
    default: return new QWidget(this);
    }
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
}

// Qt tells the focus leaving one box before it tells it arriving in the next,
// as the handlers expect.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        passOnFocus(watched, event->type() == QEvent::FocusIn, static_cast<QFocusEvent*>(event)->reason());
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        if (watched == txtX[i] && event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) core_.txtX_KeyUp(i, key->key(), shiftMask(key->modifiers()));
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

// Only the focus moving from one control of the editor to another is lost
// and got: a message box, a dialog, a menu or another program taking it is
// not, and its coming back to the box that had it is no new arrival.
void MainWindow::passOnFocus(QObject* box, bool arriving, Qt::FocusReason reason) {
    const bool windowChange = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    if (windowChange && (!arriving || box == focusHolder_)) return;
    if (arriving && focusHolder_) tellFocus(std::exchange(focusHolder_, nullptr), false);
    focusHolder_ = arriving ? box : nullptr;
    tellFocus(box, arriving);
}

void MainWindow::tellFocus(QObject* box, bool arriving) {
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        if (box == txtX[i]) arriving ? core_.txtX_GotFocus(i) : core_.txtX_LostFocus(i);
        if (box == txtZ[i]) arriving ? core_.txtZ_GotFocus(i) : core_.txtZ_LostFocus(i);
        if (box == txtNum[i] && !arriving) core_.txtNum_LostFocus(i);
    }
}

// Each tool from the keyboard, and from the ground view's own menu.
void MainWindow::addFieldTools() {
    for (const form::ToolKey& key : form::toolKeys()) {
        const Qt::KeyboardModifiers held = Qt::ControlModifier | (key.shift ? Qt::ShiftModifier : Qt::NoModifier);
        const QKeySequence keys(QKeyCombination(held, Qt::Key(key.key)));
        // In the zoom window too: Ctrl+Z there takes back its drop.
        auto* on = new QShortcut(keys, key.groundViewOnly ? static_cast<QWidget*>(Picture1) : this, nullptr, nullptr,
                                 key.groundViewOnly ? Qt::WidgetShortcut : Qt::ApplicationShortcut);
        connect(on, &QShortcut::activated, this, [this, tool = key.tool] { core_.RunTool(tool); });
    }
    connect(Picture1, &GroundView::menuRequested, this, &MainWindow::showGroundMenu);
    setAcceptDrops(true);
}

// Where no marker stands: a press on a marker starts a drag, whatever the button.
void MainWindow::showGroundMenu(QPoint at) {
    QMenu menu(this);
    for (const form::MenuEntry& entry : form::groundMenu()) {
        if (entry.separatorBefore) menu.addSeparator();
        const ToolState state = core_.toolState(entry);
        QAction* action = menu.addAction(qt(state.label), [this, tool = entry.tool] { core_.RunTool(tool); });
        action->setShortcut(QKeySequence(qt(std::string(entry.keys))));
        action->setEnabled(state.enabled);
        action->setCheckable(entry.checkable);
        action->setChecked(state.checked);
    }
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

void MainWindow::setListEntry(ControlId id, int entry, const std::string& text) { list(id)->setItemText(entry, qt(text)); }

void MainWindow::setBackColor(ControlId id, StoredColour colour) {
    QWidget* control = id.control == Control::lblFielder ? static_cast<QWidget*>(lblFielder.at(std::size_t(id.index)))
                                                         : box(id);
    ringwright::setBackColor(*control, colour);
}

TwipsPoint MainWindow::markerPosition(int fielder) const { return lblFielder.at(std::size_t(fielder))->position(); }
// Every move of the main markers ends in setFieldInWords, which lays the
// captions out again.
void MainWindow::moveMarker(int fielder, TwipsPoint where) { lblFielder.at(std::size_t(fielder))->moveTo(where); }

WindowHandle MainWindow::windowHandle(ControlId id) const {
    return id.control == Control::Picture1 ? handleOf(Picture1->clientArea()) : handleOf(this);
}

TwipsPoint MainWindow::windowPosition() const { return twipsPointFromPixels(pos()); }

void MainWindow::setRingCount(const std::string& text) { Picture1->setRingCount(qt(text)); }

// Two lists and OK, from the keyboard all the way: Tab between them, the
// arrows within, Enter to place, Escape to leave the field as it was.
std::optional<std::pair<int, int>> MainWindow::choosePlacement(const std::vector<std::string>& fielders,
                                                               const std::vector<std::string>& positions, int fielder) {
    QDialog dialog(this);
    dialog.setWindowTitle("Place fielder");
    dialog.setWindowModality(Qt::ApplicationModal);  // the zoom window waits too
    auto* layout = new QFormLayout(&dialog);
    auto* who = new QComboBox(&dialog);
    auto* where = new QComboBox(&dialog);
    for (const std::string& entry : fielders) who->addItem(qt(entry));
    for (const std::string& entry : positions) where->addItem(qt(entry));
    who->setCurrentIndex(fielder);
    layout->addRow("&Fielder:", who);
    layout->addRow("&Position:", where);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    who->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return std::pair{who->currentIndex(), where->currentIndex()};
}

void MainWindow::setFieldInWords(const std::array<std::string, fielddata::kFielderCount>& names, const std::string& line,
                                 const std::string& warnings) {
    setCaptions(lblFielder, names, Qt::white, Picture1->contentsRect().width());  // on the grass
    Picture1->setFieldInWords(qt(line), qt(warnings));
}
bool MainWindow::saveGroundPicture(const std::string& path) { return Picture1->picture().save(qt(path), "PNG"); }
void MainWindow::copyGroundPicture() { QApplication::clipboard()->setPixmap(Picture1->picture()); }

ZoomWindow* MainWindow::zoom() const { return zoom_.data(); }
ZoomView* MainWindow::zoomWindow() { return zoom_.data(); }

ZoomView& MainWindow::loadZoomWindow() {
    zoom_ = new ZoomWindow(core_.zoom(), *this);
    return *zoom_;
}

AllFieldsView* MainWindow::allFieldsWindow() { return allFields_.data(); }

AllFieldsView& MainWindow::loadAllFieldsWindow() {
    if (!allFields_) {
        allFields_ = new AllFieldsWindow(core_);
        allFields_->setWindowIcon(windowIcon());
    }
    return *allFields_;
}

std::optional<std::string> MainWindow::askText(const std::string& caption, const std::string& prompt,
                                               const std::string& text) {
    bool ok = false;
    const QString typed = QInputDialog::getText(QApplication::activeWindow(), qt(caption), qt(prompt),
                                                QLineEdit::Normal, qt(text), &ok);
    if (!ok) return std::nullopt;
    return typed.toStdString();
}

void MainWindow::endProgram(int exitStatus) {
    if (zoom_) zoom_->hide();
    if (allFields_) allFields_->hide();
    QCoreApplication::exit(exitStatus);
}

}  // namespace ringwright
