#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "frm_main.h"
#include "platform/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ringwright::QtPlatform platform;
    ringwright::frmMain window(platform, std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String()));
    if (!window.Form_Load()) return 1;
    window.showCentred();
#ifdef RINGWRIGHT_QUIT_WHEN_SHOWN
    // The start-up benchmark's build: the window is shown, the field loaded.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
#endif
    return app.exec();
}
