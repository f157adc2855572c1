#pragma once
// Where each marker's caption stands on its view, so that fielders standing
// close together do not write their names over each other.
#include <array>

#include "editor/pixel_rect.h"

namespace ringwright {

struct PixelSize {
    int width, height;
};

// Each caption level with its marker's middle, one pixel clear of its right
// edge; of its left edge instead where the right would run out of the view
// or over another marker or an earlier fielder's caption, and the left would
// not. A caption of no width covers nothing.
std::array<PixelRect, 9> captionPlaces(const std::array<PixelRect, 9>& markers, const std::array<PixelSize, 9>& captions,
                                       int viewWidth);

}  // namespace ringwright
