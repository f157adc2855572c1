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

private:
    struct Record {
        std::string name;  // UTF-8
        std::string offset;
        int line = 0;
    };
    Outcome<FieldOffset> offsetOf(const Record& record) const;

    std::vector<Record> records_;
    std::vector<std::string> names_;
    std::optional<std::string> problem_;
};

// "Unable to find Field.txt" unless `path` is a plain file that can be read.
Outcome<Catalogue> readCatalogue(FileSystem& fs, const std::filesystem::path& path);

// A plain file: no folder, and on Windows neither hidden nor a system file.
bool isPlainFile(FileSystem& fs, const std::filesystem::path& path);

}  // namespace fielddata
