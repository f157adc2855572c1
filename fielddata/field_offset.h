#pragma once
#include <cstdint>

namespace fielddata {

// The 1-based byte position of a field's slot in the archive, as Field.txt
// gives it: a signed 32-bit number, so no slot lies beyond 2147483647.
using FieldOffset = std::int32_t;

}  // namespace fielddata
