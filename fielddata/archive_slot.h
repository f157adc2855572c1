#pragma once
// A field's slot in the game's archive: 2048 bytes at a 1-based offset, of
// which a save writes the first 2040 in place. Nothing else of the archive,
// nor its length, ever changes.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "fielddata/catalogue.h"
#include "fielddata/outcome.h"

namespace fielddata {

constexpr std::size_t kSlotLength = 2048;
constexpr std::size_t kWritableLength = 2040;

Outcome<std::string> readFieldSlot(const std::filesystem::path& archive, FieldOffset offset);

// `block` of at most 2040 bytes, then NUL fill up to 2040 bytes; flushed and
// closed before success is reported.
Status writeFieldSlot(const std::filesystem::path& archive, FieldOffset offset, std::string_view block);

// The block with NUL fill up to 2040 bytes, as slots and exchange files hold it.
std::string paddedBlock(std::string_view block);

// A path as messages show it (UTF-8).
std::string displayPath(const std::filesystem::path& path);

// The path in double quotes, for messages.
std::string quotedPath(const std::filesystem::path& path);

// A reason that names the path and what the system said.
std::string describeFileError(std::string_view what, const std::filesystem::path& path);

}  // namespace fielddata
