#include "fielddata/backups.h"

#include <system_error>

#include "fielddata/archive_slot.h"

namespace fielddata {
namespace {

constexpr std::size_t kLongestName = 100;

bool unsafeInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::string_view("<>:\"/\\|?*").find(char(c)) != std::string_view::npos;
}

std::string suffixFor(FieldOffset offset) { return " at " + std::to_string(offset) + ".opt"; }

}  // namespace

std::filesystem::path backupFolderFor(const std::filesystem::path& dataFolder,
                                      const std::filesystem::path& archive) {
    return dataFolder / "backups" / archive.filename();
}

std::string backupFileName(std::string_view listName, FieldOffset offset) {
    std::string name;
    std::size_t characters = 0;
    for (char c : listName) {
        const bool startsCharacter = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == kLongestName) break;
        name += unsafeInFileName(static_cast<unsigned char>(c)) ? '_' : c;
    }
    // Windows drops trailing dots and blanks from a name; keep the name whole.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty()) name = "Field";
    return name + suffixFor(offset);
}

Status keepOriginalField(FileSystem& fs, const std::filesystem::path& dataFolder,
                         const std::filesystem::path& archive, std::string_view listName, FieldOffset offset,
                         std::string_view slotBytes) {
    const auto folder = backupFolderFor(dataFolder, archive);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Failure{"Cannot make the folder " + quotedPath(folder) + ": " + error.message() + "."};
    const std::string suffix = suffixFor(offset);
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (displayPath(entry.path().filename()).ends_with(suffix)) return success();
    if (error) return Failure{"Cannot look into the folder " + quotedPath(folder) + ": " + error.message() + "."};
    return createDurably(fs, folder / pathFromUtf8(backupFileName(listName, offset)),
                         slotBytes.substr(0, kWritableLength));
}

}  // namespace fielddata
