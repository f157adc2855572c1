#include "platform/win32/win32_platform.h"

#include "editor/form.h"

#include <windows.h>
#include <commctrl.h>  // the common controls belong to the same system headers
#include <knownfolders.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/registry_text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/modal_blocking.h"

namespace ringwright::win32 {
namespace {

std::string hex(DWORD value) {
    char text[16];
    wsprintfA(text, "0x%04lX", value);
    return text;
}

}  // namespace

Win32Platform::Win32Platform() : instance_(GetModuleHandleW(nullptr)) {}

void Win32Platform::initialiseCommonControls() { InitCommonControls(); }

// The style values are the system's own.
int Win32Platform::messageBox(const std::string& text, int style, const std::string& caption) {
    const HWND owner = GetActiveWindow();
    const OtherWindowsDisabled blocked(owner);
    const int pressed = MessageBoxW(owner, wideFromUtf8(text).c_str(), wideFromUtf8(caption).c_str(),
                                    static_cast<UINT>(style));
    return pressed == 0 ? answer::kCancel : pressed;
}

std::optional<std::string> Win32Platform::fileDialog(const FileDialogRecord& values, bool save) {
    FileDialog dialog(values, static_cast<HINSTANCE>(instance_));
    BOOL chosen = FALSE;
    {
        const OtherWindowsDisabled blocked(dialog.record.hwndOwner);
        chosen = save ? GetSaveFileNameW(&dialog.record) : GetOpenFileNameW(&dialog.record);
    }
    if (!chosen) {
        // 0 with no error is the player's cancel; anything else is a failure.
        if (const DWORD error = CommDlgExtendedError())
            messageBox("The file dialog could not be shown (error " + hex(error) + ").", style::kCritical,
                       std::string(form::kMainTitle));
        return std::nullopt;
    }
    const std::string path = dialog.chosenFileName();
    if (path.empty()) return std::nullopt;
    return path;
}

std::optional<std::string> Win32Platform::openFileDialog(const FileDialogRecord& record) {
    return fileDialog(record, false);
}

std::optional<std::string> Win32Platform::saveFileDialog(const FileDialogRecord& record) {
    return fileDialog(record, true);
}

// Only a text value counts; a missing key or value, or one of another type,
// gives the fallback.
std::string Win32Platform::readSetting(const std::string& application, const std::string& section,
                                       const std::string& key, const std::string& fallback) {
    return readRegistryText(settingsKeyPath(application, section), key).value_or(fallback);
}

namespace {

// "Ringwright" in one of the system's known folders; empty without it.
std::filesystem::path ownFolderIn(REFKNOWNFOLDERID known) {
    PWSTR folder = nullptr;
    std::filesystem::path found;
    if (SUCCEEDED(SHGetKnownFolderPath(known, 0, nullptr, &folder))) found = std::filesystem::path(folder) / L"Ringwright";
    CoTaskMemFree(folder);
    return found;
}

}  // namespace

// %LOCALAPPDATA%\Ringwright: the user's own data, kept on this machine.
std::filesystem::path Win32Platform::userDataFolder() { return ownFolderIn(FOLDERID_LocalAppData); }

// %APPDATA%\Ringwright: the player's choices, roaming with the profile.
std::filesystem::path Win32Platform::userConfigFolder() { return ownFolderIn(FOLDERID_RoamingAppData); }

// Windows' own text format, each line ending in CR LF.
void Win32Platform::copyText(const std::string& text) {
    std::wstring wide;
    for (wchar_t c : wideFromUtf8(text)) wide += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!memory) return;
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    if (OpenClipboard(GetActiveWindow()) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory)) {
        CloseClipboard();
        return;
    }
    CloseClipboard();
    GlobalFree(memory);
}

// ShellExecute answers above 32 when a program took the folder.
bool Win32Platform::openFolder(const std::filesystem::path& folder) {
    return INT_PTR(ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

ScreenRect Win32Platform::clientAreaOnScreen(WindowHandle window) {
    const HWND handle = reinterpret_cast<HWND>(window);
    RECT area{};
    POINT origin{0, 0};
    if (!GetClientRect(handle, &area) || !ClientToScreen(handle, &origin)) return {};
    OffsetRect(&area, origin.x, origin.y);
    return {area.left, area.top, area.right, area.bottom};
}

// An empty area, as for a window that is gone, would pin the pointer to one
// point; it stays free instead.
void Win32Platform::confinePointer(const ScreenRect& area) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    const RECT rect{area.left, area.top, area.right, area.bottom};
    ClipCursor(&rect);
}

void Win32Platform::freePointer() { ClipCursor(nullptr); }

}  // namespace ringwright::win32
