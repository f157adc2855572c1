#pragma once
// Colours as the windows store them: 0x00BBGGRR, or 0x800000nn for system
// colour nn. Each front end shows a stored value in its own way.
#include <cstdint>

namespace ringwright {

using StoredColour = std::uint32_t;

namespace colour {
constexpr StoredColour kWindowBackground = 0x80000005;
constexpr StoredColour kWindowText = 0x80000008;
constexpr StoredColour kWhite = 0x00FFFFFF;
constexpr StoredColour kRed = 0x000000FF;
constexpr StoredColour kBlue = 0x00FF0000;
constexpr StoredColour kYellow = 0x0000FFFF;
constexpr StoredColour kGreen = 0x0000FF00;
constexpr StoredColour kCyan = 0x00FFFF00;
constexpr StoredColour kPaleBlue = 0x00FFC0C0;
}  // namespace colour

constexpr bool isSystemColour(StoredColour value) { return (value & 0x80000000u) != 0; }

}  // namespace ringwright
