// Ringwright for Windows: the editor's behaviour in native windows.
#include <windows.h>

#include <objbase.h>

#include <filesystem>
#include <string>

#include "platform/win32/win32_platform.h"
#include "win32/main_window.h"

namespace {

// Field.txt is looked for beside the program.
std::filesystem::path programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The ground picture is decoded by the imaging component.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ringwright::win32::Win32Platform platform;
    ringwright::win32::MainWindow::registerClasses(instance);
    ringwright::win32::MainWindow window(instance, platform, programFolder());
    if (!window.core().Form_Load()) return 1;
    window.showCentred();
#ifdef RINGWRIGHT_QUIT_WHEN_SHOWN
    // The start-up benchmark's build: the window is shown, the field loaded.
    // The mark gives the moment by Wine's own clock.
    OutputDebugStringA("shown");
    PostQuitMessage(0);
#endif
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.isDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
