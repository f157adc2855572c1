#include "fielddata/message_text.h"

#include <cerrno>
#include <cstring>

namespace fielddata {
namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string visible(char c) {
    switch (c) {
    case '\0': return "\\0";
    case '\r': return "\\r";
    case '\n': return "\\n";
    case '\t': return "\\t";
    default: break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) return std::string(1, c);
    constexpr char kHex[] = "0123456789ABCDEF";
    return std::string{'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
}

}  // namespace

std::string quotedForMessage(std::string_view utf8) {
    std::string quoted = "\"";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!isContinuationByte(utf8[i]) && characters++ == kQuotedCharacters) {
            quoted += "\xE2\x80\xA6";  // the ellipsis
            break;
        }
        quoted += visible(utf8[i]);
    }
    return quoted + '"';
}

std::string displayPath(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string quotedPath(const std::filesystem::path& path) {
    std::string text = "\"";
    text += displayPath(path);
    text += '"';
    return text;
}

std::string describeFileError(std::string_view what, const std::filesystem::path& path) {
    std::string reason = std::string(what) + " " + quotedPath(path);
    if (errno != 0) reason += ": " + std::string(std::strerror(errno));
    return reason + ".";
}

}  // namespace fielddata
