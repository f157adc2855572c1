#include "fielddata/save_journal.h"

#include <array>
#include <system_error>

#include "fielddata/archive_slot.h"

namespace fielddata {
namespace {

constexpr std::string_view kMagic = "RWJRNL01";
constexpr std::size_t kHeaderLength = 8 + 4 + 4 + 4;
constexpr std::size_t kLongestJournal = 1 << 20;

void putNumber(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes += char((value >> shift) & 0xFF);
}

std::uint32_t numberAt(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(bytes[at + std::size_t(k)]);
    return value;
}

// The archive as one name, whichever way the player reached it.
std::string fullPathOf(const std::filesystem::path& archive) {
    std::error_code error;
    auto full = std::filesystem::weakly_canonical(archive, error);
    if (error) full = std::filesystem::absolute(archive, error);
    return displayPath(error ? archive : full);
}

std::string hex64(std::uint64_t value) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int k = 15; k >= 0; --k, value >>= 4) text[std::size_t(k)] = kHex[value & 0xF];
    return text;
}

// FNV-1a: a short, stable name for a long path.
std::uint64_t nameHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

Outcome<std::string> readWholeFile(FileSystem& fs, const std::filesystem::path& path) {
    auto opened = fs.openExisting(path, false);
    if (!opened) return Failure{opened.reason()};
    OpenFile file(fs, opened.value(), path);
    return file.readAt(0, kLongestJournal);
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
    putNumber(bytes, std::uint32_t(record.archivePath.size()));
    putNumber(bytes, std::uint32_t(record.slotBytes.size()));
    bytes += record.archivePath;
    bytes += record.slotBytes;
    putNumber(bytes, crc32(bytes));
    return bytes;
}

std::optional<JournalRecord> decodeJournal(std::string_view bytes) {
    if (bytes.size() < kHeaderLength + 4 || !bytes.starts_with(kMagic)) return std::nullopt;
    const std::size_t pathLength = numberAt(bytes, 12);
    const std::size_t slotLength = numberAt(bytes, 16);
    if (pathLength > kLongestJournal || slotLength > kWritableLength ||
        bytes.size() != kHeaderLength + pathLength + slotLength + 4)
        return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - 4);
    if (crc32(body) != numberAt(bytes, body.size())) return std::nullopt;
    return JournalRecord{FieldOffset(numberAt(bytes, 8)), std::string(body.substr(kHeaderLength, pathLength)),
                         std::string(body.substr(kHeaderLength + pathLength, slotLength))};
}

JournalPlaces journalPlacesFor(const std::filesystem::path& archive, const std::filesystem::path& dataFolder) {
    JournalPlaces places;
    places.beside = archive;
    places.beside += ".ringwright-journal";
    if (!dataFolder.empty()) {
        const std::string full = fullPathOf(archive);
        places.inDataFolder = dataFolder / "journals" / archive.filename();
        places.inDataFolder += "-" + hex64(nameHash(full)) + ".ringwright-journal";
    }
    return places;
}

Outcome<std::filesystem::path> writeJournal(FileSystem& fs, const std::filesystem::path& archive,
                                            const std::filesystem::path& dataFolder, FieldOffset offset,
                                            std::string_view slotBytes) {
    const JournalPlaces places = journalPlacesFor(archive, dataFolder);
    const std::string bytes = encodeJournal({offset, fullPathOf(archive), std::string(slotBytes)});
    auto beside = createDurably(fs, places.beside, bytes);
    if (beside) return places.beside;
    if (places.inDataFolder.empty()) return Failure{beside.reason()};
    std::error_code ignored;
    std::filesystem::create_directories(places.inDataFolder.parent_path(), ignored);
    auto inDataFolder = createDurably(fs, places.inDataFolder, bytes);
    if (!inDataFolder) return Failure{inDataFolder.reason()};
    return places.inDataFolder;
}

Status writeSlotBytes(FileSystem& fs, const std::filesystem::path& archive, FieldOffset offset,
                      std::string_view bytes) {
    const auto checked = checkSlotInArchive(archive, offset);
    if (!checked) return Failure{checked.reason()};
    auto opened = fs.openExisting(archive, true);
    if (!opened) return Failure{opened.reason()};
    OpenFile file(fs, opened.value(), archive);
    auto written = file.writeAt(std::uint64_t(offset) - 1, bytes);
    if (written) written = file.sync();
    if (written) written = file.close();
    return written;
}

Recovery recoverUnfinishedSave(const std::filesystem::path& archive, const std::filesystem::path& dataFolder,
                               FileSystem& fs) {
    Recovery recovery;
    const JournalPlaces places = journalPlacesFor(archive, dataFolder);
    for (const auto& place : {places.beside, places.inDataFolder}) {
        std::error_code error;
        if (place.empty() || !std::filesystem::is_regular_file(place, error)) continue;
        const auto bytes = readWholeFile(fs, place);
        if (!bytes) {
            recovery.problem = "An unfinished save into " + quotedPath(archive) + " left the journal " +
                               quotedPath(place) + ", which cannot be read: " + bytes.reason();
            return recovery;
        }
        const auto record = decodeJournal(bytes.value());
        if (!record) {
            // Cut off while it was written: the slot was never touched.
            (void)fs.remove(place);
            continue;
        }
        // A journal in the data folder names its archive; beside, the place does.
        if (place == places.inDataFolder && record->archivePath != fullPathOf(archive)) continue;
        auto restored = writeSlotBytes(fs, archive, record->offset, record->slotBytes);
        if (restored) restored = fs.remove(place);
        if (restored) restored = fs.syncFolder(place.parent_path());
        if (!restored) {
            recovery.problem = "A save into " + quotedPath(archive) + " did not finish, and the field at byte " +
                               std::to_string(record->offset) + " could not be put back as it was: " +
                               restored.reason() + " Its old bytes stay in " + quotedPath(place) + ".";
            return recovery;
        }
        recovery.rolledBack = record->offset;
        return recovery;
    }
    return recovery;
}

}  // namespace fielddata
