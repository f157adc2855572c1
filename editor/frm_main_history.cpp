// Undo and Redo of the main window: each step is the 36 texts of a field
// the range check accepted, so what comes back is always a field it would
// accept again.
#include <algorithm>

#include "editor/frm_main.h"
#include "fielddata/coordinates.h"

namespace ringwright {

FieldState frmMain::fieldState() const {
    FieldState state;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const int entry = view_.listIndex(cboAnim(i));
        state[std::size_t(i)] = {view_.text(txtX(i)), view_.text(txtZ(i)),
                                 entry < 0 ? std::string() : view_.listEntry(cboAnim(i), entry), view_.text(txtNum(i))};
    }
    return state;
}

// Every coordinate a number from -8 to 8: a field the range check accepts.
bool frmMain::passesRangeCheck(const FieldState& state) {
    const auto inRange = [](const std::string& text) {
        const auto value = fielddata::parseCoordinate(text);
        return value && fielddata::inCoordinateRange(value.value());
    };
    return std::all_of(state.begin(), state.end(),
                       [&](const fielddata::FielderTexts& fielder) { return inRange(fielder.x) && inRange(fielder.z); });
}

// Only a field the range check has accepted becomes a step, so no Undo or
// Redo ever brings back a coordinate the check refused.
void frmMain::recordStep() {
    const FieldState now = fieldState();
    if (passesRangeCheck(now)) history_.record(now);
}

void frmMain::startHistory() {
    const FieldState now = fieldState();
    if (passesRangeCheck(now)) history_.startWith(now);
    else history_.clear();
}

// The texts exactly as the step holds them; every marker whose two boxes
// hold numbers stands where they say.
void frmMain::showStep(const FieldState& state) {
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const fielddata::FielderTexts& fielder = state[std::size_t(i)];
        view_.setText(txtX(i), fielder.x);
        view_.setText(txtZ(i), fielder.z);
        view_.setText(txtNum(i), fielder.value);
        view_.setListIndex(cboAnim(i), animationEntry(i, fielder.animation));
    }
    placeMarkersFromBoxes();
}

int frmMain::animationEntry(int fielder, const std::string& name) const {
    const int entries = view_.listCount(cboAnim(fielder));
    for (int entry = 0; entry < entries; ++entry)
        if (view_.listEntry(cboAnim(fielder), entry) == name) return entry;
    return -1;
}

void frmMain::placeMarkersFromBoxes() {
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const auto x = fielddata::parseCoordinate(view_.text(txtX(i)));
        const auto z = fielddata::parseCoordinate(view_.text(txtZ(i)));
        if (x && z) view_.moveMarker(i, {fielddata::gameToView(x.value()), fielddata::gameToView(z.value())});
    }
    showRingCount();  // once all nine stand
}

// What the boxes hold beyond the step they stand at: typing the check has
// accepted becomes a step of its own (and a later one can no longer be
// redone); anything else, such as the rest of a load that failed, is taken
// back by going to that step. True when the boxes were put back.
bool frmMain::settleBoxes() {
    const FieldState now = fieldState();
    const FieldState* step = history_.current();
    if (!step || *step == now) return false;
    if (passesRangeCheck(now)) {
        history_.record(now);
        return false;
    }
    showStep(*step);
    return true;
}

bool frmMain::canUndo() const {
    const FieldState* step = history_.current();
    return step && (history_.hasEarlier() || *step != fieldState());
}

bool frmMain::canRedo() const {
    const FieldState* step = history_.current();
    return step && history_.hasLater() && *step == fieldState();
}

void frmMain::Undo() {
    if (settleBoxes()) return;
    if (const auto step = history_.undo()) showStep(*step);
}

void frmMain::Redo() {
    if (settleBoxes()) return;
    if (const auto step = history_.redo()) showStep(*step);
}

}  // namespace ringwright
