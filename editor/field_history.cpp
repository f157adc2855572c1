#include "editor/field_history.h"

namespace ringwright {

void FieldHistory::startWith(const FieldState& state) {
    steps_.assign(1, state);
    at_ = 0;
}

void FieldHistory::clear() {
    steps_.clear();
    at_ = 0;
}

const FieldState* FieldHistory::current() const { return steps_.empty() ? nullptr : &steps_[at_]; }

void FieldHistory::record(const FieldState& state) {
    if (steps_.empty()) return startWith(state);
    if (steps_[at_] == state) return;
    steps_.resize(at_ + 1);
    steps_.push_back(state);
    if (steps_.size() > kSteps + 1) steps_.erase(steps_.begin());
    at_ = steps_.size() - 1;
}

std::optional<FieldState> FieldHistory::undo() {
    if (at_ == 0) return std::nullopt;
    return steps_[--at_];
}

std::optional<FieldState> FieldHistory::redo() {
    if (at_ + 1 >= steps_.size()) return std::nullopt;
    return steps_[++at_];
}

}  // namespace ringwright
