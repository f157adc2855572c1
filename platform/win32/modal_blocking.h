#pragma once
#include <windows.h>

#include <vector>

namespace ringwright::win32 {

// A message box or a dialog disables only its owner; every other window
// of the editor (the zoom window) is disabled with it for as long as it is
// shown, so nothing runs in the middle of the handler that opened it.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
        EnumThreadWindows(GetCurrentThreadId(), disable, reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled() {
        for (HWND window : disabled_)
            if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK disable(HWND window, LPARAM self) {
        auto& blocking = *reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != blocking.owner_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            blocking.disabled_.push_back(window);
        }
        return TRUE;
    }
    HWND owner_;
    std::vector<HWND> disabled_;
};

}  // namespace ringwright::win32
