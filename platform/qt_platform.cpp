#include "platform/qt_platform.h"

#include "fielddata/data_folder.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QClipboard>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "platform/qt_window_handle.h"
#include "platform/wine_registry.h"

namespace ringwright {
namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case style::kCritical: return QMessageBox::Critical;
    case style::kQuestion: return QMessageBox::Question;
    case style::kExclamation: return QMessageBox::Warning;
    case style::kInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    QList<QMessageBox::StandardButton> buttons;
};

ButtonSet buttonsOf(int style) {
    switch (style & 0x0F) {
    case 1: return {{QMessageBox::Ok, QMessageBox::Cancel}};
    case 2: return {{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}};
    case 3: return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}};
    case style::kYesNo: return {{QMessageBox::Yes, QMessageBox::No}};
    case 5: return {{QMessageBox::Retry, QMessageBox::Cancel}};
    default: return {{QMessageBox::Ok}};
    }
}

int answerOf(int pressed) {
    switch (pressed) {
    case QMessageBox::Ok: return answer::kOk;
    case QMessageBox::Cancel: return answer::kCancel;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return answer::kYes;
    case QMessageBox::No: return answer::kNo;
    default: return answer::kCancel;
    }
}

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }

// Qt reads a filter's patterns from its closing parentheses; a description
// that already ends in them is shown as it stands.
QString nameFilter(const std::string& shown, const std::string& patterns) {
    const QString description = qt(shown).trimmed();
    const QString pattern = qt(patterns);
    if (description.endsWith("(" + pattern + ")")) return description;
    return description + " (" + pattern + ")";
}

QStringList nameFilters(const FileDialogRecord& record) {
    QStringList filters{nameFilter(record.filterDescription, record.filterPattern)};
    for (const auto& [description, pattern] : record.moreFilters) filters << nameFilter(description, pattern);
    return filters;
}

// A message box whose lines stand as written. Qt folds a line it finds too
// wide for the screen each time the box is shown, so the fold is undone
// after the show and the box takes the size of its unfolded text.
class LinesAsWrittenBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        auto* label = findChild<QLabel*>("qt_msgbox_label");
        if (!label || !label->wordWrap()) return;
        label->setWordWrap(false);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout()->activate();
        setFixedSize(layout()->totalSizeHint());
    }
};

}  // namespace

QtPlatform::QtPlatform() { qApp->installEventFilter(this); }

QtPlatform::~QtPlatform() = default;

// Qt initialises its own controls.
void QtPlatform::initialiseCommonControls() {}

int QtPlatform::messageBox(const std::string& text, int style, const std::string& caption) {
    LinesAsWrittenBox box(iconOf(style), qt(caption), qt(text).replace("\r\n", "\n"), QMessageBox::NoButton,
                          QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    const ButtonSet set = buttonsOf(style);
    for (const auto button : set.buttons) box.addButton(button);
    const int defaultIndex = (style >> 8) & 0x3;
    box.setDefaultButton(set.buttons.value(defaultIndex, set.buttons.first()));
    return answerOf(box.exec());
}

std::optional<std::string> QtPlatform::fileDialog(const FileDialogRecord& record, bool save) {
    QFileDialog dialog(widgetOf(record.owner), qt(record.title));
    dialog.setNameFilters(nameFilters(record));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(record.flags & dialogflag::kFileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(record.flags & dialogflag::kOverwritePrompt));
    if (!record.fileName.empty()) dialog.selectFile(qt(record.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first().trimmed();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtPlatform::openFileDialog(const FileDialogRecord& record) {
    return fileDialog(record, false);
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialogRecord& record) {
    return fileDialog(record, true);
}

std::string QtPlatform::readSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& fallback) {
    const QSettings store(QSettings::IniFormat, QSettings::UserScope, qt(application));
    const QVariant value = store.value(qt(section) + "/" + qt(key));
    if (!value.isValid()) return wineSetting(application, section, key).value_or(fallback);
    // An unquoted comma makes the INI reader split the text; the value is
    // still one path.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(",").toStdString();
    return value.toString().toStdString();
}

// Players on Linux run the game under Wine, whose configuration tool keeps
// the path in the prefix's registry, as a Windows path.
std::optional<std::string> QtPlatform::wineSetting(const std::string& application, const std::string& section,
                                                   const std::string& key) {
    const auto path = winePathSetting(winePrefix(), settingsKeyPath(application, section), key);
    if (!path) return std::nullopt;
    return path->string();
}

// $XDG_DATA_HOME/Ringwright, by default ~/.local/share/Ringwright.
std::filesystem::path QtPlatform::userDataFolder() { return fielddata::defaultDataFolder(); }

// $XDG_CONFIG_HOME/Ringwright, by default ~/.config/Ringwright.
std::filesystem::path QtPlatform::userConfigFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) return {};
    return std::filesystem::path(folder.toStdString()) / "Ringwright";
}

void QtPlatform::copyText(const std::string& text) { QApplication::clipboard()->setText(QString::fromStdString(text)); }

#ifdef _WIN32
std::filesystem::path QtPlatform::secondCatalogueFolder() { return {}; }
#else
std::filesystem::path QtPlatform::secondCatalogueFolder() { return userDataFolder(); }
#endif

bool QtPlatform::openFolder(const std::filesystem::path& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
}

ScreenRect QtPlatform::clientAreaOnScreen(WindowHandle window) {
    const QWidget* widget = widgetOf(window);
    return widget ? clientAreaOnScreenOf(*widget) : ScreenRect{};
}

void QtPlatform::confinePointer(const ScreenRect& area) { confinement_ = area; }

void QtPlatform::freePointer() { confinement_.reset(); }

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
    if (confinement_ && event->type() == QEvent::MouseMove) {
        const QPoint at = QCursor::pos();
        const QPoint inside(std::clamp(at.x(), confinement_->left, confinement_->right - 1),
                            std::clamp(at.y(), confinement_->top, confinement_->bottom - 1));
        if (inside != at) {
            // The pointer goes back inside; the move it makes there follows.
            QCursor::setPos(inside);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ringwright
