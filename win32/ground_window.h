#pragma once
// Picture1: the ground picture in a sunken border, with the broken-line
// circle Shape1 of four game units around the game origin. The markers are
// its children; its client area's top-left corner is the twips origin.
#include <windows.h>

#include <array>
#include <string>

#include "win32/scale.h"

namespace ringwright::win32 {

class GroundWindow {
public:
    static void registerClass(HINSTANCE instance);
    // Made at `at`, in its parent's client pixels.
    static HWND create(HWND parent, int id, const RECT& at, const Scale& scale);
    // At another DPI the picture is scaled afresh.
    static void rescale(HWND ground, const Scale& scale);
    // The count of fielders inside and outside the circle, in the top-left corner.
    static void setRingCount(HWND ground, const std::wstring& text, HFONT font);
    // The markers' captions, and the field in words on the line under the ring count.
    static void setFieldInWords(HWND ground, const std::array<std::wstring, 9>& names, const std::wstring& line,
                                const std::wstring& warnings);
    // The ground with its markers as the screen shows it, 400 x 400 at 96 DPI.
    static HBITMAP picture(HWND ground);
};

}  // namespace ringwright::win32
