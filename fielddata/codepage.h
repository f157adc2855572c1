#pragma once
// Windows-1252, one byte per character, as the game's files are written.
// All 256 bytes decode to a character and encode back to the same byte, so a
// slot read and written again is unchanged byte for byte.
#include <optional>
#include <string>
#include <string_view>

namespace fielddata {

std::u32string decodeCp1252(std::string_view bytes);

// The position of the first character that has no Windows-1252 byte, if any.
std::optional<std::size_t> firstUnencodable(std::u32string_view text);

// Bytes for text that firstUnencodable accepts; nullopt otherwise.
std::optional<std::string> encodeCp1252(std::u32string_view text);

// Control texts and messages are UTF-8 throughout.
std::string utf8FromCp1252(std::string_view bytes);
std::string utf8FromCodePoints(std::u32string_view text);
// A malformed sequence becomes U+FFFD, which has no Windows-1252 byte.
std::u32string decodeUtf8(std::string_view utf8);

// The bytes of a control's text, or nothing when a character has no byte.
std::optional<std::string> cp1252FromUtf8(std::string_view utf8);

}  // namespace fielddata
