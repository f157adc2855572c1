// Captions of markers 10 x 16 pixels, as the ground view draws them.
#include <gtest/gtest.h>

#include "editor/caption_places.h"

namespace ringwright::testing {
namespace {

// Fielders 0 to 2 as given, the others nowhere; each caption as "left,top".
std::string placed(std::array<int, 6> corners, std::array<int, 3> widths, int viewWidth = 401) {
    std::array<PixelRect, 9> markers{};
    std::array<PixelSize, 9> captions{};
    for (std::size_t i = 0; i < 3; ++i) {
        markers[i] = {corners[2 * i], corners[2 * i + 1], 10, 16};
        captions[i] = {widths[i], widths[i] ? 12 : 0};
    }
    std::string shown;
    for (std::size_t i = 0; i < 3; ++i) {
        const PixelRect at = captionPlaces(markers, captions, viewWidth)[i];
        shown += std::to_string(at.left) + "," + std::to_string(at.top) + "x" + std::to_string(at.width) + " ";
    }
    return shown;
}

TEST(CaptionPlaces, ACaptionGoesLeftOnlyWhereTheRightIsTakenAndTheLeftIsFree) {
    // Alone, each on the right, level with the marker's middle.
    EXPECT_EQ(placed({100, 100, 200, 200, 300, 300}, {40, 30, 40}), "111,102x40 211,202x30 311,302x40 ");
    // Fielder 0's right runs over marker 2, so it goes left; fielder 1's
    // right then runs over that caption, so it goes left too; an empty
    // caption covers nothing.
    EXPECT_EQ(placed({100, 100, 45, 104, 120, 100}, {40, 40, 0}), "59,102x40 4,106x40 131,108x0 ");
    // Both sides taken: the right. Past the view's right edge, not up to it: the left.
    EXPECT_EQ(placed({100, 100, 70, 100, 120, 100}, {40, 0, 0}), "111,102x40 81,108x0 131,108x0 ");
    EXPECT_EQ(placed({360, 10, 350, 200, 5, 300}, {40, 40, 40}), "319,12x40 361,202x40 16,302x40 ");
}

}  // namespace
}  // namespace ringwright::testing
