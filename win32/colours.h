#pragma once
// Stored colours as GDI shows them: a system colour is resolved by
// GetSysColor, any other value is already 0x00BBGGRR.
#include <windows.h>

#include <map>

#include "editor/stored_colour.h"

namespace ringwright::win32 {

COLORREF colorRefOf(StoredColour value);

// One solid brush per colour shown, kept while the program runs.
HBRUSH brushOf(StoredColour value);

}  // namespace ringwright::win32
