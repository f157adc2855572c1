#include "fielddata/backups.h"

#include "fielddata/archive_names.h"
#include "fielddata/message_text.h"
#include "fielddata/slot_layout.h"

namespace fielddata {
namespace {

constexpr std::size_t kLongestName = 100;  // bytes, well inside any file system's 255

bool unsafeInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::string_view("<>:\"/\\|?*").find(char(c)) != std::string_view::npos;
}

std::string suffixFor(FieldOffset offset) { return " at " + std::to_string(offset) + ".opt"; }

}  // namespace

std::filesystem::path backupFolderFor(FileSystem& fs, const std::filesystem::path& dataFolder,
                                      const std::filesystem::path& archive) {
    return dataFolder / "backups" / pathFromUtf8(archiveKey(fs, archive));
}

std::string withSafeCharacters(std::string_view name) {
    std::string safe;
    for (std::size_t k = 0; k < name.size(); ++k) {
        if (c1ControlAt(name, k)) safe += '_', ++k;
        else safe += unsafeInFileName(static_cast<unsigned char>(name[k])) ? '_' : name[k];
    }
    return safe;
}

std::string backupFileName(std::string_view listName, FieldOffset offset) {
    std::string name = shortenedName(withSafeCharacters(listName), kLongestName);
    // Windows drops trailing dots and blanks from a name; keep the name whole.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty()) name = "Field";
    return name + suffixFor(offset);
}

namespace {

// The backup of this slot, under whatever list name it was kept.
Outcome<std::optional<std::filesystem::path>> backupOf(FileSystem& fs, const std::filesystem::path& folder,
                                                       FieldOffset offset) {
    const auto facts = fs.facts(folder);
    if (!facts) return Failure{facts.reason()};
    if (facts.value().kind == FileKind::Missing) return std::optional<std::filesystem::path>{};
    const auto entries = fs.listFolder(folder);
    if (!entries) return Failure{entries.reason()};
    const std::string suffix = suffixFor(offset);
    for (const auto& entry : entries.value())
        if (displayPath(entry.filename()).ends_with(suffix)) return std::optional<std::filesystem::path>{entry};
    return std::optional<std::filesystem::path>{};
}

// Its 2040 bytes; nullopt for one cut short.
Outcome<std::optional<std::string>> wholeBackup(FileSystem& fs, const std::filesystem::path& backup) {
    auto bytes = readFileStart(fs, backup, kWritableLength + 1);
    if (!bytes) return Failure{bytes.reason()};
    if (bytes.value().size() != kWritableLength) return std::optional<std::string>{};
    return std::optional<std::string>{std::move(bytes.value())};
}

}  // namespace

Outcome<std::optional<std::string>> findOriginalField(FileSystem& fs, const std::filesystem::path& folder,
                                                      FieldOffset offset) {
    const auto found = backupOf(fs, folder, offset);
    if (!found) return Failure{found.reason()};
    if (!found.value()) return std::optional<std::string>{};
    return wholeBackup(fs, *found.value());
}

Status keepOriginalField(FileSystem& fs, const std::filesystem::path& folder, std::string_view listName,
                         FieldOffset offset, std::string_view slotBytes) {
    if (auto made = makeFoldersDurably(fs, folder); !made) return made;
    const auto existing = backupOf(fs, folder, offset);
    if (!existing) return Failure{existing.reason()};
    if (existing.value()) {
        const auto whole = wholeBackup(fs, *existing.value());
        if (!whole) return Failure{whole.reason()};
        if (whole.value()) return success();
    }
    return replaceDurably(fs, existing.value().value_or(folder / pathFromUtf8(backupFileName(listName, offset))),
                          slotBytes.substr(0, kWritableLength));
}

}  // namespace fielddata
