#include "platform/win32/ansi_text.h"

namespace ringwright::win32 {
namespace {

std::wstring toWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// UTF-8 takes no default character; for Windows-1252 `lossy` tells whether one
// was needed.
std::string fromWide(UINT codePage, std::wstring_view text, BOOL* lossy) {
    if (text.empty()) return {};
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), length, lossy ? "?" : nullptr, lossy);
    return bytes;
}

}  // namespace

std::wstring wideFromUtf8(std::string_view text) { return toWide(CP_UTF8, text); }

std::string utf8FromWide(std::wstring_view text) { return fromWide(CP_UTF8, text, nullptr); }

std::optional<std::string> ansiFromUtf8(std::string_view text) {
    BOOL lossy = FALSE;
    std::string bytes = fromWide(kAnsiCodePage, wideFromUtf8(text), &lossy);
    if (lossy) return std::nullopt;
    return bytes;
}

std::string utf8FromAnsi(std::string_view bytes) { return utf8FromWide(wideFromAnsi(bytes)); }

std::string ansiFromWideLossy(std::wstring_view text) {
    BOOL lossy = FALSE;
    return fromWide(kAnsiCodePage, text, &lossy);
}

std::wstring wideFromAnsi(std::string_view bytes) { return toWide(kAnsiCodePage, bytes); }

}  // namespace ringwright::win32
