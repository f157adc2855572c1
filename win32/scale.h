#pragma once
// Twips are 1/1440 inch: at the window's DPI they become pixels here, and
// pointer positions become twips here, in this one place.
#include <windows.h>

#include <cmath>

#include "editor/twips.h"

namespace ringwright::win32 {

class Scale {
public:
    explicit Scale(UINT dpi = 96) : dpi_(dpi) {}

    UINT dpi() const { return dpi_; }
    int pixels(double twips) const { return int(std::lround(twips * dpi_ / 1440.0)); }
    RECT pixels(const TwipsRect& r) const {
        const int left = pixels(r.left), top = pixels(r.top);
        return {left, top, left + pixels(r.width), top + pixels(r.height)};
    }
    POINT pixels(TwipsPoint p) const { return {pixels(p.left), pixels(p.top)}; }
    float twips(int pixels) const { return float(pixels * 1440.0 / dpi_); }
    // A font's height for its size in points.
    int fontHeight(double points) const { return -int(std::lround(points * dpi_ / 72.0)); }

private:
    UINT dpi_;
};

}  // namespace ringwright::win32
