#include "editor/caption_places.h"

namespace ringwright {
namespace {

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.width > 0 && b.width > 0 && a.left < b.left + b.width && b.left < a.left + a.width &&
           a.top < b.top + b.height && b.top < a.top + a.height;
}

}  // namespace

std::array<PixelRect, 9> captionPlaces(const std::array<PixelRect, 9>& markers, const std::array<PixelSize, 9>& captions,
                                       int viewWidth) {
    std::array<PixelRect, 9> placed{};
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const PixelRect& marker = markers[i];
        const auto [width, height] = captions[i];
        const int top = marker.top + (marker.height - height) / 2;
        const PixelRect right{marker.left + marker.width + 1, top, width, height};
        const PixelRect left{marker.left - 1 - width, top, width, height};
        const auto clear = [&](const PixelRect& box) {
            if (box.left < 0 || box.left + box.width > viewWidth) return false;
            for (std::size_t k = 0; k < placed.size(); ++k)
                if ((k != i && overlap(box, markers[k])) || (k < i && overlap(box, placed[k]))) return false;
            return true;
        };
        placed[i] = clear(right) || !clear(left) ? right : left;
    }
    return placed;
}

}  // namespace ringwright
