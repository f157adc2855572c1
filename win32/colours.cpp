#include "win32/colours.h"

namespace ringwright::win32 {

COLORREF colorRefOf(StoredColour value) {
    return isSystemColour(value) ? GetSysColor(int(value & 0xFF)) : COLORREF(value & 0x00FFFFFF);
}

// One brush per colour for the program's life, given back at its end.
HBRUSH brushOf(StoredColour value) {
    struct Brushes {
        std::map<COLORREF, HBRUSH> made;
        ~Brushes() {
            for (const auto& [colour, brush] : made) DeleteObject(brush);
        }
    };
    static Brushes brushes;
    const COLORREF colour = colorRefOf(value);
    HBRUSH& brush = brushes.made[colour];
    if (!brush) brush = CreateSolidBrush(colour);
    return brush;
}

}  // namespace ringwright::win32
