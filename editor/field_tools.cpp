// The field tools beyond the window's own commands: a mirror image for a
// left-handed batter, undo and redo, the count of fielders inside the
// circle, and a field file dropped on the window.
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

void frmMain::recordStep() { history_.record(fieldState()); }

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

void frmMain::Undo() {
    recordStep();  // a box still being typed in is a step of its own
    if (const auto step = history_.undo()) showStep(*step);
}

void frmMain::Redo() {
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
    platform_.openFolder(folder);
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
    importFile(path);
}

}  // namespace ringwright
