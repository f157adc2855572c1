// The field tools beyond the window's own commands: a mirror image for a
// left-handed batter, the ground as a picture, the backups folder, and a
// field file dropped on the window.

#include "editor/file_dialog_records.h"
#include "editor/frm_main.h"
#include "fielddata/message_text.h"
#include "fielddata/coordinates.h"
#include "fielddata/catalogue.h"
#include "fielddata/exchange_file.h"
#include "fielddata/field_picture.h"
#include "fielddata/slot_layout.h"
#include "fielddata/file_system.h"

namespace ringwright {
namespace {

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
    // The picture carries its field, so it imports as one: a field that
    // could not be exported writes no picture either.
    const auto block = BuildFieldText();
    if (!block) return;
    if (const auto fits = fielddata::checkFitsSlot(*block); !fits) return (void)say(fits.reason(), style::kCritical);
    const auto file = fielddata::pathFromUtf8(*chosen);
    if (!view_.saveGroundPicture(*chosen)) {
        say("The picture could not be written to " + fielddata::quotedPath(file) + ".", style::kCritical);
        return;
    }
    if (const auto carried = fielddata::addFieldToPicture(file, *block); !carried)
        say("The picture was saved, but without its field: " + carried.reason(), style::kExclamation);
}

// As Import does with the file chosen in its dialog.
void frmMain::DropFile(const std::string& path) {
    const auto file = fielddata::pathFromUtf8(path);
    if (!fielddata::isPlainFile(fielddata::systemFileSystem(), file)) {
        say(fielddata::quotedPath(file) + " is not a field file, so nothing was imported.", style::kCritical);
        return;
    }
    importFile(path, true);
}

}  // namespace ringwright
