#pragma once
// A rectangle in a view's pixels, as a front end lays out what it draws.

namespace ringwright {

struct PixelRect {
    int left, top, width, height;
};

}  // namespace ringwright
