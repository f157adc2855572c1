#pragma once
// The player's own choices, kept from one run to the next in Ringwright's
// settings file in the per-user configuration folder (never the game's):
//   [Ringwright]
//   PositionNames=0
//   [Longstopper.gob-0123456789abcdef]
//   Striker=top
//   Off=left
// A section of its own per archive, named as its originals' folder is.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fielddata/outcome.h"

namespace ringwright {

inline constexpr char kPlayerChoicesName[] = "settings.ini";

class PlayerChoices {
public:
    // Read once; a missing or unreadable file holds no choice.
    explicit PlayerChoices(std::filesystem::path file);

    std::optional<std::string> get(const std::string& section, const std::string& key) const;
    // Kept at once: the file is replaced whole or not at all.
    fielddata::Status set(const std::string& section, const std::string& key, const std::string& value);

private:
    using Section = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;
    std::filesystem::path file_;
    std::vector<Section> sections_;
};

}  // namespace ringwright
