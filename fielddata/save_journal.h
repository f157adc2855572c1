#pragma once
// The rollback journal of a save. Before a slot is written, its bytes as they
// were go into a journal that is on the disk before the first byte of the
// slot changes; clearing the journal commits the save. A journal found later
// belongs to a save that never committed, and puts the slot back, but only
// into the file it was written for and only while the slot holds, at every
// byte, what that save found there or what it was writing.
//
// Format, every number little-endian:
//   8 bytes   "RWJRNL02"
//   4 bytes   the field offset, signed
//   8 bytes   the archive's volume, 8 bytes its file number (FileIdentity)
//   4 bytes   P, the length of the archive's full path
//   4 bytes   N, the number of slot bytes kept (2040)
//   P bytes   the archive's full path, UTF-8
//   N bytes   the slot's bytes before the save
//   N bytes   the bytes the save was writing
//   4 bytes   CRC-32 (as zlib computes it) of everything before it
// A journal that is short or fails its checksum was cut off while it was
// written, before the slot was touched, and is discarded. The commit clears
// the header before it removes the file, so a journal that a power cut brings
// back after its removal is discarded too, never applied over a newer save.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fielddata/field_offset.h"
#include "fielddata/file_system.h"

namespace fielddata {

struct JournalRecord {
    FieldOffset offset = 0;
    FileIdentity archive;
    std::string archivePath;  // UTF-8, the archive's full path
    std::string oldBytes, newBytes;
    bool operator==(const JournalRecord&) const = default;
};

std::string encodeJournal(const JournalRecord& record);
std::optional<JournalRecord> decodeJournal(std::string_view bytes);
// A journal of the first format, which held no file identity nor the bytes
// its save wrote, so it can never be told to fit the archive.
bool isJournalOfOldFormat(std::string_view bytes);

// Whether the slot's `current` bytes are, at every position, the byte before
// the save or the byte the save wrote: a save torn at any point.
bool slotFitsJournal(std::string_view current, const JournalRecord& record);

std::uint32_t crc32(std::string_view bytes);

// Where an archive's journal may stand: beside the archive (the file itself,
// not a link to it), or, when that folder cannot be written, in the per-user
// data folder as journals/<archive key>.ringwright-journal.
struct JournalPlaces {
    std::filesystem::path beside;
    std::filesystem::path inDataFolder;  // empty without a data folder
};
JournalPlaces journalPlacesFor(FileSystem& fs, const std::filesystem::path& archive, const std::filesystem::path& dataFolder);

// Writes the journal in the first place that takes it; the place used.
Outcome<std::filesystem::path> writeJournal(FileSystem& fs, const JournalPlaces& places, const JournalRecord& record);

// The commit: the journal's header is overwritten and brought onto the disk,
// so it can never again be taken for an unfinished save; then the file is
// removed, which is only tidying.
Status clearJournal(FileSystem& fs, const std::filesystem::path& journal);

}  // namespace fielddata
