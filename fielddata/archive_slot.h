#pragma once
// A field's slot in the game's archive: 2048 bytes at a 1-based offset, of
// which a save writes the first 2040 in place. Nothing else of the archive,
// nor its length, ever changes.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "fielddata/archive_lock.h"
#include "fielddata/catalogue.h"
#include "fielddata/file_system.h"
#include "fielddata/message_text.h"
#include "fielddata/outcome.h"

namespace fielddata {

constexpr std::size_t kSlotLength = 2048;
constexpr std::size_t kWritableLength = 2040;

Outcome<std::string> readFieldSlot(const std::filesystem::path& archive, FieldOffset offset);

// Whether the archive is an existing file that holds the whole slot.
Status checkSlotInArchive(const std::filesystem::path& archive, FieldOffset offset);

// Where a save goes, and the per-user data folder that keeps the slot's
// original and, when the archive's folder cannot be written, the journal.
struct SlotSave {
    std::filesystem::path archive;
    FieldOffset offset = 0;
    std::filesystem::path dataFolder;  // empty: no backup, journal beside the archive only
    std::string listName;              // UTF-8, names the backup
    std::chrono::milliseconds lockPatience = kLockPatience;
};

// `block` of at most 2040 bytes, then NUL fill up to 2040 bytes, written in
// place as one commit while the archive's lock is held: the slot's old bytes
// are kept first (the backup, the journal, both on the disk), then the slot is
// written and synced, then the journal is cleared. On any failure the old
// bytes go back and the reason says that the field in the archive is
// unchanged. A journal of an earlier save that cannot be cleared refuses the
// save, since it would undo it at the next start.
Status writeFieldSlot(const SlotSave& save, std::string_view block, FileSystem& fs = systemFileSystem());

// The block with NUL fill up to 2040 bytes, as slots and exchange files hold it.
std::string paddedBlock(std::string_view block);

}  // namespace fielddata
