// The form as the window's design gives it: every place in twips, caption,
// access key, focus position, face and colour, typed out here.
#include <gtest/gtest.h>

#include "editor/form.h"

namespace ringwright::testing {
namespace {

struct Expected {
    ControlId id;
    TwipsRect place;
    std::string_view caption;
    int tabIndex;
};

std::string name(ControlId id) { return std::to_string(int(id.control)) + "(" + std::to_string(id.index) + ")"; }

TEST(Form, EveryControlHasItsPlaceCaptionAndFocusPosition) {
    std::vector<Expected> expected = {
        {{Control::Label3}, {0, 30, 375, 255}, "&GOB", 0},
        {{Control::txtGOBFile}, {480, 30, 9135, 285}, "", 1},
        {{Control::cmdGOBFile}, {9840, 0, 375, 330}, "...", 2},
        {{Control::lblFileName}, {9840, 0, 735, 375}, "", 55},
        {{Control::Label1, 4}, {6240, 480, 495, 255}, "&List", 3},
        {{Control::cboFieldList}, {6840, 480, 3495, 315}, "", 4},
        {{Control::Label1, 0}, {6480, 840, 495, 255}, "X pos", 56},
        {{Control::Label1, 1}, {7320, 840, 495, 255}, "Z pos", 57},
        {{Control::Label1, 2}, {8280, 840, 735, 255}, "Animation", 58},
        {{Control::Label1, 3}, {9480, 840, 495, 255}, "Value", 59},
        {{Control::Picture1}, {30, 480, 6075, 6075}, "", 45},
        {{Control::cmdZoom}, {6240, 5520, 1215, 495}, "&Zoom", 41},
        {{Control::cmdSave}, {7680, 5520, 1215, 495}, "&Save", 42},
        {{Control::cmdAbout}, {9000, 5760, 1215, 495}, "&About", 69},
        {{Control::cmdImport}, {6240, 6120, 1215, 495}, "&Import", 43},
        {{Control::cmdExport}, {7680, 6120, 1215, 495}, "&Export", 44},
    };
    const char* digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
    for (int i = 0; i < 9; ++i) {
        const int top = 1200 + 480 * i;
        expected.push_back({{Control::Label1, 5 + i}, {6120, top, 150, 240}, digits[i], 60 + i});
        expected.push_back({{Control::txtX, i}, {6360, top, 855, 300}, "", 5 + 4 * i});
        expected.push_back({{Control::txtZ, i}, {7320, top, 855, 300}, "", 6 + 4 * i});
        expected.push_back({{Control::cboAnim, i}, {8280, top, 975, 315}, "", 7 + 4 * i});
        expected.push_back({{Control::txtNum, i}, {9360, top, 1000, 300}, "", 8 + 4 * i});
    }
    ASSERT_EQ(form::mainRows().size(), expected.size());
    for (const Expected& control : expected) {
        const form::Row& row = form::rowOf(control.id);
        EXPECT_EQ(row.place, control.place) << name(control.id);
        EXPECT_EQ(row.caption, control.caption) << name(control.id);
        EXPECT_EQ(row.tabIndex, control.tabIndex) << name(control.id);
    }
    // Made in TabIndex order: Tab walks them so, and each access key's label
    // comes just before the control it leads to.
    int last = -1;
    for (const form::Row& row : form::mainRows()) EXPECT_LT(std::exchange(last, row.tabIndex), row.tabIndex);
}

TEST(Form, KindsFacesColoursAndTheHiddenLabel) {
    using form::Kind;
    const std::pair<ControlId, Kind> kinds[] = {{{Control::cboFieldList}, Kind::DropDownList}, {{Control::cboAnim, 8}, Kind::DropDownList},
                                                {txtNum(0), Kind::TextBox}, {{Control::cmdAbout}, Kind::Button},
                                                {{Control::Picture1}, Kind::GroundView}, {{Control::Label1, 2}, Kind::Label}};
    for (const auto& [id, kind] : kinds) EXPECT_EQ(form::rowOf(id).kind, kind) << name(id);

    const form::Row& dots = form::rowOf({Control::cmdGOBFile});
    EXPECT_EQ(dots.tooltip, "Select GOB file");
    std::string faces;  // Arial Black's one weight is its heaviest
    for (ControlId id : {dots.id, ControlId{Control::Label1, 13}, txtX(0)}) {
        const form::Typeface face = form::faceOf(form::rowOf(id).face);
        faces += std::string(face.family) + " " + std::to_string(face.points) + " " + std::to_string(face.weight) + "; ";
    }
    EXPECT_EQ(faces, "Arial Black 11.250000 900; MS Sans Serif 9.750000 700; MS Sans Serif 8.250000 400; ");
    EXPECT_EQ(form::rowOf({Control::Label1, 5}).fore, 0x80000008u);

    const form::Row& hidden = form::rowOf({Control::lblFileName});
    EXPECT_FALSE(hidden.visible);
    EXPECT_EQ(hidden.back, 0x00FFC0C0u);
    for (const form::Row& row : form::mainRows())
        EXPECT_EQ(row.visible, row.id != hidden.id) << name(row.id);
}

TEST(Form, WindowsMarkersAndTheGround) {
    EXPECT_EQ(form::kMainTitle, "Ringwright");
    EXPECT_EQ(form::kMainClientWidth * 1000 + form::kMainClientHeight, 10440 * 1000 + 6690);
    EXPECT_EQ(form::kShape1, (TwipsRect{1500, 1500, 3000, 3000}));
    EXPECT_EQ(form::kGroundPictureSide, 6000);
    const int tops[] = {720, 1080, 1440, 1920, 2280, 2640, 3000, 3360, 3720};
    for (const form::Markers* markers : {&form::kMainMarkers, &form::kZoomMarkers})
        EXPECT_TRUE(std::equal(std::begin(tops), std::end(tops), markers->tops));
    EXPECT_EQ(std::vector<int>({form::kMainMarkers.left, form::kMainMarkers.width, form::kMainMarkers.height}),
              std::vector<int>({1320, 150, 240}));
    EXPECT_EQ(form::kMainMarkers.fore, 0x00FFFFFFu);  // white on red
    EXPECT_EQ(form::kMainMarkers.back, 0x000000FFu);

    EXPECT_EQ(form::kZoomTitle, "Zoom View");
    EXPECT_EQ(form::kZoomClientWidth * 1000 + form::kZoomClientHeight, 5910 * 1000 + 5520);
    EXPECT_EQ(form::kLine1From, (TwipsPoint{3960, 480}));
    EXPECT_EQ(form::kLine1To, (TwipsPoint{1680, 1560}));
    EXPECT_EQ(form::kZoomShape1, (TwipsRect{3960, 2160, 375, 2655}));
    EXPECT_EQ(std::vector<int>({form::kZoomMarkers.left, form::kZoomMarkers.width, form::kZoomMarkers.height}),
              std::vector<int>({5520, 200, 255}));
    EXPECT_EQ(form::kZoomMarkers.fore, 0x80000008u);  // window text on cyan
    EXPECT_EQ(form::kZoomMarkers.back, 0x00FFFF00u);
}

TEST(Form, TheFieldToolsMenuAndKeys) {
    std::string menu;
    for (const form::MenuEntry& entry : form::groundMenu())
        menu += std::string(entry.separatorBefore ? "| " : "") + std::string(entry.label) + " " + std::string(entry.keys) + "; ";
    EXPECT_EQ(menu, "&Undo Ctrl+Z; &Redo Ctrl+Y; | &Mirror for a left-handed batter Ctrl+M; | &Copy picture Ctrl+C; "
                    "Save &picture... ; Open &backups folder ; | Copy &field as text Ctrl+Shift+C; Place f&ielder... Ctrl+Shift+P; "
                    "| Position &names ; "
                    "| Striker at the &top end ; Striker at the b&ottom end ; | Off side on the &left ; "
                    "Off side on the ri&ght ; | &All fields... Ctrl+L; R&ename field... ; ");
    std::string keys;
    for (const form::ToolKey& key : form::toolKeys())
        keys += std::to_string(int(key.tool)) + (key.shift ? "+Shift+" : "+") + key.key + (key.groundViewOnly ? " ground" : "") + "; ";
    // Mirror Ctrl+M, Undo Ctrl+Z, Redo Ctrl+Y and Ctrl+Shift+Z, Copy picture Ctrl+C on the ground view,
    // Copy field as text Ctrl+Shift+C, Place fielder Ctrl+Shift+P.
    EXPECT_EQ(keys, "2+M; 0+Z; 1+Y; 1+Shift+Z; 3+C ground; 6+Shift+C; 7+Shift+P; 13+L; ");
}

}  // namespace
}  // namespace ringwright::testing
