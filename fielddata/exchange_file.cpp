#include "fielddata/exchange_file.h"

#include <optional>

#include "fielddata/field_picture.h"
#include "fielddata/message_text.h"
#include "fielddata/slot_layout.h"

namespace fielddata {

std::string withExchangeExtension(std::string path) {
    if (!path.ends_with(".opt")) path += ".opt";
    return path;
}

namespace {

// As many links as the system itself follows before it calls it a loop.
constexpr int kMostLinks = 40;

// The file a link leads to, as the player means it; nullopt for a loop.
std::optional<std::filesystem::path> followLinks(FileSystem& fs, std::filesystem::path path) {
    for (int hop = 0; hop < kMostLinks; ++hop) {
        const auto link = fs.linkTarget(path);
        if (!link || !link.value()) return path;
        path = link.value()->is_absolute() ? *link.value() : path.parent_path() / *link.value();
    }
    return std::nullopt;
}

}  // namespace

Status writeExchangeFile(const std::filesystem::path& target, std::string_view block, FileSystem& fs) {
    if (auto fits = checkFitsSlot(block); !fits) return fits;
    const auto followed = followLinks(fs, target);
    if (!followed) return Failure{quotedPath(target) + " is a loop of links that leads to no file, so it was not written."};
    const auto& file = *followed;
    const auto facts = fs.facts(file);
    if (!facts) return Failure{facts.reason()};
    if (facts.value().kind == FileKind::Folder) return Failure{quotedPath(target) + " is a folder."};
    if (facts.value().kind == FileKind::Other) return Failure{quotedPath(target) + " is not a file, so it was not written."};
    // A name typed into the dialog may lead into a folder that is not there,
    // or through a file; say so of the player's file, not of the temporary
    // one beside it.
    const auto folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    const auto folderFacts = fs.facts(folder);
    if (folderFacts && folderFacts.value().kind == FileKind::Missing)
        return Failure{"The folder " + quotedPath(folder) + " does not exist, so " + quotedPath(target) + " was not written."};
    if (folderFacts && folderFacts.value().kind != FileKind::Folder)
        return Failure{quotedPath(folder) + " is not a folder, so " + quotedPath(target) + " was not written."};

    const bool replacing = facts.value().kind == FileKind::Plain;
    if (replacing) {
        auto probe = fs.openExisting(file, true);
        if (!probe) return Failure{probe.reason() + " The file was left as it was."};
        (void)fs.close(probe.value());
    }
    return replaceDurably(fs, file, paddedBlock(block), replacing ? &file : nullptr);
}

Outcome<std::string> readExchangeFile(const std::filesystem::path& source, FileSystem& fs) {
    const auto facts = fs.facts(source);
    if (!facts) return Failure{facts.reason()};
    if (facts.value().kind != FileKind::Plain) return Failure{quotedPath(source) + " is not a file that can be read."};
    // Any file for its first 2040 bytes; a picture, read whole, for the
    // field it carries.
    auto bytes = readFileStart(fs, source, kWritableLength);
    if (bytes && isPng(bytes.value())) bytes = readFileStart(fs, source, kLongestPicture);
    if (!bytes || !isPng(bytes.value())) {
        // A short file ends early and is NUL filled.
        if (bytes) bytes.value().resize(kWritableLength, '\0');
        return bytes;
    }
    const auto field = fieldOfPicture(bytes.value());
    if (!field) return Failure{quotedPath(source) + " is a picture whose field is damaged, so nothing was imported."};
    if (!field.value()) return Failure{quotedPath(source) + " is not a field file, so nothing was imported."};
    return *field.value();
}

}  // namespace fielddata
