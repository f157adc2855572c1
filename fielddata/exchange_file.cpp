#include "fielddata/exchange_file.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "fielddata/archive_slot.h"

namespace fielddata {

std::string withExchangeExtension(std::string path) {
    if (!path.ends_with(".opt")) path += ".opt";
    return path;
}

namespace {

// The file a link leads to, as the player means it; a loop of links ends
// where the system would refuse it.
std::filesystem::path followLinks(std::filesystem::path path) {
    std::error_code error;
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(path, error); ++hop) {
        const auto link = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

}  // namespace

Status writeExchangeFile(const std::filesystem::path& target, std::string_view block, FileSystem& fs) {
    if (block.size() > kWritableLength) return Failure{"File Size too long"};
    const auto file = followLinks(target);
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) return Failure{quotedPath(target) + " is a folder."};
    // A name typed into the dialog may lead into a folder that is not there;
    // say so of the player's file, not of the temporary one beside it.
    const auto folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    if (!std::filesystem::exists(folder, error) && !error)
        return Failure{"The folder " + quotedPath(folder) + " does not exist, so " + quotedPath(target) + " was not written."};

    const bool replacing = std::filesystem::exists(file, error);
    if (replacing) {
        auto probe = fs.openExisting(file, true);
        if (!probe) return Failure{probe.reason() + " The file was left as it was."};
        (void)fs.close(probe.value());
    }

    return replaceDurably(fs, file, paddedBlock(block), replacing ? &file : nullptr);
}

Outcome<std::string> readExchangeFile(const std::filesystem::path& source) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error))
        return Failure{quotedPath(source) + " is not a file that can be read."};
    errno = 0;
    std::ifstream file(source, std::ios::binary);
    if (!file) return Failure{describeFileError("Cannot open", source)};
    std::string bytes(kWritableLength, '\0');
    file.read(bytes.data(), std::streamsize(bytes.size()));
    // A short file ends early; only a real read error is a failure.
    if (file.bad() || (file.fail() && !file.eof()))
        return Failure{describeFileError("Cannot read", source)};
    return bytes;
}

}  // namespace fielddata
