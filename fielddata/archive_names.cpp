#include "fielddata/archive_names.h"

#include "fielddata/message_text.h"

namespace fielddata {
namespace {

constexpr std::size_t kLongestArchiveName = 100;

std::string hexDigits(std::uint64_t value, int digits) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string text(std::size_t(digits), '0');
    for (int k = digits - 1; k >= 0; --k, value >>= 4) text[std::size_t(k)] = kHex[value & 0xF];
    return text;
}

// FNV-1a: a short, stable name for a long text.
std::uint64_t nameHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

}  // namespace

std::string fullArchivePath(FileSystem& fs, const std::filesystem::path& archive) {
    return displayPath(fs.fullPath(archive));
}

std::string archiveKey(FileSystem& fs, const std::filesystem::path& archive) {
    return shortenedName(displayPath(archive.filename()), kLongestArchiveName) + "-" +
           hexDigits(nameHash(fullArchivePath(fs, archive)), 16);
}

std::string shortenedName(std::string_view utf8, std::size_t maxBytes) {
    if (utf8.size() <= maxBytes) return std::string(utf8);
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
    return std::string(utf8.substr(0, cut)) + "~" + hexDigits(nameHash(utf8), 8);
}

}  // namespace fielddata
