#pragma once
// Fields found without a catalogue, and fields read whole. Every field block
// begins with the same fixed header, so an archive read through once shows
// where its fields lie; a slot counts as a field when the reader reads nine
// fielders from it, each once, with coordinates the range check accepts.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fielddata/archive.h"
#include "fielddata/catalogue.h"
#include "fielddata/field_offset.h"
#include "fielddata/field_text.h"
#include "fielddata/file_system.h"

namespace fielddata {

// Why a slot's text is no field, in the words the editor shows: it does not
// begin with "BEGIN", the reader stops, or a fielder never comes (a cut
// block, whose searches start again from its top); nothing when the reader
// reads the nine fielders.
std::optional<std::string> whyNoField(std::string_view text);

// The 36 texts of a field that can be saved as it stands: a field as above,
// with coordinates the range check accepts and animations of the list; or
// why not.
Outcome<FieldTexts> readWholeField(std::string_view text);
// The same of the slot at `offset`, or why its slot cannot be read.
Outcome<FieldTexts> readWholeFieldAt(Archive& archive, FieldOffset offset);

struct ScanFindings {
    std::vector<std::uint64_t> fields;  // 0-based byte positions, in order
    // A field that begins inside the slot of one found before it, with that
    // one's position: saving either would write over the other.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> overlapping;
};

// Every slot inside the archive that begins with "BEGIN" and reads as a
// field, whatever its line ends. The archive is read once, front to back, in
// blocks of `blockSize` bytes, never whole; a field that a block boundary
// cuts is found all the same. A candidate is ruled out by a cheap count
// first, so no archive takes much longer to scan than to read.
Outcome<ScanFindings> scanArchive(FileSystem& fs, const std::filesystem::path& archive,
                                  std::size_t blockSize = std::size_t(8) << 20);

// A catalogue of the fields at these 1-based offsets, each named after its
// offset and what it holds: "Field at 4097: 3 slips, gully",4097 with CR LF,
// one record a line; "Field at 4097" where `name` is empty.
std::string catalogueOf(const std::vector<NamedSlot>& fields);

}  // namespace fielddata
