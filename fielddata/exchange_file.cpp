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

Status writeExchangeFile(const std::filesystem::path& target, std::string_view block) {
    if (block.size() > kWritableLength) return Failure{"File Size too long"};
    std::error_code error;
    if (std::filesystem::is_directory(target, error))
        return Failure{quotedPath(target) + " is a folder."};

    auto temporary = target;
    temporary += ".ringwright-tmp";
    const auto discard = [&](std::string reason) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Failure{std::move(reason)};
    };

    errno = 0;
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return discard(describeFileError("Cannot create", temporary));
    const std::string bytes = paddedBlock(block);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    file.flush();
    if (!file) return discard(describeFileError("Cannot write", temporary));
    file.close();
    if (file.fail()) return discard(describeFileError("Cannot finish writing", temporary));

    std::filesystem::rename(temporary, target, error);
    if (error)
        return discard("Cannot replace " + quotedPath(target) + ": " + error.message() + ".");
    return success();
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
