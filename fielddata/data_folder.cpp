#include "fielddata/data_folder.h"

#include <cstdlib>

namespace fielddata {

std::filesystem::path defaultDataFolder() {
#ifdef _WIN32
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    return local && *local ? std::filesystem::path(local) / L"Ringwright" : std::filesystem::path();
#else
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && std::filesystem::path(dataHome).is_absolute()) return std::filesystem::path(dataHome) / "Ringwright";
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return std::filesystem::path(home) / ".local" / "share" / "Ringwright";
#endif
}

}  // namespace fielddata
