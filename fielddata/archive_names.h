#pragma once
// Names that stand for one archive, whichever way the player reached it: its
// full path with every link resolved, and short file names made from it. Two
// copies of the game each have their own "Longstopper.gob"; these keep their
// journals and their kept originals apart.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "fielddata/file_system.h"

namespace fielddata {

// The archive's full path, links resolved, as UTF-8.
std::string fullArchivePath(FileSystem& fs, const std::filesystem::path& archive);

// "<file name>-<16 hex digits>": the digits a 64-bit FNV-1a hash of the full path.
std::string archiveKey(FileSystem& fs, const std::filesystem::path& archive);

// `utf8` when it has at most `maxBytes` bytes; otherwise cut on a character
// boundary and marked "~<8 hex digits>", a hash of the whole, so that any
// name fits a file system's 255 bytes.
std::string shortenedName(std::string_view utf8, std::size_t maxBytes);

}  // namespace fielddata
