#include "cli/stored_archive.h"

#include <cstdlib>

#include "editor/platform.h"
#include "editor/portable_settings.h"
#include "fielddata/message_text.h"
#ifdef _WIN32
#include "platform/win32/registry_text.h"
#else
#include "platform/wine_registry.h"
#endif

namespace ringwright::cli {
namespace {

constexpr char kApplication[] = "Longstopper", kSection[] = "Tunebench", kKey[] = "GOB";

}  // namespace

std::optional<StoredArchive> storedArchive(const std::filesystem::path& programFolder) {
    if (const auto portable = portableArchivePath(programFolder))
        return StoredArchive{fielddata::pathFromUtf8(*portable), std::string(kPortableSettingsName) + " beside the program"};
#ifdef _WIN32
    if (const auto stored = win32::readRegistryText(settingsKeyPath(kApplication, kSection), kKey); stored && !stored->empty())
        return StoredArchive{fielddata::pathFromUtf8(*stored), "the game's settings"};
#else
    // Where the Qt editor's settings store keeps it: ~/.config/Longstopper.ini.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path folder = config && *config ? std::filesystem::path(config)
                                         : home && *home   ? std::filesystem::path(home) / ".config"
                                                           : std::filesystem::path();
    if (!folder.empty())
        if (const auto stored = iniValue(folder / "Longstopper.ini", kSection, kKey); stored && !stored->empty())
            return StoredArchive{fielddata::pathFromUtf8(*stored), "the game's settings"};
    const auto prefix = winePrefix();
    if (const auto path = winePathSetting(prefix, settingsKeyPath(kApplication, kSection), kKey))
        return StoredArchive{*path, "the game's settings in the Wine prefix " + fielddata::quotedPath(prefix)};
#endif
    return std::nullopt;
}

}  // namespace ringwright::cli
