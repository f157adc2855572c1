#pragma once
// The archive the editor would open when none is named: the one Ringwright.ini
// beside the program names, else the path the game's configuration tool
// stored (the settings store; on Linux, failing that, the Wine prefix's
// registry).
#include <filesystem>
#include <optional>
#include <string>

namespace ringwright::cli {

struct StoredArchive {
    std::filesystem::path path;
    std::string from;  // where the path was found, for the player
};

std::optional<StoredArchive> storedArchive(const std::filesystem::path& programFolder);

}  // namespace ringwright::cli
