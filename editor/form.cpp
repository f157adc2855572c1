#include "editor/form.h"

#include <algorithm>

namespace ringwright::form {
namespace {

constexpr ControlId labelOne(int k) { return {Control::Label1, k}; }
constexpr int rowTop(int fielder) { return 1200 + 480 * fielder; }

std::vector<Row> makeMainRows() {
    std::vector<Row> rows = {
        {{Control::Label3}, Kind::Label, {0, 30, 375, 255}, "&GOB", 0},
        {kTxtGOBFile, Kind::TextBox, {480, 30, 9135, 285}, "", 1},
        {{Control::cmdGOBFile}, Kind::Button, {9840, 0, 375, 330}, "...", 2, Face::Dots, {}, {}, "Select GOB file"},
        {labelOne(4), Kind::Label, {6240, 480, 495, 255}, "&List", 3},
        {kCboFieldList, Kind::DropDownList, {6840, 480, 3495, 315}, "", 4},
    };
    for (int i = 0; i < 9; ++i) {
        const int top = rowTop(i);
        rows.push_back({txtX(i), Kind::TextBox, {6360, top, 855, 300}, "", 5 + 4 * i});
        rows.push_back({txtZ(i), Kind::TextBox, {7320, top, 855, 300}, "", 6 + 4 * i});
        rows.push_back({cboAnim(i), Kind::DropDownList, {8280, top, 975, 315}, "", 7 + 4 * i});
        rows.push_back({txtNum(i), Kind::TextBox, {9360, top, 1000, 300}, "", 8 + 4 * i});
    }
    rows.push_back({{Control::cmdZoom}, Kind::Button, {6240, 5520, 1215, 495}, "&Zoom", 41});
    rows.push_back({{Control::cmdSave}, Kind::Button, {7680, 5520, 1215, 495}, "&Save", 42});
    rows.push_back({{Control::cmdImport}, Kind::Button, {6240, 6120, 1215, 495}, "&Import", 43});
    rows.push_back({{Control::cmdExport}, Kind::Button, {7680, 6120, 1215, 495}, "&Export", 44});
    rows.push_back({{Control::Picture1}, Kind::GroundView, {30, 480, 6075, 6075}, "", 45});
    // The markers, 46 to 54, stand on Picture1: see kMainMarkers.
    rows.push_back({kLblFileName, Kind::Label, {9840, 0, 735, 375}, "", 55, Face::Window, colour::kPaleBlue, {}, {},
                    false});
    const std::string_view headings[] = {"X pos", "Z pos", "Animation", "Value"};
    const TwipsRect headingPlaces[] = {{6480, 840, 495, 255}, {7320, 840, 495, 255}, {8280, 840, 735, 255},
                                       {9480, 840, 495, 255}};
    for (int k = 0; k < 4; ++k) rows.push_back({labelOne(k), Kind::Label, headingPlaces[k], headings[k], 56 + k});
    static const std::string_view digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
    for (int i = 0; i < 9; ++i)
        rows.push_back({labelOne(5 + i), Kind::Label, {6120, rowTop(i), 150, 240}, digits[i], 60 + i, Face::Digit, {},
                        colour::kWindowText});
    rows.push_back({{Control::cmdAbout}, Kind::Button, {9000, 5760, 1215, 495}, "&About", 69});
    return rows;
}

}  // namespace

Typeface faceOf(Face face) {
    switch (face) {
    case Face::Digit: return {"MS Sans Serif", 9.75, 700};
    case Face::Dots: return {"Arial Black", 11.25, 900};
    default: return {"MS Sans Serif", 8.25, 400};
    }
}

const std::vector<Row>& mainRows() {
    static const std::vector<Row> rows = makeMainRows();
    return rows;
}

const Row& rowOf(ControlId id) {
    const auto& rows = mainRows();
    return *std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return row.id == id; });
}

const std::vector<MenuEntry>& groundMenu() {
    static const std::vector<MenuEntry> entries = {
        {Tool::Undo, "&Undo", "Ctrl+Z"},
        {Tool::Redo, "&Redo", "Ctrl+Y"},
        {Tool::Mirror, "&Mirror for a left-handed batter", "Ctrl+M", true},
        {Tool::CopyPicture, "&Copy picture", "Ctrl+C", true},
        {Tool::SavePicture, "Save &picture...", ""},
        {Tool::OpenBackups, "Open &backups folder", ""},
        {Tool::CopyFieldText, "Copy &field as text", "Ctrl+Shift+C", true},
        {Tool::PlaceFielder, "Place f&ielder...", "Ctrl+Shift+P"},
        {Tool::PositionNames, "Position &names", "", true, true},
        {Tool::StrikerAtTop, "Striker at the &top end", "", true, true},
        {Tool::StrikerAtBottom, "Striker at the b&ottom end", "", false, true},
        {Tool::OffSideLeft, "Off side on the &left", "", true, true},
        {Tool::OffSideRight, "Off side on the ri&ght", "", false, true},
        {Tool::AllFields, "&All fields...", "Ctrl+L", true},
        {Tool::RenameField, "R&ename field...", ""},
    };
    return entries;
}

const std::vector<ToolKey>& toolKeys() {
    static const std::vector<ToolKey> keys = {
        {Tool::Mirror, 'M', false, false}, {Tool::Undo, 'Z', false, false}, {Tool::Redo, 'Y', false, false},
        {Tool::Redo, 'Z', true, false},    {Tool::CopyPicture, 'C', false, true},
        {Tool::CopyFieldText, 'C', true, false},   {Tool::PlaceFielder, 'P', true, false},
        {Tool::AllFields, 'L', false, false},
    };
    return keys;
}

}  // namespace ringwright::form
