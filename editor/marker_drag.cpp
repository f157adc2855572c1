#include "editor/marker_drag.h"

#include "editor/pointer_buttons.h"

namespace ringwright {

void MarkerDrag::press(int fielder, int button, float x, float y) {
    if (fielder_ != fielder) buttons_ = 0;
    fielder_ = fielder;
    buttons_ |= button;
    grabX_ = x;
    grabY_ = y;
}

std::optional<TwipsPoint> MarkerDrag::follow(int fielder, int buttons, TwipsPoint marker, float x, float y) const {
    if (fielder_ != fielder || (buttons != button::kLeft && buttons != button::kRight)) return std::nullopt;
    return followPointer(marker, x, y, grabX_, grabY_);
}

bool MarkerDrag::release(int fielder, int button) {
    if (fielder_ != fielder) return false;
    buttons_ &= ~button;
    if (buttons_ == 0) fielder_.reset();
    return true;
}

std::optional<int> MarkerDrag::abandon() {
    const auto held = fielder_;
    fielder_.reset();
    buttons_ = 0;
    return held;
}

}  // namespace ringwright
