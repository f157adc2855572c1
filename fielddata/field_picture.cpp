#include "fielddata/field_picture.h"

#include "fielddata/codepage.h"
#include "fielddata/file_system.h"
#include "fielddata/save_journal.h"
#include "fielddata/slot_layout.h"

namespace fielddata {
namespace {

std::uint32_t bigEndian(std::string_view bytes, std::size_t at) {
    return std::uint32_t(std::uint8_t(bytes[at])) << 24 | std::uint32_t(std::uint8_t(bytes[at + 1])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 8 | std::uint32_t(std::uint8_t(bytes[at + 3]));
}

std::string bigEndianBytes(std::uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

// Keyword, NUL, no compression (flag and method 0), no language, no
// translated keyword, then the text.
std::string chunkData(std::string_view text) {
    return std::string(kFieldChunkKeyword) + std::string(5, '\0') + std::string(text);
}

}  // namespace

Outcome<std::string> withFieldChunk(std::string_view png, std::string_view block) {
    const std::size_t end = png.rfind(std::string_view("IEND", 4));
    if (!isPng(png) || end == std::string_view::npos || end < 4 + kPngSignature.size())
        return Failure{"the picture written has no end to put its field before"};
    const std::string data = chunkData(utf8FromCp1252(block.substr(0, block.find('\0'))));
    const std::string typed = "iTXt" + data;
    const std::string chunk = bigEndianBytes(std::uint32_t(data.size())) + typed + bigEndianBytes(crc32(typed));
    std::string out(png.substr(0, end - 4));
    return out + chunk + std::string(png.substr(end - 4));
}

Status addFieldToPicture(const std::filesystem::path& picture, std::string_view block) {
    auto& files = systemFileSystem();
    const auto png = readFileStart(files, picture, std::size_t(64) << 20);
    if (!png) return Failure{png.reason()};
    const auto carrying = withFieldChunk(png.value(), block);
    if (!carrying) return Failure{carrying.reason()};
    return replaceDurably(files, picture, carrying.value(), &picture);
}

Outcome<std::string> fieldOfPicture(std::string_view png) {
    const std::string header = chunkData("").substr(0, kFieldChunkKeyword.size() + 5);
    for (std::size_t at = kPngSignature.size(); isPng(png) && at + 12 <= png.size();) {
        const std::uint32_t length = bigEndian(png, at);
        if (length > png.size() - at - 12) break;
        const std::string_view typed = png.substr(at + 4, 4 + length);
        if (typed.starts_with("iTXt") && typed.substr(4).starts_with(header)) {
            if (crc32(typed) != bigEndian(png, at + 8 + length)) return Failure{"its field is damaged"};
            const auto bytes = cp1252FromUtf8(typed.substr(4 + header.size()));
            if (!bytes || bytes->size() > kWritableLength) return Failure{"its field is damaged"};
            return paddedBlock(*bytes);
        }
        at += 12 + length;
    }
    return Failure{"it holds no field"};
}

}  // namespace fielddata
