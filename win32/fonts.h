#pragma once
// The form's faces at a window's DPI: the window's own for the controls that
// set none, the bold one of the row digits and the markers, the black one of
// the "..." button.
#include <windows.h>

#include <array>

#include "editor/form.h"
#include "win32/scale.h"

namespace ringwright::win32 {

class Fonts {
public:
    explicit Fonts(const Scale& scale);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT of(form::Face face) const { return fonts_[std::size_t(face)]; }

private:
    std::array<HFONT, 3> fonts_;
};

}  // namespace ringwright::win32
