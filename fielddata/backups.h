#pragma once
// The player's original fields: the first time the editor overwrites a slot
// of an archive, the slot's bytes as they were are kept as an exchange file
// in the per-user data folder, and never overwritten afterwards:
//   backups/<archive file name>/<list name> at <offset>.opt
// Restoring one is an Import, then a Save.
#include <filesystem>
#include <string>
#include <string_view>

#include "fielddata/catalogue.h"
#include "fielddata/file_system.h"

namespace fielddata {

std::filesystem::path backupFolderFor(const std::filesystem::path& dataFolder, const std::filesystem::path& archive);

// "<list name> at <offset>.opt", with what a file name cannot hold replaced.
std::string backupFileName(std::string_view listName, FieldOffset offset);

// Keeps the first 2040 of `slotBytes` unless the slot at `offset` of this
// archive has a backup already, under whatever list name.
Status keepOriginalField(FileSystem& fs, const std::filesystem::path& dataFolder,
                         const std::filesystem::path& archive, std::string_view listName, FieldOffset offset,
                         std::string_view slotBytes);

}  // namespace fielddata
