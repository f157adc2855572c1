#include "win32/dpi.h"

namespace ringwright::win32 {
namespace {

// A function of user32 that this Windows may lack: null when it has none.
template <class Function>
Function userFunction(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

UINT screenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : 96;
}

}  // namespace

UINT dpiOf(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = userFunction<DpiForWindow>("GetDpiForWindow");
    if (window && dpiForWindow)
        if (const UINT dpi = dpiForWindow(window)) return dpi;
    return screenDpi();
}

SIZE outerSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = userFunction<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT area{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&area, style, FALSE, exStyle, dpi)) AdjustWindowRectEx(&area, style, FALSE, exStyle);
    return {area.right - area.left, area.bottom - area.top};
}

}  // namespace ringwright::win32
