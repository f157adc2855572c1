#include "fielddata/archive_slot.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace fielddata {
namespace {

// Refusals shared by read and write: the archive must be an existing file and
// hold the whole slot, so neither a read nor a write ever leaves the archive.
Outcome<std::uintmax_t> checkSlotInArchive(const std::filesystem::path& archive, FieldOffset offset) {
    if (archive.empty()) return Failure{"No GOB file has been chosen."};
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
    return size;
}

}  // namespace

std::string displayPath(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string quotedPath(const std::filesystem::path& path) {
    std::string text = "\"";
    text += displayPath(path);
    text += '"';
    return text;
}

std::string describeFileError(std::string_view what, const std::filesystem::path& path) {
    std::string reason = std::string(what) + " " + quotedPath(path);
    if (errno != 0) reason += ": " + std::string(std::strerror(errno));
    return reason + ".";
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

Status writeFieldSlot(const std::filesystem::path& archive, FieldOffset offset, std::string_view block) {
    if (block.size() > kWritableLength) return Failure{"File Size too long"};
    const auto checked = checkSlotInArchive(archive, offset);
    if (!checked) return Failure{checked.reason()};
    errno = 0;
    // in | out opens an existing file in place: never created, never shortened.
    std::fstream file(archive, std::ios::in | std::ios::out | std::ios::binary);
    if (!file) return Failure{describeFileError("Cannot open for writing", archive)};
    const std::string bytes = paddedBlock(block);
    file.seekp(std::streamoff(offset) - 1);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    file.flush();
    if (!file) return Failure{describeFileError("Cannot write the field slot into", archive)};
    file.close();
    if (file.fail()) return Failure{describeFileError("Cannot finish writing", archive)};
    return success();
}

}  // namespace fielddata
