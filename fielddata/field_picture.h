#pragma once
// A picture of the ground that carries its field: the PNG the editors save
// holds the field's text in a chunk of its own (iTXt, keyword "Ringwright
// field", uncompressed, the text as UTF-8 without its NUL fill), so the
// picture, shown anywhere, also imports as the field.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fielddata/outcome.h"

namespace fielddata {

inline constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";
inline constexpr std::string_view kFieldChunkKeyword = "Ringwright field";
// The largest picture read for the field it carries.
inline constexpr std::size_t kLongestPicture = std::size_t(64) << 20;

inline bool isPng(std::string_view bytes) { return bytes.starts_with(kPngSignature); }

// The PNG with the field's chunk just before its end; the block is the
// field text in the game's bytes. A PNG without its end is refused.
Outcome<std::string> withFieldChunk(std::string_view png, std::string_view block);

// The picture file written by a view, given its field in place; the file is
// replaced whole or not at all.
Status addFieldToPicture(const std::filesystem::path& picture, std::string_view block);

// The 2040-byte block the picture carries, NUL filled; nothing for a
// picture without the chunk, a failure for a damaged one.
Outcome<std::optional<std::string>> fieldOfPicture(std::string_view png);

}  // namespace fielddata
