#pragma once
// The editor's dialogs, from the program's resources; the keyboard reaches
// all of each. "Place fielder...": a fielder and a position, each from its
// list, then OK.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ringwright::win32 {

std::optional<std::pair<int, int>> choosePlacement(HWND owner, const std::vector<std::string>& fielders,
                                                   const std::vector<std::string>& positions, int fielder);

// A line of text under its prompt, offered as `text` and selected; nothing
// when cancelled.
std::optional<std::string> askText(HWND owner, const std::string& caption, const std::string& prompt,
                                   const std::string& text);

}  // namespace ringwright::win32
