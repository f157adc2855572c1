#pragma once
// The game's archive as one command sees it, opened once per command: its
// path as the player gave it and fully resolved, the file's identity on the
// disk, its key, its journal places and the folder of its kept originals.
// Through it a command puts right what an unfinished save left, reads a
// slot, saves a slot and finds a slot's original. Nothing else of ours reads
// or writes an archive.
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fielddata/archive_lock.h"
#include "fielddata/catalogue.h"
#include "fielddata/field_offset.h"
#include "fielddata/file_system.h"
#include "fielddata/save_journal.h"

namespace fielddata {

// What looking for an unfinished save found.
struct Recovery {
    std::optional<FieldOffset> rolledBack;  // the slot put back as it was
    // A journal that does not fit the archive as it is now (the file was
    // replaced, or the slot saved again another way): not applied, and kept
    // under another name, so this is told once.
    std::optional<std::string> setAside;
    // Why no save into the archive may happen yet: the archive is busy, or a
    // journal could not be read, applied or cleared (it is kept, and would
    // undo a newer save at the next start).
    std::optional<std::string> problem;
};

// A save of one field into its slot.
struct SlotSave {
    SlotSave(FieldOffset offset, std::string_view block, std::string listName = {},
             std::vector<NamedSlot> neighbours = {}, bool evenWithoutField = false,
             std::chrono::milliseconds lockPatience = kLockPatience)
        : offset(offset), block(block), listName(std::move(listName)), neighbours(std::move(neighbours)),
          evenWithoutField(evenWithoutField), lockPatience(lockPatience) {}

    FieldOffset offset = 0;
    std::string_view block;  // at most 2040 bytes
    std::string listName;    // UTF-8; names the original's backup and messages
    // The catalogue's records: a save never writes over the start of another's slot.
    std::vector<NamedSlot> neighbours;
    // A slot that does not begin as a field does is written only when asked twice.
    bool evenWithoutField = false;
    std::chrono::milliseconds lockPatience = kLockPatience;
};

enum class SaveOutcome { Saved, SlotHoldsNoField };

class Archive {
public:
    // Refuses an empty path, a name that leads nowhere and anything but a
    // plain file, before anything opens it.
    static Outcome<Archive> open(const std::filesystem::path& path, const std::filesystem::path& dataFolder,
                                 FileSystem& fs = systemFileSystem());

    const std::filesystem::path& path() const { return path_; }
    // Empty when the system names no per-user data folder.
    const std::filesystem::path& backupsFolder() const { return backups_; }
    const JournalPlaces& journalPlaces() const { return journals_; }

    // Puts back the slot of a save that never committed, holding the
    // archive's lock meanwhile.
    Recovery recover(std::chrono::milliseconds patience = kLockPatience);

    // The 2048 bytes of the slot at `offset`. Every read goes through one
    // open of the archive, made at the first.
    Outcome<std::string> readSlot(FieldOffset offset);

    // The block with NUL fill up to 2040 bytes, written in place as one
    // commit while the archive's lock is held: the slot's old bytes are kept
    // first (the original, the journal, both on the disk), then the slot is
    // written and synced, then the journal is cleared. On any failure the old
    // bytes go back and the reason says that the field in the archive is
    // unchanged. SlotHoldsNoField: nothing was written; ask, then save again
    // with evenWithoutField.
    Outcome<SaveOutcome> save(const SlotSave& save);

    // The slot's kept original, 2040 bytes; nullopt when none is kept.
    Outcome<std::optional<std::string>> keptOriginal(FieldOffset offset);

    // "The slot at byte N of "…" holds no field, so Field.txt may not fit this GOB file."
    std::string describeForeignSlot(FieldOffset offset) const;
    // "A save into "…" did not finish. The field at byte N has been put back as it was before that save."
    std::string describeRollback(FieldOffset offset) const;

private:
    Archive(FileSystem& fs, std::filesystem::path path, FileFacts facts, const std::filesystem::path& dataFolder);
    Outcome<std::uint64_t> checkSlot(FieldOffset offset, std::optional<std::uint64_t> knownSize = std::nullopt);
    Recovery recoverLocked();
    // One journal place: applies, sets aside or discards what stands there.
    bool recoverFrom(const std::filesystem::path& place, Recovery& recovery);
    Status putBack(FieldOffset offset, std::string_view bytes);
    Outcome<SaveOutcome> saveLocked(const SlotSave& save);

    FileSystem* fs_;
    std::filesystem::path path_;
    std::string fullPath_;  // UTF-8, links resolved
    FileIdentity identity_;
    std::filesystem::path backups_;
    JournalPlaces journals_;
    std::unique_ptr<OpenFile> held_;  // for reading, from the first read on
    std::uint64_t heldSize_ = 0;
};

}  // namespace fielddata
