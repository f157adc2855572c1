#pragma once
// ".opt" exchange files: one field outside the archive, laid out as the first
// 2040 bytes of a slot: the block, then NUL fill.
#include <filesystem>
#include <string>
#include <string_view>

#include "fielddata/file_system.h"
#include "fielddata/outcome.h"

namespace fielddata {

// The path with ".opt" appended unless it already ends in exactly ".opt".
std::string withExchangeExtension(std::string path);

// Writes the padded block to a new file of a name no file has, beside the
// target, and renames it into place once every byte is on the disk, so a
// failure never harms a file that was there; the result is exactly 2040
// bytes. A symbolic link is followed and its target written. An existing
// file keeps its permissions, and one the player may not write is refused
// and left as it was; a loop of links is refused. A block over 2040 bytes is
// refused with the reason "File Size too long" and nothing is created.
Status writeExchangeFile(const std::filesystem::path& target, std::string_view block,
                         FileSystem& fs = systemFileSystem());

// The first 2040 bytes, NUL filled when the file is shorter.
Outcome<std::string> readExchangeFile(const std::filesystem::path& source, FileSystem& fs = systemFileSystem());

}  // namespace fielddata
