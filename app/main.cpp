#include <QApplication>
#include <filesystem>

#include "frm_main.h"
#include "platform/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ringwright::QtPlatform platform;
    ringwright::frmMain window(platform, std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String()));
    if (!window.Form_Load()) return 1;
    window.showCentred();
    return app.exec();
}
