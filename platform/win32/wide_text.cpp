#include "platform/win32/wide_text.h"

#include <windows.h>

namespace ringwright::win32 {

std::wstring wideFromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string utf8FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string windowText(HWND window) {
    std::wstring text(64, L'\0');
    for (;;) {
        const std::size_t length = std::size_t(GetWindowTextW(window, text.data(), int(text.size())));
        if (length + 1 < text.size()) return utf8FromWide(std::wstring_view(text).substr(0, length));
        text.assign(std::size_t(GetWindowTextLengthW(window)) + 64, L'\0');
    }
}

}  // namespace ringwright::win32
