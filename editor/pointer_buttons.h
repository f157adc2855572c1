#pragma once
// Pointer events as the handlers take them: the button mask (the buttons
// held during a move, the button changed on a press or release) and the
// shift state, and the one step both views take while a marker is held.
#include "editor/twips.h"

namespace ringwright {

namespace button {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
}  // namespace button

namespace shift {
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;
}  // namespace shift

// The held marker's top-left corner follows the pointer at (x, y) from the
// corner, kept at the grab offset, each rounded to single precision; no
// bound applies.
inline TwipsPoint followPointer(TwipsPoint marker, float x, float y, float grabX, float grabY) {
    return {float(double(marker.left) + x - grabX), float(double(marker.top) + y - grabY)};
}

}  // namespace ringwright
