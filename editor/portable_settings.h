#pragma once
// Settings that travel with the program. A file Ringwright.ini beside it
// names the archive in the place of the path the game's configuration tool
// stored, so a copy on a stick, or the demo, opens its own archive on any
// machine and never the game's:
//   [Ringwright]
//   GOB=Longstopper.gob
// A relative path is taken from the program's folder.
#include <filesystem>
#include <optional>
#include <string>

namespace ringwright {

inline constexpr char kPortableSettingsName[] = "Ringwright.ini";

// The text of `key` in `section` of the INI file `file`, letter case aside,
// without its quotes; nothing when no such file, section or key is there.
std::optional<std::string> iniValue(const std::filesystem::path& file, const std::string& section, const std::string& key);

// The archive's full path (UTF-8), or nothing when no such file, section or
// key is there.
std::optional<std::string> portableArchivePath(const std::filesystem::path& programFolder);

}  // namespace ringwright
