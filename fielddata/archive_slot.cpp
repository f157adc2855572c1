#include "fielddata/archive_slot.h"

#include "fielddata/backups.h"
#include "fielddata/save_journal.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace fielddata {

// Refusals shared by read and write: the archive must be an existing file and
// hold the whole slot, so neither a read nor a write ever leaves the archive.
Status checkSlotInArchive(const std::filesystem::path& archive, FieldOffset offset) {
    if (archive.empty()) return Failure{"No GOB file has been chosen."};
    // The catalogue refuses offsets below 1, so only a start with no lookup yet gets here.
    if (offset < 1) return Failure{"No field has been looked up in Field.txt yet, so there is no slot to use."};
    std::error_code error;
    const auto status = std::filesystem::status(archive, error);
    if (!std::filesystem::exists(status))
        return Failure{"The GOB file " + quotedPath(archive) + " does not exist."};
    if (!std::filesystem::is_regular_file(status))
        return Failure{quotedPath(archive) + " is not a file."};
    const auto size = std::filesystem::file_size(archive, error);
    if (error) return Failure{describeFileError("Cannot read the size of", archive)};
    if (std::uintmax_t(offset) - 1 + kSlotLength > size)
        return Failure{"The field slot at byte " + std::to_string(offset) + " runs past the end of " +
                       quotedPath(archive) + ", which holds " + std::to_string(size) + " bytes."};
    return success();
}

std::string paddedBlock(std::string_view block) {
    std::string bytes(block);
    if (bytes.size() < kWritableLength) bytes.resize(kWritableLength, '\0');
    return bytes;
}

Outcome<std::string> readFieldSlot(const std::filesystem::path& archive, FieldOffset offset) {
    const auto checked = checkSlotInArchive(archive, offset);
    if (!checked) return Failure{checked.reason()};
    errno = 0;
    std::ifstream file(archive, std::ios::binary);
    if (!file) return Failure{describeFileError("Cannot open", archive)};
    std::string slot(kSlotLength, '\0');
    file.seekg(std::streamoff(offset) - 1);
    file.read(slot.data(), std::streamsize(slot.size()));
    if (!file || file.gcount() != std::streamsize(kSlotLength))
        return Failure{describeFileError("Cannot read the field slot from", archive)};
    return slot;
}

namespace {

Failure unchanged(const std::string& reason) {
    return Failure{"The field was not saved. " + reason + " The field in the GOB file is unchanged."};
}

}  // namespace

Status writeFieldSlot(const SlotSave& save, std::string_view block, FileSystem& fs) {
    if (block.size() > kWritableLength) return Failure{"File Size too long"};
    const auto checked = checkSlotInArchive(save.archive, save.offset);
    if (!checked) return Failure{checked.reason()};
    const auto lock = lockArchive(fs, save.archive, save.lockPatience);
    if (!lock) return unchanged(lock.reason());
    const Recovery recovery = recoverUnfinishedSaveLocked(save.archive, save.dataFolder, fs);
    if (recovery.problem && recovery.rolledBack)
        return Failure{"The field was not saved. " + describeRollback(save.archive, *recovery.rolledBack) + " " +
                       *recovery.problem};
    if (recovery.problem) return unchanged(*recovery.problem);
    if (recovery.rolledBack)
        return Failure{"The field was not saved. " + describeRollback(save.archive, *recovery.rolledBack) +
                       " Save again to write this field."};
    // An archive that cannot be written is refused before anything is kept.
    auto opened = fs.openExisting(save.archive, true);
    if (!opened) return unchanged(opened.reason());
    OpenFile archive(fs, opened.value(), save.archive);
    const std::uint64_t position = std::uint64_t(save.offset) - 1;
    const auto old = archive.readAt(position, kWritableLength);
    if (!old) return unchanged(old.reason());
    if (old.value().size() != kWritableLength)
        return unchanged("The field slot at byte " + std::to_string(save.offset) + " could not be read whole.");
    if (!save.dataFolder.empty()) {
        const auto kept = keepOriginalField(fs, save.dataFolder, save.archive, save.listName, save.offset, old.value());
        if (!kept) return unchanged("Its original could not be kept as a backup: " + kept.reason());
    }
    const auto journal = writeJournal(fs, save.archive, save.dataFolder, save.offset, old.value());
    if (!journal) return unchanged("The journal that makes a save safe could not be written: " + journal.reason());

    // Clearing the journal is the commit; until that is on the disk the save
    // has not happened.
    auto saved = archive.writeAt(position, paddedBlock(block));
    if (saved) saved = archive.sync();
    if (saved) saved = archive.close();
    if (saved) saved = clearJournal(fs, journal.value());
    if (saved) return success();

    auto restored = writeSlotBytes(fs, save.archive, save.offset, old.value());
    if (!restored)
        return Failure{"The field was not saved. " + saved.reason() + " Its old bytes could not be put back yet: " +
                       restored.reason() + " They stay in " + quotedPath(journal.value()) +
                       " and are put back when Ringwright next opens this GOB file."};
    (void)clearJournal(fs, journal.value());
    return unchanged(saved.reason());
}

}  // namespace fielddata
