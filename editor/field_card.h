#pragma once
// One record of the catalogue as the window of all fields shows it: a small
// picture of its field, its list name, its offset and the field in words, or
// why its slot shows no field.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editor/pixel_rect.h"
#include "editor/twips.h"

namespace ringwright {

struct FieldCard {
    std::string name;    // the list name
    std::string place;   // "at byte 4097", or why the record names no slot
    std::string words;   // the field in words, or why the slot shows none
    // Each marker's Left and Top on the ground view; none without a field.
    std::optional<std::array<TwipsPoint, 9>> markers;
    // The three lines a card shows under its picture.
    std::string caption() const { return name + "\n" + place + "\n" + words; }
};

// Where a card's picture of `side` pixels square puts the ground, the
// dashed circle and each marker (at least 3 pixels, so it shows).
struct CardDrawing {
    PixelRect ground, ring;
    std::vector<PixelRect> markers;
};
CardDrawing drawingOf(const FieldCard& card, int side);

}  // namespace ringwright
