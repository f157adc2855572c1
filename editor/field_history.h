#pragma once
// The steps of a field for Undo and Redo: each step is the 36 texts as the
// boxes held them, so undoing gives back exactly what was there. The window
// keeps only fields whose coordinates passed the range check.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "fielddata/field_text.h"

namespace ringwright {

// A step holds each fielder's four texts as its boxes show them, the
// animation as its list entry's text ("" while none is chosen).
using FieldState = fielddata::FieldTexts;

class FieldHistory {
public:
    static constexpr std::size_t kSteps = 200;

    // A new field: its history starts here.
    void startWith(const FieldState& state);
    // No field yet: nothing to take back.
    void clear();
    // Keeps `state` as a step when it differs from the one before; a new
    // step drops whatever could have been redone.
    void record(const FieldState& state);
    std::optional<FieldState> undo();
    std::optional<FieldState> redo();
    // The step the boxes stand at, if any.
    const FieldState* current() const;
    bool hasEarlier() const { return at_ > 0; }
    bool hasLater() const { return at_ + 1 < steps_.size(); }

private:
    std::vector<FieldState> steps_;
    std::size_t at_ = 0;
};

}  // namespace ringwright
