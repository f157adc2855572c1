#pragma once
// The rollback journal of a save. Before a slot is written, its bytes as they
// were go into a journal that is on the disk before the first byte of the
// slot changes; removing the journal commits the save. A journal found later
// belongs to a save that never committed, and puts the slot back.
//
// Format, every number little-endian:
//   8 bytes   "RWJRNL01"
//   4 bytes   the field offset, signed
//   4 bytes   P, the length of the archive's full path
//   4 bytes   N, the number of slot bytes kept (2040)
//   P bytes   the archive's full path, UTF-8
//   N bytes   the slot's bytes before the save
//   4 bytes   CRC-32 (as zlib computes it) of everything before it
// A journal that is short or fails its checksum was cut off while it was
// written, before the slot was touched, and is discarded. The commit clears
// the header before it removes the file, so a journal that a power cut brings
// back after its removal is discarded too, never applied over a newer save.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fielddata/archive_lock.h"
#include "fielddata/catalogue.h"
#include "fielddata/file_system.h"

namespace fielddata {

struct JournalRecord {
    FieldOffset offset = 0;
    std::string archivePath;  // UTF-8, as the save named the archive
    std::string slotBytes;
    bool operator==(const JournalRecord&) const = default;
};

std::string encodeJournal(const JournalRecord& record);
std::optional<JournalRecord> decodeJournal(std::string_view bytes);

std::uint32_t crc32(std::string_view bytes);

// Where an archive's journal may stand: beside the archive (the file itself,
// not a link to it), or, when that folder cannot be written, in the per-user
// data folder as journals/<archive key>.ringwright-journal.
struct JournalPlaces {
    std::filesystem::path beside;
    std::filesystem::path inDataFolder;  // empty without a data folder
};
JournalPlaces journalPlacesFor(const std::filesystem::path& archive, const std::filesystem::path& dataFolder);

// Writes the journal of a save of the slot at `offset`, whose bytes before
// the save are `slotBytes`, in the first place that takes it; the place used.
Outcome<std::filesystem::path> writeJournal(FileSystem& fs, const std::filesystem::path& archive,
                                            const std::filesystem::path& dataFolder, FieldOffset offset,
                                            std::string_view slotBytes);

// The commit: the journal's header is overwritten and brought onto the disk,
// so it can never again be taken for an unfinished save; then the file is
// removed, which is only tidying.
Status clearJournal(FileSystem& fs, const std::filesystem::path& journal);

// Writes `bytes` at the 1-based `offset` of the archive and syncs it.
Status writeSlotBytes(FileSystem& fs, const std::filesystem::path& archive, FieldOffset offset,
                      std::string_view bytes);

// What looking for an unfinished save found.
struct Recovery {
    std::optional<FieldOffset> rolledBack;  // the slot put back as it was
    // Why no save into the archive may happen yet: the archive is busy, or a
    // journal could not be applied or cleared (it is kept, and would undo a
    // newer save at the next start).
    std::optional<std::string> problem;
};

// "A save into "…" did not finish. The field at byte N has been put back as it was before that save."
std::string describeRollback(const std::filesystem::path& archive, FieldOffset offset);

// Puts back the slot of a save into `archive` that never committed, holding
// the archive's lock meanwhile.
Recovery recoverUnfinishedSave(const std::filesystem::path& archive, const std::filesystem::path& dataFolder,
                               FileSystem& fs = systemFileSystem(),
                               std::chrono::milliseconds lockPatience = kLockPatience);

// The same, for a caller that holds the lock already.
Recovery recoverUnfinishedSaveLocked(const std::filesystem::path& archive, const std::filesystem::path& dataFolder,
                                     FileSystem& fs);

}  // namespace fielddata
