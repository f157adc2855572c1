#pragma once
// One drag of a marker, on the ground view or in the zoom view, from a press
// on that marker until its last button is let go. Only the marker pressed
// moves: a pointer pressed on the grass that passes over a marker with its
// button held leaves the marker alone, and its release there is no drop.
#include <optional>

#include "editor/twips.h"

namespace ringwright {

class MarkerDrag {
public:
    // A press on fielder's marker, (x, y) twips from its corner: the grab offset.
    void press(int fielder, int button, float x, float y);
    // Where the pressed marker goes for a pointer move to (x, y) with
    // `buttons` held: it follows exactly the left or exactly the right button.
    std::optional<TwipsPoint> follow(int fielder, int buttons, TwipsPoint marker, float x, float y) const;
    // True when the release belongs to a drag of this marker; the drag lasts
    // until its last button is let go.
    bool release(int fielder, int button);
    // The drag ends without its release: the fielder that was held, if any.
    std::optional<int> abandon();

private:
    std::optional<int> fielder_;
    int buttons_ = 0;
    float grabX_ = 0, grabY_ = 0;
};

}  // namespace ringwright
