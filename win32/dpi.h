#pragma once
// The DPI a window is shown at. Windows 10 (1607) gives each window its own;
// Windows 7 to 8.1 have one for the whole screen. The newer calls are looked
// up when the program runs, so the program still starts on the older ones.
#include <windows.h>

namespace ringwright::win32 {

// The window's DPI; the screen's without a window or a newer Windows.
UINT dpiOf(HWND window);

// The window's outer size for a client area at this DPI.
SIZE outerSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace ringwright::win32
