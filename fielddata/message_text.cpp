#include "fielddata/message_text.h"

namespace fielddata {
namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string escaped(unsigned char byte) {
    constexpr char kHex[] = "0123456789ABCDEF";
    return std::string{'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
}

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
    return escaped(byte);
}

}  // namespace

bool c1ControlAt(std::string_view utf8, std::size_t at) {
    return at + 1 < utf8.size() && static_cast<unsigned char>(utf8[at]) == 0xC2 &&
           static_cast<unsigned char>(utf8[at + 1]) >= 0x80 && static_cast<unsigned char>(utf8[at + 1]) <= 0x9F;
}

std::string quotedForMessage(std::string_view utf8) {
    std::string quoted = "\"";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!isContinuationByte(utf8[i]) && characters++ == kQuotedCharacters) {
            quoted += "\xE2\x80\xA6";  // the ellipsis
            break;
        }
        if (c1ControlAt(utf8, i)) quoted += escaped(static_cast<unsigned char>(utf8[++i]));
        else quoted += visible(utf8[i]);
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

}  // namespace fielddata
