#pragma once
// One place that registers the editor's window classes, all of which keep
// their state in the window's user data.
#include <windows.h>

namespace ringwright::win32 {

inline void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                                HBRUSH background = nullptr, HICON icon = nullptr) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hIcon = icon;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = background;
    type.lpszClassName = name;
    RegisterClassExW(&type);
}

}  // namespace ringwright::win32
