#pragma once
// Text from a file, quoted in a message the player reads: control characters
// are shown as escapes, and a long run is cut, so a block full of NULs or a
// stray CR never turns a message into an unreadable box.
#include <cstddef>
#include <string>
#include <string_view>

namespace fielddata {

constexpr std::size_t kQuotedCharacters = 40;

// `utf8` in double quotes: NUL as \0, CR as \r, LF as \n, tab as \t, other
// control characters as \x1B; past 40 characters it ends in an ellipsis.
std::string quotedForMessage(std::string_view utf8);

}  // namespace fielddata
