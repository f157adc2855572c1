// The main window: its controls from the layout table, the focus order, the
// start-up, About and the end. The field commands and the ground view's
// handlers stand in their own files.
#include "frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

#include "control_text.h"
#include "fonts.h"
#include "frm_zoom.h"
#include "ground_view.h"
#include "main_layout.h"
#include "stored_colour.h"

// The pictures live in the editor's library; a static library's resources
// are registered by hand.
static void registerPictures() { Q_INIT_RESOURCE(ringwright); }

namespace ringwright {
namespace ml = main_layout;
namespace {

QComboBox* dropDownList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    return list;
}

}  // namespace

frmMain::frmMain(Platform& platform, std::filesystem::path catalogueFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      platform_(platform),
      catalogueFolder_(std::move(catalogueFolder)) {
    // Form_Initialize: the common controls come before any control exists.
    platform_.initialiseCommonControls();
    registerPictures();
    setFont(windowFont());
    setWindowTitle(kTitle);
    setWindowIcon(QIcon(QPixmap(":/ringwright/icon.png", "PNG")));
    setFixedSize(pixelsFromTwips(ml::kClientWidth), pixelsFromTwips(ml::kClientHeight));
    createControls();
    layOutControls();
    setFocusOrder();
    connectHandlers();
}

frmMain::~frmMain() {
    abandonDrag();
    delete zoom_;
}

void frmMain::createControls() {
    Label3 = new QLabel("&GOB", this);
    txtGOBFile = new QLineEdit(this);
    Label3->setBuddy(txtGOBFile);
    cmdGOBFile = new QPushButton("...", this);
    QFont blackFont("Arial Black");
    blackFont.setPointSizeF(11.25);
    cmdGOBFile->setFont(blackFont);
    cmdGOBFile->setToolTip("Select GOB file");
    lblFileName = new QLabel(this);
    setBackColor(*lblFileName, colour::kPaleBlue);
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
        for (QLineEdit* box : {txtX[i], txtZ[i]}) {
            setBackColor(*box, colour::kWindowBackground);
            box->installEventFilter(this);
        }
        lblFielder[i] = new FielderMarker(i, Picture1->clientArea());
        lblFielder[i]->setFont(markerFont());
        setForeColor(*lblFielder[i], colour::kWhite);
        setBackColor(*lblFielder[i], colour::kRed);
    }
    cmdZoom = new QPushButton("&Zoom", this);
    cmdSave = new QPushButton("&Save", this);
    cmdAbout = new QPushButton("&About", this);
    cmdImport = new QPushButton("&Import", this);
    cmdExport = new QPushButton("&Export", this);
}

void frmMain::layOutControls() {
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
        lblFielder[i]->moveTo(ml::kMarkerLeft, ml::kMarkerTops[i]);
    }
    place(*cmdZoom, ml::kCmdZoom);
    place(*cmdSave, ml::kCmdSave);
    place(*cmdAbout, ml::kCmdAbout);
    place(*cmdImport, ml::kCmdImport);
    place(*cmdExport, ml::kCmdExport);
}

void frmMain::setFocusOrder() {
    QList<QWidget*> order{txtGOBFile, cmdGOBFile, cboFieldList};
    for (int i = 0; i < fielddata::kFielderCount; ++i) order << txtX[i] << txtZ[i] << cboAnim[i] << txtNum[i];
    order << cmdZoom << cmdSave << cmdImport << cmdExport << Picture1 << cmdAbout;
    for (qsizetype k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
    txtGOBFile->setFocus();
}

void frmMain::connectHandlers() {
    connect(cboFieldList, &QComboBox::activated, this, [this] { cboFieldList_Click(); });
    connect(cmdGOBFile, &QPushButton::clicked, this, [this] { cmdGOBFile_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(cmdImport, &QPushButton::clicked, this, [this] { cmdImport_Click(); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] { cmdAbout_Click(); });
    connect(cmdZoom, &QPushButton::clicked, this, [this] { cmdZoom_Click(); });
    for (FielderMarker* marker : lblFielder) {
        connect(marker, &FielderMarker::mouseDown, this, &frmMain::lblFielder_MouseDown);
        connect(marker, &FielderMarker::mouseMove, this, &frmMain::lblFielder_MouseMove);
        connect(marker, &FielderMarker::mouseUp, this, &frmMain::lblFielder_MouseUp);
    }
}

int frmMain::say(const std::string& text, int style, const std::string& caption) {
    return platform_.messageBox(text, style, caption);
}

std::filesystem::path frmMain::cataloguePath() const { return catalogueFolder_ / "Field.txt"; }

bool frmMain::Form_Load() {
    if (!fielddata::isPlainFile(cataloguePath())) {
        say("Unable to find Field.txt", style::kCritical, "Error");
        return false;
    }
    const auto catalogue = readCatalogue();
    if (!catalogue) return false;
    const fielddata::CatalogueListing listing = fielddata::listCatalogueNames(*catalogue);
    for (const std::string& name : listing.names) cboFieldList->addItem(textFromBytes(name));
    cboFieldList->setCurrentIndex(-1);
    if (listing.problem) say(*listing.problem, style::kExclamation);

    txtGOBFile->setText(QString::fromStdString(platform_.readSetting("Longstopper", "Tunebench", "GOB", "")));
    if (!txtGOBFile->text().isEmpty()) recoverUnfinishedSave();

    for (QComboBox* list : cboAnim) {
        for (const std::string_view name : fielddata::kAnimationNames)
            list->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
        list->setCurrentIndex(-1);
    }

    if (!txtGOBFile->text().isEmpty()) {
        if (cboFieldList->count() > 0) {
            cboFieldList->setCurrentIndex(0);
            cboFieldList_Click();
        } else if (!listing.problem) {
            say("Field.txt lists no fields, so there is no field to load.", style::kExclamation);
        }
    }
    return true;
}

void frmMain::showCentred() {
    const QRect screen = (this->screen() ? this->screen() : QApplication::primaryScreen())->availableGeometry();
    show();
    const QRect outer = frameGeometry();
    move(screen.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void frmMain::cmdAbout_Click() {
    say("Longstopper Ringwright version 1 by the Ringwright developers\tringwright@example.org\r\n"
        "\r\n"
        "Visit https://longstopper.example.com for the latest Longstopper news and downloads.\r\n"
        "https://ringwright.example.org",
        style::kInformation);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        if (watched == txtX[i]) {
            if (event->type() == QEvent::FocusIn) txtX_GotFocus(i);
            if (event->type() == QEvent::FocusOut) txtX_LostFocus(i);
            if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) txtX_KeyUp(i);
        } else if (watched == txtZ[i]) {
            if (event->type() == QEvent::FocusIn) txtZ_GotFocus(i);
            if (event->type() == QEvent::FocusOut) txtZ_LostFocus(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) abandonDrag();
    return QWidget::event(event);
}

// Closing the main window ends the program, the zoom window with it, and
// asks nothing.
void frmMain::closeEvent(QCloseEvent* event) {
    abandonDrag();
    if (zoom_) zoom_->hide();
    event->accept();
    QCoreApplication::quit();
}

}  // namespace ringwright
