#include "fielddata/backups.h"

#include <optional>
#include <system_error>

#include "fielddata/archive_names.h"
#include "fielddata/archive_slot.h"

namespace fielddata {
namespace {

constexpr std::size_t kLongestName = 100;  // bytes, well inside any file system's 255

bool unsafeInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::string_view("<>:\"/\\|?*").find(char(c)) != std::string_view::npos;
}

std::string suffixFor(FieldOffset offset) { return " at " + std::to_string(offset) + ".opt"; }

}  // namespace

std::filesystem::path backupFolderFor(const std::filesystem::path& dataFolder,
                                      const std::filesystem::path& archive) {
    return dataFolder / "backups" / pathFromUtf8(archiveKey(archive));
}

std::string withSafeCharacters(std::string_view name) {
    std::string safe;
    for (char c : name) safe += unsafeInFileName(static_cast<unsigned char>(c)) ? '_' : c;
    return safe;
}

std::string backupFileName(std::string_view listName, FieldOffset offset) {
    std::string name = shortenedName(withSafeCharacters(listName), kLongestName);
    // Windows drops trailing dots and blanks from a name; keep the name whole.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty()) name = "Field";
    return name + suffixFor(offset);
}

Status keepOriginalField(FileSystem& fs, const std::filesystem::path& dataFolder,
                         const std::filesystem::path& archive, std::string_view listName, FieldOffset offset,
                         std::string_view slotBytes) {
    const auto folder = backupFolderFor(dataFolder, archive);
    if (auto made = makeFoldersDurably(fs, folder); !made) return made;
    const std::string suffix = suffixFor(offset);
    std::error_code error;
    std::optional<std::filesystem::path> existing;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (displayPath(entry.path().filename()).ends_with(suffix)) existing = entry.path();
    if (error) return Failure{"Cannot look into the folder " + quotedPath(folder) + ": " + error.message() + "."};
    if (existing && std::filesystem::file_size(*existing, error) == kWritableLength && !error) return success();
    return replaceDurably(fs, existing.value_or(folder / pathFromUtf8(backupFileName(listName, offset))),
                          slotBytes.substr(0, kWritableLength));
}

}  // namespace fielddata
