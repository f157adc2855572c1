// Ringwright for Windows: the editor's behaviour in native windows.
#include <windows.h>

#include <objbase.h>

#include <filesystem>
#include <string>
#ifdef RINGWRIGHT_TIME_ALL_FIELDS
#include <psapi.h>

#include <cstdio>

#include "win32/control_ids.h"
#endif

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
#ifdef RINGWRIGHT_TIME_ALL_FIELDS
    // The benchmark's build: the window of all fields opened, its first cards
    // painted, then all of them; the times and the memory it took go to a
    // file beside the program, and the program ends.
    {
        LARGE_INTEGER frequency, start, now;
        QueryPerformanceFrequency(&frequency);
        const auto millis = [&] {
            QueryPerformanceCounter(&now);
            return double(now.QuadPart - start.QuadPart) * 1000 / double(frequency.QuadPart);
        };
        PROCESS_MEMORY_COUNTERS before{}, after{};
        GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
        QueryPerformanceCounter(&start);
        window.core().ShowAllFields();
        const HWND all = FindWindowW(ringwright::win32::kAllFieldsClass, nullptr);
        RedrawWindow(all, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const double first = millis();
        while (window.core().AllFields_Filling() && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
        RedrawWindow(all, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const double whole = millis();
        GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
        if (FILE* out = _wfopen((programFolder() / "all-fields-times.txt").c_str(), L"w")) {
            std::fprintf(out, "first %.1f ms, all %.1f ms, %.1f MiB\n", first, whole,
                         double(after.WorkingSetSize - before.WorkingSetSize) / 1048576);
            std::fclose(out);
        }
        return 0;
    }
#endif
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.isDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
