#pragma once
// The player's original fields: the first time the editor overwrites a slot
// of an archive, the slot's bytes as they were are kept as an exchange file
// in the per-user data folder, and never overwritten afterwards:
//   backups/<archive key>/<list name> at <offset>.opt
// The archive key holds a hash of the archive's full path, so each copy of
// the game keeps its own originals. Restoring one is an Import, then a Save.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fielddata/field_offset.h"
#include "fielddata/file_system.h"

namespace fielddata {

std::filesystem::path backupFolderFor(FileSystem& fs, const std::filesystem::path& dataFolder, const std::filesystem::path& archive);

// The name with each character a file name cannot hold, on Windows or
// elsewhere, replaced by "_": control characters (C1 too) included.
std::string withSafeCharacters(std::string_view name);

// "<list name> at <offset>.opt", with what a file name cannot hold replaced
// and a long name cut to 100 bytes, marked with a hash.
std::string backupFileName(std::string_view listName, FieldOffset offset);

// The whole backup of the slot at `offset`, under whatever list name it was
// kept: 2040 bytes; nullopt when there is none, or only one cut short by a
// save that was killed while it kept it.
Outcome<std::optional<std::string>> findOriginalField(FileSystem& fs, const std::filesystem::path& folder,
                                                      FieldOffset offset);

// Keeps the first 2040 of `slotBytes` unless the slot at `offset` of this
// archive has a whole backup already, under whatever list name. A backup is
// whole only at 2040 bytes: one cut short by a killed save is replaced.
Status keepOriginalField(FileSystem& fs, const std::filesystem::path& folder, std::string_view listName,
                         FieldOffset offset, std::string_view slotBytes);

}  // namespace fielddata
