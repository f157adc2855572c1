#pragma once
// The dialog of "Place fielder...", from the program's resources: a fielder
// and a position, each from its list, then OK; the keyboard reaches it all.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ringwright::win32 {

std::optional<std::pair<int, int>> choosePlacement(HWND owner, const std::vector<std::string>& fielders,
                                                   const std::vector<std::string>& positions, int fielder);

}  // namespace ringwright::win32
