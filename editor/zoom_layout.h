#pragma once
// The zoom window's layout in twips, and its mapping: the square of the main
// ground view between 2000 and 3500 twips, four times enlarged.
#include "editor/twips.h"

namespace ringwright::zoom_layout {

constexpr int kClientWidth = 5910;
constexpr int kClientHeight = 5520;

constexpr int kLine1FromX = 3960, kLine1FromY = 480, kLine1ToX = 1680, kLine1ToY = 1560;
constexpr TwipsRect kShape1{3960, 2160, 375, 2655};
constexpr int kMarkerLeft = 5520;
constexpr int kMarkerWidth = 200;
constexpr int kMarkerHeight = 255;

constexpr double kShownFrom = 2000;  // exclusive, main twips
constexpr double kShownTo = 3500;    // exclusive, main twips
constexpr double kFactor = 4;
constexpr double kParkBeyondWidth = 500;

}  // namespace ringwright::zoom_layout
