#pragma once
// Text from a file, quoted in a message the player reads: control characters
// are shown as escapes, and a long run is cut, so a block full of NULs or a
// stray CR never turns a message into an unreadable box.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace fielddata {

constexpr std::size_t kQuotedCharacters = 40;

// Whether a C1 control (U+0080 to U+009F, which steer a terminal as ESC
// does) is encoded at byte `at` of `utf8`; it takes two bytes.
bool c1ControlAt(std::string_view utf8, std::size_t at);

// `utf8` in double quotes: NUL as \0, CR as \r, LF as \n, tab as \t, other
// control characters as \x1B; past 40 characters it ends in an ellipsis.
std::string quotedForMessage(std::string_view utf8);

// A path as messages show it (UTF-8), and a path from such text.
std::string displayPath(const std::filesystem::path& path);
std::filesystem::path pathFromUtf8(std::string_view text);

// The path in double quotes, for messages.
std::string quotedPath(const std::filesystem::path& path);

}  // namespace fielddata
