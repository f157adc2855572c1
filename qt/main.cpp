#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/qt_platform.h"
#include "qt/main_window.h"

int main(int argc, char** argv) {
    // Answered before any display is asked for; nothing else is taken.
    if (argc > 1) {
        if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
            std::puts("Ringwright 1.0");
            return 0;
        }
        const bool help = argc == 2 && std::strcmp(argv[1], "--help") == 0;
        std::fputs("Usage: ringwright [--help | --version]\n"
                   "The editor of Longstopper's fields. Field.txt stands beside the program or in\n"
                   "~/.local/share/Ringwright; the archive's path comes from ~/.config/Longstopper.ini\n"
                   "or the Wine prefix's registry. See man ringwright.\n",
                   help ? stdout : stderr);
        return help ? 0 : 2;
    }
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
