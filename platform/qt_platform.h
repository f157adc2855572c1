#pragma once
// The platform as Qt provides it on the desktops other than Windows, which
// has its own (platform/win32). The pointer is kept inside the confinement
// area by moving it back on every move that leaves it.
#include <QObject>
#include <optional>

#include "editor/platform.h"

namespace ringwright {

class QtPlatform : public QObject, public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

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
    std::filesystem::path secondCatalogueFolder() override;
    ScreenRect clientAreaOnScreen(WindowHandle window) override;
    void confinePointer(const ScreenRect& area) override;
    void freePointer() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<std::string> fileDialog(const FileDialogRecord& record, bool save);
    static std::optional<std::string> wineSetting(const std::string& application, const std::string& section,
                                                  const std::string& key);
    std::optional<ScreenRect> confinement_;
};

}  // namespace ringwright
