#pragma once
// The editor's faces at a window's DPI: the classic window face, "MS Sans
// Serif" 8.25 pt, for the controls that set none, the same face at 9.75 pt
// bold for the row digits and the markers, "Arial Black" 11.25 pt for the
// "..." button.
#include <windows.h>

#include "win32/scale.h"

namespace ringwright::win32 {

class Fonts {
public:
    explicit Fonts(const Scale& scale);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT window() const { return window_; }
    HFONT marker() const { return marker_; }
    HFONT dots() const { return dots_; }

private:
    HFONT window_, marker_, dots_;
};

}  // namespace ringwright::win32
