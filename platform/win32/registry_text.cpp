#include "platform/win32/registry_text.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace ringwright::win32 {

// The wide call keeps a path whole whatever it holds, and a value that names
// a variable grows when expanded, so the buffer follows.
std::optional<std::string> readRegistryText(const std::string& subKey, const std::string& name) {
    const std::wstring key = wideFromUtf8(subKey), value = wideFromUtf8(name);
    std::vector<wchar_t> text(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        auto size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &size);
        if (status == ERROR_SUCCESS) return utf8FromWide(text.data());
        if (status != ERROR_MORE_DATA) return std::nullopt;
        text.assign(size / sizeof(wchar_t) + 1, L'\0');
    }
    return std::nullopt;
}

}  // namespace ringwright::win32
