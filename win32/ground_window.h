#pragma once
// Picture1: the ground picture in a sunken border, with the broken-line
// circle Shape1 of four game units around the game origin. The markers are
// its children; its client area's top-left corner is the twips origin.
#include <windows.h>

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
    // The ground with its markers as the screen shows it, 400 x 400 at 96 DPI.
    static HBITMAP picture(HWND ground);
};

}  // namespace ringwright::win32
