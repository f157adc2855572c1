#include "win32/colours.h"

namespace ringwright::win32 {

COLORREF colorRefOf(StoredColour value) {
    return isSystemColour(value) ? GetSysColor(int(value & 0xFF)) : COLORREF(value & 0x00FFFFFF);
}

HBRUSH brushOf(StoredColour value) {
    static std::map<COLORREF, HBRUSH> brushes;
    const COLORREF colour = colorRefOf(value);
    HBRUSH& brush = brushes[colour];
    if (!brush) brush = CreateSolidBrush(colour);
    return brush;
}

}  // namespace ringwright::win32
