#pragma once
// Field.txt: items separated by commas and line ends, every two items one
// record of list name and field offset. Record i belongs to list entry i.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fielddata/outcome.h"

namespace fielddata {

using FieldOffset = std::int32_t;  // 1-based byte position of a slot

struct CatalogueListing {
    std::vector<std::string> names;      // one per complete record, in file order
    std::optional<std::string> problem;  // why the listing stopped early, if it did
};

// A plain file: no folder, and on Windows neither hidden nor a system file.
bool isPlainFile(const std::filesystem::path& path);

// The whole catalogue, read afresh by every use.
Outcome<std::string> readCatalogueFile(const std::filesystem::path& path);

// The list names, read as text; the offsets are not looked at here.
CatalogueListing listCatalogueNames(std::string_view content);

// The offset of record `selectedIndex`, read up to that record only; nullopt
// when no record matches (no selection, or fewer records than entries).
// A record up to the match that cannot be read is a failure.
Outcome<std::optional<FieldOffset>> lookUpFieldOffset(std::string_view content, int selectedIndex);

}  // namespace fielddata
