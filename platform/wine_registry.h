#pragma once
// A game run under Wine keeps its settings in the prefix's registry: the
// user's part is the text file user.reg. Read only, and a file that cannot
// be understood gives nothing rather than a guess.
#include <filesystem>
#include <optional>
#include <string>

namespace ringwright {

// The prefix Wine uses: $WINEPREFIX, by default ~/.wine.
std::filesystem::path winePrefix();

// The text value `name` under `key` (below HKEY_CURRENT_USER, as
// "Software\\Section\\Key") in `prefix`/user.reg, UTF-8.
std::optional<std::string> readWineSetting(const std::filesystem::path& prefix, const std::string& key,
                                           const std::string& name);

// A Windows path ("C:\\Games\\a.gob") as the prefix's drive links
// (dosdevices/c:) lead to it on this system, each part matched regardless
// of letter case as Wine matches it.
std::optional<std::filesystem::path> linuxPathOf(const std::filesystem::path& prefix, const std::string& windowsPath);

// The Windows path a program under Wine keeps as `name` under `key`, where it
// leads on this system; nothing when it is not kept or leads nowhere.
std::optional<std::filesystem::path> winePathSetting(const std::filesystem::path& prefix, const std::string& key,
                                                     const std::string& name);

}  // namespace ringwright
