// The editor's start-up as the program runs it, ending as soon as the main
// window is shown with the first field loaded; measured beside bare_window.
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
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
