#pragma once
// The platform as Windows itself provides it: the common file dialogs, message
// boxes, the user's part of the registry and pointer confinement, called
// directly. Window handles are the system's own.
#include <string>

#include "editor/platform.h"

namespace ringwright::win32 {

class Win32Platform : public Platform {
public:
    Win32Platform();  // for the module that started the process

    void initialiseCommonControls() override;
    int messageBox(const std::string& text, int style, const std::string& caption) override;
    std::optional<std::string> openFileDialog(const FileDialogRecord& record) override;
    std::optional<std::string> saveFileDialog(const FileDialogRecord& record) override;
    std::string readSetting(const std::string& application, const std::string& section, const std::string& key,
                            const std::string& fallback) override;
    std::filesystem::path userDataFolder() override;
    std::filesystem::path userConfigFolder() override;
    void copyText(const std::string& text) override;
    bool openFolder(const std::filesystem::path& folder) override;
    ScreenRect clientAreaOnScreen(WindowHandle window) override;
    void confinePointer(const ScreenRect& area) override;
    void freePointer() override;

private:
    std::optional<std::string> fileDialog(const FileDialogRecord& record, bool save);
    void* instance_;
};

}  // namespace ringwright::win32
