#pragma once
// Positions and sizes in twips, 1440 to the inch: 15 to the pixel at 96 dots
// per inch. Each front end turns them into its own pixels in one place.
#include "fielddata/coordinates.h"

namespace ringwright {

using fielddata::Twips;

struct TwipsRect {
    int left, top, width, height;
    bool operator==(const TwipsRect&) const = default;
};

// A marker's or a window's top-left corner: Left and Top.
struct TwipsPoint {
    Twips left = 0, top = 0;
    bool operator==(const TwipsPoint&) const = default;
};

}  // namespace ringwright
