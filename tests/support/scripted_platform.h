#pragma once
// The platform as a test or a benchmark plays it: every message, dialog and confinement is
// recorded in order, and the user's answers come from queues.
#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "editor/platform.h"

namespace ringwright::testing {

struct ShownMessage {
    std::string text;
    int style;
    std::string caption;
    bool operator==(const ShownMessage&) const = default;
    // How a failing test shows it.
    friend std::ostream& operator<<(std::ostream& out, const ShownMessage& shown) {
        return out << "{\"" << shown.text << "\", " << shown.style << ", \"" << shown.caption << "\"}";
    }
};

struct ShownDialog {
    bool save;
    FileDialogRecord record;
};

class ScriptedPlatform : public Platform {
public:
    std::vector<ShownMessage> messages;
    std::deque<int> messageAnswers;  // when empty: Yes for a question, OK otherwise
    std::vector<ShownDialog> dialogs;
    std::deque<std::optional<std::string>> dialogAnswers;  // when empty: cancelled
    std::map<std::string, std::string> settings;           // "application/section/key"
    std::vector<std::optional<ScreenRect>> confinements;   // nothing: the pointer was freed
    int commonControlsInitialised = 0;
    std::filesystem::path dataFolder;
    std::map<WindowHandle, ScreenRect> clientAreas;  // where each window's client area lies on the screen
    std::function<void()> whileMessageShown;          // what the box's taking the focus sets off

    void initialiseCommonControls() override { ++commonControlsInitialised; }

    int messageBox(const std::string& text, int style, const std::string& caption) override {
        messages.push_back({text, style, caption});
        if (whileMessageShown) whileMessageShown();
        if (messageAnswers.empty()) return (style & 0xF) == 4 ? answer::kYes : answer::kOk;  // Yes and No, or OK
        const int given = messageAnswers.front();
        messageAnswers.pop_front();
        return given;
    }

    std::optional<std::string> openFileDialog(const FileDialogRecord& record) override { return dialog(false, record); }
    std::optional<std::string> saveFileDialog(const FileDialogRecord& record) override { return dialog(true, record); }

    std::string readSetting(const std::string& application, const std::string& section, const std::string& key,
                            const std::string& fallback) override {
        const auto found = settings.find(application + "/" + section + "/" + key);
        return found == settings.end() ? fallback : found->second;
    }

    std::filesystem::path userDataFolder() override { return dataFolder; }
    std::filesystem::path configFolder;
    std::filesystem::path userConfigFolder() override { return configFolder; }
    std::vector<std::string> copiedTexts;
    void copyText(const std::string& text) override { copiedTexts.push_back(text); }
    std::vector<std::filesystem::path> openedFolders;
    std::filesystem::path catalogueFallback;
    std::filesystem::path secondCatalogueFolder() override { return catalogueFallback; }
    bool folderOpens = true;  // a file manager is there
    bool openFolder(const std::filesystem::path& folder) override {
        openedFolders.push_back(folder);
        return folderOpens;
    }
    ScreenRect clientAreaOnScreen(WindowHandle window) override { return clientAreas[window]; }
    void confinePointer(const ScreenRect& area) override { confinements.push_back(area); }
    void freePointer() override { confinements.push_back(std::nullopt); }

private:
    std::optional<std::string> dialog(bool save, const FileDialogRecord& record) {
        dialogs.push_back({save, record});
        if (dialogAnswers.empty()) return std::nullopt;
        auto given = dialogAnswers.front();
        dialogAnswers.pop_front();
        return given;
    }
};

}  // namespace ringwright::testing
