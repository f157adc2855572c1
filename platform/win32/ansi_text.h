#pragma once
// Text as it crosses into the system's "A" calls: one byte per character in
// Windows-1252, the page the game and its files use. The editor itself
// speaks UTF-8, and the wide forms name files exactly.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace ringwright::win32 {

constexpr UINT kAnsiCodePage = 1252;

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

// The Windows-1252 bytes of a text, or nothing when one of its characters has
// no byte there.
std::optional<std::string> ansiFromUtf8(std::string_view text);
std::string utf8FromAnsi(std::string_view bytes);

// As the system hands a wide name to an "A" caller: a character that has no
// byte becomes '?', which no file name can hold.
std::string ansiFromWideLossy(std::wstring_view text);
std::wstring wideFromAnsi(std::string_view bytes);

}  // namespace ringwright::win32
