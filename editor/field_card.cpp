#include "editor/field_card.h"

#include <algorithm>

#include "editor/form.h"

namespace ringwright {

CardDrawing drawingOf(const FieldCard& card, int side) {
    const auto scaled = [side](int twips) { return int(double(twips) * side / form::kGroundPictureSide + 0.5); };
    CardDrawing drawing{{0, 0, side, side},
                        {scaled(form::kShape1.left), scaled(form::kShape1.top), scaled(form::kShape1.width),
                         scaled(form::kShape1.height)},
                        {}};
    if (!card.markers) return drawing;
    const int width = std::max(3, scaled(form::kMainMarkers.width));
    const int height = std::max(3, scaled(form::kMainMarkers.height));
    for (const TwipsPoint& marker : *card.markers)
        drawing.markers.push_back({scaled(marker.left), scaled(marker.top), width, height});
    return drawing;
}

}  // namespace ringwright
