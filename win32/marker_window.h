#pragma once
// A fielder's marker: a small child window showing its digit, whose Left and
// Top are kept in twips as single-precision numbers. It holds the pointer
// from a press until every button is let go, and hands each event on as the
// handlers take it: index, button mask, shift state, x and y in twips from
// its top-left corner.
#include <windows.h>

#include <array>
#include <string>

#include "editor/stored_colour.h"
#include "editor/twips.h"
#include "win32/scale.h"

namespace ringwright::win32 {

class MarkerEvents {
public:
    virtual ~MarkerEvents() = default;
    virtual void markerDown(int index, int button, int shift, float x, float y) = 0;
    virtual void markerMove(int index, int button, int shift, float x, float y) = 0;
    virtual void markerUp(int index, int button, int shift, float x, float y) = 0;
    // The pointer was taken away while a button was held.
    virtual void markerLost() = 0;
};

struct MarkerLook {
    StoredColour fore, back;
    HFONT font;
    int width, height;  // twips
};

class MarkerWindow {
public:
    static void registerClass(HINSTANCE instance);
    // A child of `parent` with the identifier `id`, made at `where`; its state lives with the window.
    static HWND create(HWND parent, int id, int index, TwipsPoint where, const MarkerLook& look, MarkerEvents& events,
                       const Scale& scale);

    static TwipsPoint position(HWND marker);
    // Moves in one operation; the size stays.
    static void moveTo(HWND marker, TwipsPoint where);
    static void setBackColor(HWND marker, StoredColour colour);
    // At another DPI: the font and the pixels change, the twips stay.
    static void rescale(HWND marker, HFONT font, const Scale& scale);
    // The markers' captions, drawn by the view they stand on: small text one
    // pixel clear of each marker, on the side where it covers no other.
    static void drawCaptions(HDC dc, HWND view, const std::array<std::wstring, 9>& captions, HFONT font, COLORREF colour);
};

}  // namespace ringwright::win32
