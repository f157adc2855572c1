#pragma once
// The operating system as the editor needs it: message boxes, file dialogs,
// the per-user settings store and pointer confinement. The window reaches
// the system only through this door, so tests can answer for the user.
// No Qt here: the Windows implementation builds against <windows.h> alone.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ringwright {

// Message box style values as the system defines them.
namespace style {
constexpr int kOkOnly = 0;
constexpr int kYesNo = 4;
constexpr int kCritical = 16;
constexpr int kQuestion = 32;
constexpr int kExclamation = 48;
constexpr int kInformation = 64;
constexpr int kDefaultButton2 = 256;
}  // namespace style

// Buttons a message box reports.
namespace answer {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kYes = 6;
constexpr int kNo = 7;
}  // namespace answer

// File dialog flags as the system defines them.
namespace dialogflag {
constexpr unsigned kOverwritePrompt = 0x2;
constexpr unsigned kHideReadOnly = 0x4;
constexpr unsigned kFileMustExist = 0x1000;
}  // namespace dialogflag

using WindowHandle = std::uintptr_t;  // the system's handle of a window

// Where the settings store keeps a section of an application's settings,
// below the user's part of the registry (on Windows, and in a Wine prefix).
inline std::string settingsKeyPath(const std::string& application, const std::string& section) {
    return "Software\\VB and VBA Program Settings\\" + application + "\\" + section;
}

// What the editor puts into a file dialog. Texts are UTF-8; `fileName` is the
// offered name without the blanks that pad it in the system's buffer.
struct FileDialogRecord {
    std::string filterDescription;
    std::string filterPattern;
    std::string fileName;
    std::string title;
    unsigned flags = 0;
    WindowHandle owner = 0;
    // Filters offered after the first: description and pattern.
    std::vector<std::pair<std::string, std::string>> moreFilters = {};
    bool operator==(const FileDialogRecord&) const = default;
};

// Screen pixels, right and bottom exclusive, as the system's rectangles are.
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenRect&) const = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual void initialiseCommonControls() = 0;

    // Waits until the user closes the box; returns the button pressed.
    virtual int messageBox(const std::string& text, int style, const std::string& caption) = 0;

    // The chosen path, trimmed of blanks, or nothing when cancelled.
    virtual std::optional<std::string> openFileDialog(const FileDialogRecord& record) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRecord& record) = 0;

    // The stored text, or `fallback` when application, section or key is missing.
    virtual std::string readSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& fallback) = 0;

    // The per-user folder for the editor's own files (save journals that
    // cannot stand beside the archive, the backups of original fields):
    // "Ringwright" in the system's place for such data; empty when there is none.
    virtual std::filesystem::path userDataFolder() = 0;
    // The per-user folder for the player's own choices: "Ringwright" in the
    // system's place for settings; empty when there is none.
    virtual std::filesystem::path userConfigFolder() = 0;
    // Plain text on the clipboard, lines ending in "\n".
    virtual void copyText(const std::string& text) = 0;

    // Where Field.txt is looked for when none stands beside the program: an
    // editor installed on Linux finds it in its per-user data folder.
    virtual std::filesystem::path secondCatalogueFolder() { return {}; }
    // Shows a folder in the desktop's file manager; false when no program
    // could open it.
    virtual bool openFolder(const std::filesystem::path& folder) = 0;

    // The client rectangle of a window, moved to screen coordinates: its
    // client origin on the screen offsets the rectangle.
    virtual ScreenRect clientAreaOnScreen(WindowHandle window) = 0;
    virtual void confinePointer(const ScreenRect& area) = 0;
    virtual void freePointer() = 0;
};

}  // namespace ringwright
