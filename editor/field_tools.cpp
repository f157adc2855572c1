// The field tools beyond the window's own commands: a mirror image for a
// left-handed batter, undo and redo, the count of fielders inside the
// circle, and a field file dropped on the window.
#include <algorithm>
#include <cmath>

#include "editor/file_dialog_records.h"
#include "editor/frm_main.h"
#include "fielddata/archive_slot.h"
#include "fielddata/coordinates.h"
#include "fielddata/exchange_file.h"

namespace ringwright {
namespace {

constexpr double kRingRadius = 4;  // game units, the circle drawn on the ground

// "1.5" becomes "-1.5" and back; blanks around the number stay, and a
// value of zero keeps its own text.
std::string mirrored(const std::string& text, double value) {
    if (value == 0) return text;
    std::string result = text;
    const auto sign = result.find_first_not_of(" \t");
    if (result[sign] == '-') result.erase(sign, 1);
    else if (result[sign] == '+') result[sign] = '-';
    else result.insert(sign, 1, '-');
    return result;
}

}  // namespace

FieldState frmMain::fieldState() const {
    FieldState state;
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        state[std::size_t(i)] = {view_.text(txtX(i)), view_.text(txtZ(i)), view_.text(txtNum(i)),
                                 view_.listIndex(cboAnim(i))};
    return state;
}

// Every coordinate a number from -8 to 8: a field the range check accepts.
bool frmMain::passesRangeCheck(const FieldState& state) {
    const auto inRange = [](const std::string& text) {
        const auto value = fielddata::parseCoordinate(text);
        return value && fielddata::inCoordinateRange(value.value());
    };
    return std::all_of(state.begin(), state.end(),
                       [&](const FielderState& fielder) { return inRange(fielder.x) && inRange(fielder.z); });
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
        const FielderState& fielder = state[std::size_t(i)];
        view_.setText(txtX(i), fielder.x);
        view_.setText(txtZ(i), fielder.z);
        view_.setText(txtNum(i), fielder.value);
        view_.setListIndex(cboAnim(i), fielder.animation);
    }
    placeMarkersFromBoxes();
}

void frmMain::placeMarkersFromBoxes() {
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const auto x = fielddata::parseCoordinate(view_.text(txtX(i)));
        const auto z = fielddata::parseCoordinate(view_.text(txtZ(i)));
        if (x && z) placeMarker(i, {fielddata::gameToView(x.value()), fielddata::gameToView(z.value())});
    }
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

// Across the pitch, which runs along Z: every X changes its sign.
void frmMain::MirrorField() {
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const std::string text = view_.text(txtX(i));
        const auto value = fielddata::parseCoordinate(text);
        if (!value) {
            say(value.reason(), style::kCritical);
            continue;
        }
        view_.setText(txtX(i), mirrored(text, value.value()));
    }
    placeMarkersFromBoxes();
    recordStep();
}

void frmMain::placeMarker(int fielder, TwipsPoint where) {
    view_.moveMarker(fielder, where);
    showRingCount();
}

void frmMain::showRingCount() {
    int inside = 0;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        const TwipsPoint marker = view_.markerPosition(i);
        const double x = fielddata::viewToGame(marker.left), z = fielddata::viewToGame(marker.top);
        if (x * x + z * z <= kRingRadius * kRingRadius) ++inside;
    }
    view_.setRingCount("Inside " + std::to_string(inside) + " \xC2\xB7 Outside " +
                       std::to_string(fielddata::kFielderCount - inside));
}

void frmMain::OpenBackupsFolder() {
    const auto folder = platform_.userDataFolder() / "backups";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    if (!platform_.openFolder(folder))
        say("No program here could open the backups folder. It is " + fielddata::quotedPath(folder) + ".",
            style::kInformation);
}

void frmMain::CopyPicture() { view_.copyGroundPicture(); }

void frmMain::SavePicture() {
    auto chosen = platform_.saveFileDialog(pictureRecord(selectedListName(), view_.windowHandle({Control::frmMain})));
    if (!chosen) return;
    if (!chosen->ends_with(".png")) *chosen += ".png";
    if (!view_.saveGroundPicture(*chosen))
        say("The picture could not be written to " + fielddata::quotedPath(fielddata::pathFromUtf8(*chosen)) + ".",
            style::kCritical);
}

// As Import does with the file chosen in its dialog.
void frmMain::DropFile(const std::string& path) {
    const auto file = fielddata::pathFromUtf8(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        say(fielddata::quotedPath(file) + " is not a field file, so nothing was imported.", style::kCritical);
        return;
    }
    importFile(path, true);
}

}  // namespace ringwright
