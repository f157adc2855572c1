#pragma once
// A field's slot in the game's archive: 2048 bytes at a 1-based offset, of
// which a save writes the first 2040 in place, the field text and NUL fill.
// Exchange files hold the same 2040 bytes.
#include <cstddef>
#include <string>
#include <string_view>

#include "fielddata/field_offset.h"
#include "fielddata/outcome.h"

namespace fielddata {

constexpr std::size_t kSlotLength = 2048;
constexpr std::size_t kWritableLength = 2040;

// Every field text begins so; a slot or a file that does not is no field.
constexpr std::string_view kFieldStart = "BEGIN";
inline bool beginsAsAField(std::string_view bytes) { return bytes.starts_with(kFieldStart); }

// The block with NUL fill up to 2040 bytes, as slots and exchange files hold it.
inline std::string paddedBlock(std::string_view block) {
    std::string bytes(block);
    if (bytes.size() < kWritableLength) bytes.resize(kWritableLength, '\0');
    return bytes;
}

// A field text longer than a slot's writable part is refused, by the save,
// the export and the tool alike, in the game's own words.
inline Status checkFitsSlot(std::string_view block) {
    if (block.size() > kWritableLength) return Failure{"File Size too long"};
    return success();
}

// Whether a save of 2040 bytes at `offset` would write over the first byte
// of the slot at `other`, another field's.
inline bool coversStartOf(FieldOffset offset, FieldOffset other) {
    return other > offset && std::int64_t(other) < std::int64_t(offset) + std::int64_t(kWritableLength);
}

}  // namespace fielddata
