#include "fielddata/save_journal.h"

#include <array>
#include <system_error>

#include "fielddata/archive_names.h"
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
    places.beside = pathFromUtf8(fullArchivePath(archive) + ".ringwright-journal");
    if (!dataFolder.empty()) places.inDataFolder = dataFolder / "journals" / pathFromUtf8(archiveKey(archive) + ".ringwright-journal");
    return places;
}

Outcome<std::filesystem::path> writeJournal(FileSystem& fs, const std::filesystem::path& archive,
                                            const std::filesystem::path& dataFolder, FieldOffset offset,
                                            std::string_view slotBytes) {
    const JournalPlaces places = journalPlacesFor(archive, dataFolder);
    const std::string bytes = encodeJournal({offset, fullArchivePath(archive), std::string(slotBytes)});
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

std::string describeRollback(const std::filesystem::path& archive, FieldOffset offset) {
    return "A save into " + quotedPath(archive) + " did not finish. The field at byte " + std::to_string(offset) +
           " has been put back as it was before that save.";
}

Recovery recoverUnfinishedSaveLocked(const std::filesystem::path& archive, const std::filesystem::path& dataFolder,
                                     FileSystem& fs) {
    Recovery recovery;
    const JournalPlaces places = journalPlacesFor(archive, dataFolder);
    for (const auto& place : {places.beside, places.inDataFolder}) {
        std::error_code error;
        if (place.empty() || !std::filesystem::is_regular_file(place, error)) continue;
        const auto bytes = readWholeFile(fs, place);
        if (!bytes) {
            recovery.problem = "An unfinished save into " + quotedPath(archive) + " left the journal " +
                               quotedPath(place) + ", which cannot be read: " + bytes.reason() +
                               " Until it can, Ringwright will not save into this GOB file.";
            return recovery;
        }
        const auto record = decodeJournal(bytes.value());
        if (!record) {
            // Cut off while it was written, or cleared by its commit: the
            // slot holds what it should.
            (void)fs.remove(place);
            continue;
        }
        // A journal in the data folder names its archive; beside, the place does.
        if (place == places.inDataFolder && record->archivePath != fullArchivePath(archive)) continue;
        const auto restored = writeSlotBytes(fs, archive, record->offset, record->slotBytes);
        if (!restored) {
            recovery.problem = "A save into " + quotedPath(archive) + " did not finish, and the field at byte " +
                               std::to_string(record->offset) + " could not be put back as it was: " +
                               restored.reason() + " Its old bytes stay in " + quotedPath(place) + ".";
            return recovery;
        }
        recovery.rolledBack = record->offset;
        if (const auto cleared = clearJournal(fs, place); !cleared)
            recovery.problem = "The journal " + quotedPath(place) + " of that save could not be removed: " + cleared.reason() +
                               " Until it is, Ringwright will not save into this GOB file, as the journal would "
                               "undo that save: make the folder writable, or close the program that holds the "
                               "journal, then try again.";
        return recovery;
    }
    return recovery;
}

Recovery recoverUnfinishedSave(const std::filesystem::path& archive, const std::filesystem::path& dataFolder,
                               FileSystem& fs, std::chrono::milliseconds lockPatience) {
    const JournalPlaces places = journalPlacesFor(archive, dataFolder);
    std::error_code error;
    const bool anyJournal = std::filesystem::is_regular_file(places.beside, error) ||
                            (!places.inDataFolder.empty() && std::filesystem::is_regular_file(places.inDataFolder, error));
    if (!anyJournal) return {};
    // A journal whose save still holds the lock is that save's, not a leftover.
    const auto lock = lockArchive(fs, archive, lockPatience);
    if (!lock) return Recovery{std::nullopt, lock.reason()};
    return recoverUnfinishedSaveLocked(archive, dataFolder, fs);
}

}  // namespace fielddata
