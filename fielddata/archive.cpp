#include "fielddata/archive.h"

#include "fielddata/archive_names.h"
#include "fielddata/backups.h"
#include "fielddata/message_text.h"
#include "fielddata/slot_layout.h"

namespace fielddata {
namespace {

// A journal is never larger than its path and two slots.
constexpr std::size_t kLongestJournal = std::size_t(1) << 20;

Failure unchanged(const std::string& reason) {
    return Failure{"The field was not saved. " + reason + " The field in the GOB file is unchanged."};
}

bool identityKnown(const FileIdentity& identity) { return identity.volume != 0 || identity.file != 0; }

// An archive is a plain file that is there, whenever it is looked at.
Status plainArchive(const Outcome<FileFacts>& facts, const std::filesystem::path& path) {
    if (!facts) return Failure{facts.reason()};
    if (facts.value().kind == FileKind::Missing) return Failure{"The GOB file " + quotedPath(path) + " does not exist."};
    if (facts.value().kind != FileKind::Plain) return Failure{quotedPath(path) + " is not a file."};
    return success();
}

}  // namespace

Outcome<Archive> Archive::open(const std::filesystem::path& path, const std::filesystem::path& dataFolder,
                               FileSystem& fs) {
    if (path.empty()) return Failure{"No GOB file has been chosen."};
    const auto facts = fs.facts(path);
    if (auto plain = plainArchive(facts, path); !plain) return Failure{plain.reason()};
    return Archive(fs, path, facts.value(), dataFolder);
}

Archive::Archive(FileSystem& fs, std::filesystem::path path, FileFacts facts, const std::filesystem::path& dataFolder)
    : fs_(&fs),
      path_(std::move(path)),
      fullPath_(fullArchivePath(fs, path_)),
      identity_(facts.identity),
      backups_(dataFolder.empty() ? std::filesystem::path() : backupFolderFor(fs, dataFolder, path_)),
      journals_(journalPlacesFor(fs, path_, dataFolder)) {}

std::string Archive::describeForeignSlot(FieldOffset offset) const {
    return "The slot at byte " + std::to_string(offset) + " of " + quotedPath(path_) +
           " holds no field, so Field.txt may not fit this GOB file.";
}

std::string Archive::describeRollback(FieldOffset offset) const {
    return "A save into " + quotedPath(path_) + " did not finish. The field at byte " + std::to_string(offset) +
           " has been put back as it was before that save.";
}

// The archive must still be a plain file that holds the whole slot, so
// neither a read nor a write ever leaves it. Its size, as looked at (or as
// known already), comes back.
Outcome<std::uint64_t> Archive::checkSlot(FieldOffset offset, std::optional<std::uint64_t> knownSize) {
    // The catalogue refuses offsets below 1, so only a start with no lookup yet gets here.
    if (offset < 1) return Failure{"No field has been looked up in Field.txt yet, so there is no slot to use."};
    if (!knownSize) {
        const auto facts = fs_->facts(path_);
        if (auto plain = plainArchive(facts, path_); !plain) return Failure{plain.reason()};
        knownSize = facts.value().size;
    }
    if (std::uint64_t(offset) - 1 + kSlotLength > *knownSize)
        return Failure{"The field slot at byte " + std::to_string(offset) + " runs past the end of " + quotedPath(path_) +
                       ", which holds " + std::to_string(*knownSize) + " bytes."};
    return *knownSize;
}

// The archive is opened for reading at the first read and held, its size
// taken then, for as long as this command's object lives: a command that
// reads many slots (the window of all fields, the guess of the orientation,
// the tool's check and export) opens it once.
Outcome<std::string> Archive::readSlot(FieldOffset offset) {
    const auto size = checkSlot(offset, held_ ? std::optional(heldSize_) : std::nullopt);
    if (!size) return Failure{size.reason()};
    if (!held_) {
        auto opened = fs_->openExisting(path_, false);
        if (!opened) return Failure{opened.reason()};
        held_ = std::make_unique<OpenFile>(*fs_, opened.value(), path_);
        heldSize_ = size.value();
    }
    auto slot = held_->readAt(std::uint64_t(offset) - 1, kSlotLength);
    if (!slot) return slot;
    if (slot.value().size() != kSlotLength)
        return Failure{"The field slot at byte " + std::to_string(offset) + " of " + quotedPath(path_) +
                       " could not be read whole."};
    return slot;
}

Status Archive::putBack(FieldOffset offset, std::string_view bytes) {
    if (auto checked = checkSlot(offset); !checked) return Failure{checked.reason()};
    auto opened = fs_->openExisting(path_, true);
    if (!opened) return Failure{opened.reason()};
    OpenFile file(*fs_, opened.value(), path_);
    auto written = file.writeAt(std::uint64_t(offset) - 1, bytes);
    if (written) written = file.sync();
    if (written) written = file.close();
    return written;
}

Recovery Archive::recover(std::chrono::milliseconds patience) {
    bool anyJournal = false;
    for (const auto& place : {journals_.beside, journals_.inDataFolder}) {
        if (place.empty()) continue;
        const auto facts = fs_->facts(place);
        anyJournal = anyJournal || !facts || facts.value().kind != FileKind::Missing;
    }
    if (!anyJournal) return {};
    // A journal whose save still holds the lock is that save's, not a leftover.
    const auto lock = lockArchive(*fs_, path_, patience);
    if (!lock) return Recovery{std::nullopt, std::nullopt, lock.reason()};
    return recoverLocked();
}

Recovery Archive::recoverLocked() {
    Recovery recovery;
    for (const auto& place : {journals_.beside, journals_.inDataFolder})
        if (!place.empty() && recoverFrom(place, recovery)) break;
    return recovery;
}

// True when this place decided the recovery: a slot put back, or a problem.
bool Archive::recoverFrom(const std::filesystem::path& place, Recovery& recovery) {
    const auto facts = fs_->facts(place);
    if (facts && facts.value().kind == FileKind::Missing) return false;
    const auto bytes = facts ? readFileStart(*fs_, place, kLongestJournal) : Outcome<std::string>(Failure{facts.reason()});
    if (!bytes) {
        recovery.problem = "An unfinished save into " + quotedPath(path_) + " left the journal " + quotedPath(place) +
                           ", which cannot be read: " + bytes.reason() +
                           " Until it can, Ringwright will not save into this GOB file.";
        return true;
    }
    const auto record = decodeJournal(bytes.value());
    std::optional<std::string> why;
    if (isJournalOfOldFormat(bytes.value())) {
        why = "it was written by an older Ringwright, which did not note enough to check it against the GOB file";
    } else if (!record) {
        // Cut off while it was written, or cleared by its commit: the slot
        // holds what it should.
        (void)fs_->remove(place);
        return false;
    } else if (place == journals_.inDataFolder && record->archivePath != fullPath_) {
        return false;  // another archive's, whose key happens to be the same
    } else if (identityKnown(identity_) && identityKnown(record->archive) && record->archive != identity_) {
        why = "the GOB file has been replaced by another file since";
    } else if (const auto slot = readSlot(record->offset); !slot) {
        std::string reason = slot.reason();
        if (reason.ends_with('.')) reason.pop_back();
        why = "the GOB file no longer holds the slot it was written for: " + reason;
    } else if (!slotFitsJournal(std::string_view(slot.value()).substr(0, kWritableLength), *record)) {
        why = "the field at byte " + std::to_string(record->offset) +
              " has been saved again since, through another name for the same file";
    }
    if (why) {
        // Kept under another name: never applied, and told of once.
        auto keptAs = place;
        keptAs += ".set-aside";
        for (int n = 2; nameTaken(*fs_, keptAs); ++n) {
            keptAs = place;
            keptAs += ".set-aside-" + std::to_string(n);
        }
        auto moved = fs_->replace(place, keptAs);
        if (moved) moved = fs_->syncFolder(place.parent_path());
        if (!moved) {
            recovery.problem = "The journal " + quotedPath(place) + " of an unfinished save into " + quotedPath(path_) +
                               " does not fit it, as " + *why + ", and could not be set aside: " + moved.reason() +
                               " Until it is, Ringwright will not save into this GOB file.";
            return true;
        }
        recovery.setAside = "The journal " + quotedPath(place) + " of an unfinished save into " + quotedPath(path_) +
                            " was not applied, as " + *why + ". It is kept as " + quotedPath(keptAs) + ".";
        return false;
    }
    const auto restored = putBack(record->offset, record->oldBytes);
    if (!restored) {
        recovery.problem = "A save into " + quotedPath(path_) + " did not finish, and the field at byte " +
                           std::to_string(record->offset) + " could not be put back as it was: " + restored.reason() +
                           " Its old bytes stay in " + quotedPath(place) + ".";
        return true;
    }
    recovery.rolledBack = record->offset;
    if (const auto cleared = clearJournal(*fs_, place); !cleared)
        recovery.problem = "The journal " + quotedPath(place) + " of that save could not be removed: " + cleared.reason() +
                           " Until it is, Ringwright will not save into this GOB file, as the journal would "
                           "undo that save: make the folder writable, or close the program that holds the "
                           "journal, then try again.";
    return true;
}

Outcome<SaveOutcome> Archive::save(const SlotSave& save) {
    if (auto fits = checkFitsSlot(save.block); !fits) return Failure{fits.reason()};
    if (auto checked = checkSlot(save.offset); !checked) return Failure{checked.reason()};
    for (const NamedSlot& other : save.neighbours)
        if (coversStartOf(save.offset, other.offset))
            return unchanged("The field " + quotedForMessage(save.listName) + " at byte " + std::to_string(save.offset) +
                             " would write over the start of the field " + quotedForMessage(other.name) + " at byte " +
                             std::to_string(other.offset) + ", as Field.txt lists their slots less than 2040 bytes apart.");
    if (backups_.empty())
        return unchanged("Its original could not be kept as a backup: the system names no folder for Ringwright's own files.");
    const auto lock = lockArchive(*fs_, path_, save.lockPatience);
    if (!lock) return unchanged(lock.reason());
    const Recovery recovery = recoverLocked();
    if (recovery.problem && recovery.rolledBack)
        return Failure{"The field was not saved. " + describeRollback(*recovery.rolledBack) + " " + *recovery.problem};
    if (recovery.problem) return unchanged(*recovery.problem);
    if (recovery.rolledBack)
        return Failure{"The field was not saved. " + describeRollback(*recovery.rolledBack) +
                       " Save again to write this field."};
    return saveLocked(save);
}

Outcome<SaveOutcome> Archive::saveLocked(const SlotSave& save) {
    // An archive that cannot be written is refused before anything is kept.
    auto opened = fs_->openExisting(path_, true);
    if (!opened) return unchanged(opened.reason());
    OpenFile archive(*fs_, opened.value(), path_);
    const std::uint64_t position = std::uint64_t(save.offset) - 1;
    const auto old = archive.readAt(position, kWritableLength);
    if (!old) return unchanged(old.reason());
    if (old.value().size() != kWritableLength)
        return unchanged("The field slot at byte " + std::to_string(save.offset) + " could not be read whole.");
    if (!save.evenWithoutField && !beginsAsAField(old.value())) return SaveOutcome::SlotHoldsNoField;
    const auto kept = keepOriginalField(*fs_, backups_, save.listName, save.offset, old.value());
    if (!kept) return unchanged("Its original could not be kept as a backup: " + kept.reason());
    const std::string bytes = paddedBlock(save.block);
    const auto journal = writeJournal(*fs_, journals_, {save.offset, identity_, fullPath_, old.value(), bytes});
    if (!journal) return unchanged("The journal that makes a save safe could not be written: " + journal.reason());

    // Clearing the journal is the commit; until that is on the disk the save
    // has not happened.
    auto saved = archive.writeAt(position, bytes);
    if (saved) saved = archive.sync();
    if (saved) saved = archive.close();
    if (saved) saved = clearJournal(*fs_, journal.value());
    if (saved) return SaveOutcome::Saved;

    auto restored = putBack(save.offset, old.value());
    if (!restored)
        return Failure{"The field was not saved. " + saved.reason() + " Its old bytes could not be put back yet: " +
                       restored.reason() + " They stay in " + quotedPath(journal.value()) +
                       " and are put back when Ringwright next opens this GOB file."};
    (void)clearJournal(*fs_, journal.value());
    return unchanged(saved.reason());
}

Outcome<std::optional<std::string>> Archive::keptOriginal(FieldOffset offset) {
    if (backups_.empty()) return Failure{"The system names no folder for Ringwright's own files, so no original is kept."};
    return findOriginalField(*fs_, backups_, offset);
}

}  // namespace fielddata
