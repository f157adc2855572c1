#pragma once
// Field.txt: items separated by commas and line ends, every two items one
// record of list name and field offset. Record i belongs to list entry i.
// It is read whole, once per use, into its records.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fielddata/field_offset.h"
#include "fielddata/file_system.h"
#include "fielddata/outcome.h"

namespace fielddata {

// A record's list name and slot, as a command names a field.
struct NamedSlot {
    std::string name;  // UTF-8
    FieldOffset offset = 0;
};

class Catalogue {
public:
    // The file's bytes. Names are Windows-1252, as the game's files are,
    // unless the file begins with a UTF-8 byte order mark: some editors save
    // it so, and then the names are UTF-8.
    static Catalogue parse(std::string_view content);

    // The list names of the complete records, UTF-8, in file order.
    const std::vector<std::string>& names() const { return names_; }
    // Why the records stop early, if they do: a last record without offset,
    // a quote never closed.
    const std::optional<std::string>& problem() const { return problem_; }

    // The offset of record `selectedIndex`, every record up to it read whole;
    // nullopt when no record matches (no selection, or fewer records than
    // entries). A record up to the match that cannot be read is a failure.
    Outcome<std::optional<FieldOffset>> lookUp(int selectedIndex) const;

    // Every record with its offset; the first one that cannot be read, or
    // the reason the records stop early, is a failure.
    Outcome<std::vector<NamedSlot>> namedSlots() const;
    // The records whose offsets can be read, for a save to keep clear of.
    std::vector<NamedSlot> readableSlots() const;
    // Record `record`'s offset, or why it cannot be read.
    Outcome<FieldOffset> offsetAt(int record) const;

    // `content`, this catalogue's bytes, with record `record` named `name`
    // (UTF-8): every other byte as it was, the name quoted when it holds a
    // comma, in the file's own encoding; refused unless it reads back so.
    Outcome<std::string> renamed(std::string_view content, int record, const std::string& name) const;

private:
    struct Record {
        std::string name;  // UTF-8
        std::string offset;
        int line = 0;
        std::size_t nameBegin = 0, nameEnd = 0;  // the name's bytes in the file
    };
    Outcome<FieldOffset> offsetOf(const Record& record) const;

    std::vector<Record> records_;
    std::vector<std::string> names_;
    std::optional<std::string> problem_;
};

// "Unable to find Field.txt" unless `path` is a plain file that can be read.
Outcome<Catalogue> readCatalogue(FileSystem& fs, const std::filesystem::path& path);

// Renames record `record` of the catalogue at `path`, replacing the file
// whole or not at all; the file as it was before the first rename is kept as
// Field.txt.bak. Refused unless the record is still named `oldName`.
Status renameInCatalogue(FileSystem& fs, const std::filesystem::path& path, int record, const std::string& oldName,
                         const std::string& name);

// A plain file: no folder, and on Windows neither hidden nor a system file.
bool isPlainFile(FileSystem& fs, const std::filesystem::path& path);

}  // namespace fielddata
