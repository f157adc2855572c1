#include "fielddata/save_journal.h"

#include <array>

#include "fielddata/archive_names.h"
#include "fielddata/message_text.h"
#include "fielddata/slot_layout.h"

namespace fielddata {
namespace {

constexpr std::string_view kMagic = "RWJRNL02";
constexpr std::string_view kOldMagic = "RWJRNL01";
constexpr std::size_t kHeaderLength = 8 + 4 + 16 + 4 + 4;
constexpr std::size_t kLongestPath = 1 << 16;

void putNumber(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes += char((value >> shift) & 0xFF);
}

void putLongNumber(std::string& bytes, std::uint64_t value) {
    putNumber(bytes, std::uint32_t(value));
    putNumber(bytes, std::uint32_t(value >> 32));
}

std::uint32_t numberAt(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(bytes[at + std::size_t(k)]);
    return value;
}

std::uint64_t longNumberAt(std::string_view bytes, std::size_t at) {
    return numberAt(bytes, at) | (std::uint64_t(numberAt(bytes, at + 4)) << 32);
}

}  // namespace

std::uint32_t crc32(std::string_view bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : bytes) crc = table[(crc ^ static_cast<unsigned char>(c)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::string encodeJournal(const JournalRecord& record) {
    std::string bytes(kMagic);
    putNumber(bytes, std::uint32_t(record.offset));
    putLongNumber(bytes, record.archive.volume);
    putLongNumber(bytes, record.archive.file);
    putNumber(bytes, std::uint32_t(record.archivePath.size()));
    putNumber(bytes, std::uint32_t(record.oldBytes.size()));
    bytes += record.archivePath;
    bytes += record.oldBytes;
    bytes += record.newBytes;
    putNumber(bytes, crc32(bytes));
    return bytes;
}

std::optional<JournalRecord> decodeJournal(std::string_view bytes) {
    if (bytes.size() < kHeaderLength + 4 || !bytes.starts_with(kMagic)) return std::nullopt;
    const std::size_t pathLength = numberAt(bytes, 28);
    const std::size_t slotLength = numberAt(bytes, 32);
    if (pathLength > kLongestPath || slotLength > kWritableLength ||
        bytes.size() != kHeaderLength + pathLength + 2 * slotLength + 4)
        return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - 4);
    if (crc32(body) != numberAt(bytes, body.size())) return std::nullopt;
    return JournalRecord{FieldOffset(numberAt(bytes, 8)),
                         {longNumberAt(bytes, 12), longNumberAt(bytes, 20)},
                         std::string(body.substr(kHeaderLength, pathLength)),
                         std::string(body.substr(kHeaderLength + pathLength, slotLength)),
                         std::string(body.substr(kHeaderLength + pathLength + slotLength, slotLength))};
}

bool isJournalOfOldFormat(std::string_view bytes) { return bytes.starts_with(kOldMagic); }

bool slotFitsJournal(std::string_view current, const JournalRecord& record) {
    if (current.size() != record.oldBytes.size() || current.size() != record.newBytes.size()) return false;
    for (std::size_t k = 0; k < current.size(); ++k)
        if (current[k] != record.oldBytes[k] && current[k] != record.newBytes[k]) return false;
    return true;
}

JournalPlaces journalPlacesFor(FileSystem& fs, const std::filesystem::path& archive, const std::filesystem::path& dataFolder) {
    JournalPlaces places;
    places.beside = pathFromUtf8(fullArchivePath(fs, archive) + ".ringwright-journal");
    if (!dataFolder.empty()) places.inDataFolder = dataFolder / "journals" / pathFromUtf8(archiveKey(fs, archive) + ".ringwright-journal");
    return places;
}

Outcome<std::filesystem::path> writeJournal(FileSystem& fs, const JournalPlaces& places, const JournalRecord& record) {
    const std::string bytes = encodeJournal(record);
    auto beside = createDurably(fs, places.beside, bytes);
    if (beside) return places.beside;
    if (places.inDataFolder.empty()) return Failure{beside.reason()};
    auto folder = makeFoldersDurably(fs, places.inDataFolder.parent_path());
    if (!folder) return Failure{folder.reason()};
    auto inDataFolder = createDurably(fs, places.inDataFolder, bytes);
    if (!inDataFolder) return Failure{inDataFolder.reason()};
    return places.inDataFolder;
}

Status clearJournal(FileSystem& fs, const std::filesystem::path& journal) {
    auto opened = fs.openExisting(journal, true);
    if (!opened) return Failure{opened.reason()};
    {
        OpenFile file(fs, opened.value(), journal);
        auto cleared = file.writeAt(0, std::string(kMagic.size(), '\0'));
        if (cleared) cleared = file.sync();
        if (cleared) cleared = file.close();
        if (!cleared) return cleared;
    }
    // A cleared journal that stays, or comes back, is discarded unread.
    if (fs.remove(journal)) (void)fs.syncFolder(journal.parent_path());
    return success();
}

}  // namespace fielddata
