#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "frm_main.h"
#ifdef _WIN32
#include "platform/win32/win32_platform.h"
#else
#include "platform/qt_platform.h"
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Only the views the pointer is confined to need native windows of their own.
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication app(argc, argv);
    ringwright::win32::Win32Platform platform;
#else
    QApplication app(argc, argv);
    ringwright::QtPlatform platform;
#endif
    ringwright::frmMain window(platform, std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String()));
    if (!window.Form_Load()) return 1;
    window.showCentred();
#ifdef RINGWRIGHT_QUIT_WHEN_SHOWN
    // The start-up benchmark's build: the window is shown, the field loaded.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
#endif
    return app.exec();
}
