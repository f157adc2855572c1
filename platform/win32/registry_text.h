#pragma once
// A text value below the user's part of the registry, as the settings store
// keeps the game's settings.
#include <optional>
#include <string>

namespace ringwright::win32 {

// The value `name` under HKEY_CURRENT_USER\`subKey`, UTF-8; nothing for a
// missing key or value, or one of another type.
std::optional<std::string> readRegistryText(const std::string& subKey, const std::string& name);

}  // namespace ringwright::win32
