#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "platform/qt_platform.h"
#include "qt/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ringwright::QtPlatform platform;
    ringwright::MainWindow window(platform,
                                  std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String()));
    if (!window.core().Form_Load()) return 1;
    window.showCentred();
#ifdef RINGWRIGHT_QUIT_WHEN_SHOWN
    // The start-up benchmark's build: the window is shown, the field loaded.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
#endif
    return app.exec();
}
