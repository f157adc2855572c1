#include "fielddata/exchange_file.h"

#include <cerrno>
#include <fstream>
#include <random>
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

std::string randomTag() {
    constexpr char kHex[] = "0123456789abcdef";
    std::random_device random;
    std::string tag;
    for (unsigned bits = random(), k = 0; k < 8; ++k, bits >>= 4) tag += kHex[bits & 0xF];
    return tag;
}

}  // namespace

Status writeExchangeFile(const std::filesystem::path& target, std::string_view block, FileSystem& fs) {
    if (block.size() > kWritableLength) return Failure{"File Size too long"};
    const auto file = followLinks(target);
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) return Failure{quotedPath(target) + " is a folder."};

    const bool replacing = std::filesystem::exists(file, error);
    if (replacing) {
        auto probe = fs.openExisting(file, true);
        if (!probe) return Failure{probe.reason() + " The file was left as it was."};
        (void)fs.close(probe.value());
    }

    const std::string bytes = paddedBlock(block);
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Built piece by piece: GCC 12 at -O3 mistakes "." + tag for an overlap.
        std::string suffix = ".";
        suffix += randomTag();
        suffix += ".ringwright-tmp";
        auto temporary = file;
        temporary += suffix;
        bool taken = false;
        const auto written = createDurably(fs, temporary, bytes, replacing ? &file : nullptr, &taken);
        if (taken) continue;
        if (!written) return written;
        if (auto replaced = fs.replace(temporary, file); !replaced) {
            (void)fs.remove(temporary);
            return replaced;
        }
        return fs.syncFolder(file.parent_path());
    }
    return Failure{"Cannot find a free name for a new file beside " + quotedPath(file) + "."};
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
