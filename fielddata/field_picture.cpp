#include "fielddata/field_picture.h"

#include <vector>

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

// One chunk of a PNG: where it starts, its type and data, its CRC.
struct Chunk {
    std::size_t at;
    std::string_view typed;  // the type's four bytes, then the data
    std::uint32_t crc;
};

// The chunks in file order, up to the end or the first one cut short.
std::vector<Chunk> chunksOf(std::string_view png) {
    std::vector<Chunk> chunks;
    for (std::size_t at = kPngSignature.size(); isPng(png) && at + 12 <= png.size();) {
        const std::uint32_t length = bigEndian(png, at);
        if (length > png.size() - at - 12) break;
        chunks.push_back({at, png.substr(at + 4, 4 + length), bigEndian(png, at + 8 + length)});
        at += 12 + length;
    }
    return chunks;
}

// Keyword, NUL, no compression (flag and method 0), no language, no
// translated keyword; the text follows.
const std::string kChunkHead = std::string("iTXt") + std::string(kFieldChunkKeyword) + std::string(5, '\0');

}  // namespace

Outcome<std::string> withFieldChunk(std::string_view png, std::string_view block) {
    const auto chunks = chunksOf(png);
    if (chunks.empty() || !chunks.back().typed.starts_with("IEND"))
        return Failure{"the picture written has no end to put its field before"};
    const std::string typed = kChunkHead + utf8FromCp1252(block.substr(0, block.find('\0')));
    const std::size_t end = chunks.back().at;
    return std::string(png.substr(0, end)) + bigEndianBytes(std::uint32_t(typed.size() - 4)) + typed +
           bigEndianBytes(crc32(typed)) + std::string(png.substr(end));
}

Status addFieldToPicture(const std::filesystem::path& picture, std::string_view block) {
    auto& files = systemFileSystem();
    const auto png = readFileStart(files, picture, kLongestPicture);
    if (!png) return Failure{png.reason()};
    const auto carrying = withFieldChunk(png.value(), block);
    if (!carrying) return Failure{carrying.reason()};
    return replaceDurably(files, picture, carrying.value(), &picture);
}

Outcome<std::optional<std::string>> fieldOfPicture(std::string_view png) {
    for (const Chunk& chunk : chunksOf(png)) {
        if (!chunk.typed.starts_with(kChunkHead)) continue;
        const auto bytes = cp1252FromUtf8(chunk.typed.substr(kChunkHead.size()));
        if (crc32(chunk.typed) != chunk.crc || !bytes || bytes->size() > kWritableLength) return Failure{"damaged"};
        return std::optional<std::string>(paddedBlock(*bytes));
    }
    return std::optional<std::string>();
}

}  // namespace fielddata
