#pragma once
// Ringwright's own per-user folder, for the originals of saved-over fields
// and the journals that cannot stand beside their archive:
// $XDG_DATA_HOME/Ringwright (by default ~/.local/share/Ringwright), or on
// Windows %LOCALAPPDATA%\Ringwright. Empty when the system names none.
#include <filesystem>

namespace fielddata {

std::filesystem::path defaultDataFolder();

}  // namespace fielddata
