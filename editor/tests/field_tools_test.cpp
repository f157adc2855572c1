#include "editor_fixture.h"

#include <regex>

namespace ringwright::testing {
namespace {

class FieldToolsTest : public EditorTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
};

TEST_F(FieldToolsTest, MirrorNegatesEveryXAsTextAndTwiceGivesItBack) {
    const std::vector<std::string> before{"1.5", "-0.25", "0", "0.000000", " 2 ", "-8", "abc", "7.", "-0"};
    for (int i = 0; i < 9; ++i) view.setText(txtX(i), before[i]);
    const auto zs = texts(Control::txtZ);
    window->MirrorField();
    EXPECT_EQ(texts(Control::txtX),
              (std::vector<std::string>{"-1.5", "0.25", "0", "0.000000", " -2 ", "8", "abc", "-7.", "-0"}));
    EXPECT_EQ(texts(Control::txtZ), zs);
    EXPECT_EQ(platform.messages, Messages{critical("Cannot convert \"abc\" to a number")});
    EXPECT_EQ(view.markers[0].left, 3562.5);  // the markers follow
    EXPECT_EQ(view.markers[5].left, 0);
    window->MirrorField();
    EXPECT_EQ(texts(Control::txtX), before);
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(FieldToolsTest, EveryKindOfChangeIsOneStepBackAndForth) {
    const auto loaded = texts(Control::txtX);
    drag(*window, 4, {375, 0});  // a drag: one step at its drop
    view.setText(txtNum(2), "99");  // a value, when its box loses the focus
    window->txtNum_LostFocus(2);
    view.setListIndex(cboAnim(1), 2);
    window->cboAnim_Click(1);
    view.setText(txtZ(3), "9");  // reset by the range check
    window->txtX_KeyUp(3, 57, 0);
    writeBytes(dir / "f.opt", fielddata::buildFieldText(sampleTexts(1)));
    platform.dialogAnswers.push_back((dir / "f.opt").string());
    window->cmdImport_Click();
    window->MirrorField();
    EXPECT_EQ(view.text(txtX(0)), "3.000000");

    window->Undo();  // the mirror
    EXPECT_EQ(fielder(0), "-3.000000 4.000000 at 4125,1500");
    window->Undo();  // the import
    EXPECT_EQ(view.text(txtX(0)) + " " + xz(3), "-4.000000 1 1");
    window->Undo();  // the reset
    EXPECT_EQ(view.text(txtZ(3)) + " " + std::to_string(view.listIndex(cboAnim(1))), "2.500000 2");
    EXPECT_EQ(view.markers[3].top, 2062.5);
    window->Undo();  // the animation
    EXPECT_EQ(view.listIndex(cboAnim(1)), 1);
    window->Undo();  // the value
    EXPECT_EQ(view.text(txtNum(2)), "12");
    window->Undo();  // the drop
    window->Undo();  // nothing before the field was loaded
    EXPECT_EQ(texts(Control::txtX), loaded);
    EXPECT_EQ(view.markers[4].left, 3000);

    for (int k = 0; k < 6; ++k) window->Redo();
    EXPECT_EQ(view.text(txtX(0)) + " " + view.text(txtNum(2)), "3.000000 12");  // the import's own values
    EXPECT_EQ(view.markers[0].left, 1875);
}

// Two hundred steps are kept; a field chosen from the list starts a history.
TEST_F(FieldToolsTest, TwoHundredStepsAndANewHistoryForAnotherField) {
    for (int k = 1; k <= 205; ++k) {
        view.setText(txtNum(0), std::to_string(k));
        window->txtNum_LostFocus(0);
    }
    for (int k = 0; k < 300; ++k) window->Undo();
    EXPECT_EQ(view.text(txtNum(0)), "5");
    choose(1);
    EXPECT_FALSE(window->canUndo());
    window->Undo();
    EXPECT_EQ(view.text(txtX(0)) + " " + view.text(txtNum(0)), "-3.500000 10");
}

// The history holds only fields the range check accepted: a typed 9 that the
// box gave up to the message box's focus is no step, the reset stands in its
// place, and no Undo or Redo brings the 9 back.
TEST_F(FieldToolsTest, UndoNeverBringsBackWhatTheRangeCheckRefused) {
    EXPECT_FALSE(window->canUndo() || window->canRedo());
    view.setText(txtX(2), "9");
    platform.whileMessageShown = [&] { window->txtX_LostFocus(2); };
    window->txtX_KeyUp(2, 57, 0);
    platform.whileMessageShown = nullptr;
    EXPECT_EQ(platform.messages, Messages{critical("Fielder not in range")});
    EXPECT_EQ(xz(2), "1 1");
    window->Undo();
    EXPECT_EQ(xz(2), "-2.000000 3.000000");
    EXPECT_EQ(view.markers[2], (TwipsPoint{3750, 1875}));
    EXPECT_FALSE(window->canUndo());
    window->Undo();
    EXPECT_EQ(xz(2), "-2.000000 3.000000");
    window->Redo();
    EXPECT_EQ(xz(2), "1 1");
    EXPECT_FALSE(window->canRedo());
    EXPECT_EQ(platform.messages.size(), 1u);

    // A new change after Undo, even one still being typed, ends what could be redone.
    window->Undo();
    view.setText(txtNum(0), "77");
    EXPECT_FALSE(window->canRedo());
    window->Redo();
    EXPECT_EQ(view.text(txtNum(0)) + " " + xz(2), "77 -2.000000 3.000000");
    window->Undo();  // to the step before the 77, not to the reset it replaced
    EXPECT_EQ(xz(2), "-2.000000 3.000000");
    EXPECT_FALSE(window->canUndo());
    window->Redo();
    // A Z typed out of range and not yet checked is taken back, not kept.
    view.setText(txtZ(5), "12");
    window->Undo();
    EXPECT_EQ(view.text(txtZ(5)) + " " + view.text(txtNum(0)), "1.500000 77");

    // A load that stops with a failure is one change, taken back whole.
    std::string bytes = readBytes(archive);
    const std::string second = fielddata::buildFieldText(sampleTexts(0.5));
    bytes.replace(kSecondSlot - 1, 2040, fielddata::paddedBlock(second.substr(0, second.find("Player Fielder_8"))));
    writeBytes(archive, bytes);
    const auto xs = texts(Control::txtX);
    choose(1);
    EXPECT_EQ(view.text(txtX(0)), "-3.500000");
    window->Undo();
    EXPECT_EQ(texts(Control::txtX), xs);
}

TEST_F(FieldToolsTest, TheRingCountTakesTheCircleItselfAsInside) {
    EXPECT_EQ(view.ringCount, "Inside 7 \xC2\xB7 Outside 2");  // of the first field, at start-up
    const char* xs[] = {"4", "4.01", "0", "2.83", "-2.8", "0", "8", "-4", "0"};
    const char* zs[] = {"0", "0", "-4", "2.83", "2.8", "0", "8", "0", "4.0001"};
    for (int i = 0; i < 9; ++i) {
        view.setText(txtX(i), xs[i]);
        view.setText(txtZ(i), zs[i]);
    }
    window->MoveFielderToCoordinates();
    EXPECT_EQ(view.ringCount, "Inside 5 \xC2\xB7 Outside 4");
    window->lblFielder_MouseDown(1, button::kLeft, 0, 0, 0);  // a marker moved by the pointer counts at once
    window->lblFielder_MouseMove(1, button::kLeft, 0, 30, 0);
    EXPECT_EQ(view.ringCount, "Inside 6 \xC2\xB7 Outside 3");
}

// The slips of both sample fields stand up and to the left: the striker is
// taken to be at the top end, the off side on the left.
TEST_F(FieldToolsTest, EveryFielderIsNamedLiveAndTheFieldSaidInOneLine) {
    EXPECT_EQ(view.inWords, "1 slip, silly point, point, cover point \u00D72, deep square leg, long leg, backward square "
                            "leg, short fine leg \u00B7 5 off, 4 leg");
    EXPECT_EQ(view.names[4], "first slip");  // X 0, Z 2: just behind the stumps at Z 1.3
    EXPECT_EQ(view.warnings, "4 behind square on the leg side (fielders 0, 1, 2 and 3): Law 28.4 allows 2");
    window->lblFielder_MouseDown(4, button::kLeft, 0, 0, 0);
    window->lblFielder_MouseMove(4, button::kLeft, 0, 0, 1500);  // 4 units down, beside the striker
    EXPECT_EQ(view.names[4], "mid-off");
    window->cmdZoom_Click();
    EXPECT_EQ(view.zoom->names, view.names);
}

// The ground view's choices, each ticked while it holds, the guess marked;
// kept per archive for the next start. The field copies as text.
TEST_F(FieldToolsTest, TheMenusChoicesAreKeptAndTheFieldCopiesAsText) {
    const auto shown = [&](form::Tool tool) {
        for (const form::MenuEntry& entry : form::groundMenu())
            if (entry.tool == tool) {
                const ToolState state = window->toolState(entry);
                return state.label + (state.checked ? " [x]" : "");
            }
        return std::string();
    };
    EXPECT_EQ(window->toolState(form::groundMenu()[0]).enabled, false);  // Undo: nothing to take back
    EXPECT_EQ(shown(form::Tool::StrikerAtTop), "Striker at the &top end (guessed) [x]");
    EXPECT_EQ(shown(form::Tool::OffSideRight), "Off side on the ri&ght");
    window->RunTool(form::Tool::StrikerAtBottom);  // no folder for the settings: said, and still used
    EXPECT_EQ(platform.messages, (Messages{{"The choice could not be kept for the next start: the system names no "
                                            "folder for Ringwright's settings", 48, "Ringwright"}}));
    platform.configFolder = dir / "config";
    start();
    window->RunTool(form::Tool::StrikerAtBottom);
    EXPECT_EQ(shown(form::Tool::StrikerAtBottom), "Striker at the b&ottom end [x]");
    EXPECT_EQ(view.names[4], "mid-off");  // X 0, Z 2, now in front of the striker
    window->RunTool(form::Tool::PositionNames);
    EXPECT_TRUE(view.names == (std::array<std::string, 9>{}));
    EXPECT_TRUE(std::regex_match(readBytes(dir / "config" / "settings.ini"),
                                 std::regex("\\[Longstopper\\.gob-[0-9a-f]{16}\\]\r\nStriker=bottom\r\n"
                                            "\\[Ringwright\\]\r\nPositionNames=0\r\n")));
    start();  // as the next start finds them
    EXPECT_EQ(shown(form::Tool::PositionNames) + "; " + shown(form::Tool::StrikerAtBottom),
              "Position &names; Striker at the b&ottom end [x]");
    window->RunTool(form::Tool::CopyFieldText);
    ASSERT_EQ(platform.copiedTexts.size(), 1u);
    const std::string& copied = platform.copiedTexts[0];
    EXPECT_EQ(copied.substr(0, copied.find("\n1  ")),
              "cover point, cover, extra cover, mid-off \u00D72, mid-on \u00D72, cow corner \u00D72 \u00B7 5 off, 4 leg\n"
              "0  cow corner  X -4.000000  Z 4.000000  Basic04b.anm 10");
    EXPECT_EQ(copied.substr(copied.find("\n8  ")), "\n8  cover point  X 4.000000  Z 0.000000  Close01.anm 18\n");
}

// As a drop at the position's usual spot: the boxes with six decimals, one
// step; a cancelled dialog changes nothing.
TEST_F(FieldToolsTest, AFielderIsPlacedByName) {
    window->RunTool(form::Tool::PlaceFielder);
    EXPECT_EQ(view.placingFielders[4], "Fielder 4: first slip");
    EXPECT_EQ(view.placingPositions[5], "gully");
    EXPECT_EQ(xz(4), "0.000000 2.000000");
    view.placement = std::pair{4, 5};  // gully, with the striker at the top end and the off side on the left
    window->RunTool(form::Tool::PlaceFielder);
    EXPECT_EQ(xz(4) + " " + view.names[4], "1.580872 2.723423 gully");
    window->Undo();
    EXPECT_EQ(xz(4), "0.000000 2.000000");
}

TEST_F(FieldToolsTest, ADroppedFieldFileIsImportedAndAnythingElseIsRefused) {
    writeBytes(dir / "f.opt", fielddata::buildFieldText(sampleTexts(2)));
    window->DropFile((dir / "f.opt").string());
    EXPECT_EQ(view.text(txtX(0)) + " " + view.text(kLblFileName), "-2.000000 " + (dir / "f.opt").string());
    EXPECT_TRUE(platform.messages.empty() && platform.dialogs.empty());

    writeBytes(dir / "ground.png", "\x89PNG\r\n\x1a\n");
    for (const auto& refused : {dir.path(), dir / "missing.opt", dir / "ground.png"}) {
        window->DropFile(refused.string());
        EXPECT_EQ(platform.messages.back(),
                  critical("\"" + refused.string() + "\" is not a field file, so nothing was imported."));
    }
    EXPECT_EQ(view.text(txtX(0)) + " " + view.text(kLblFileName), "-2.000000 " + (dir / "f.opt").string());
}

TEST_F(FieldToolsTest, PicturesAndTheBackupsFolder) {
    platform.dialogAnswers = {(dir / "slips").string(), (dir / "b.png").string()};
    window->SavePicture();
    window->CopyPicture();
    EXPECT_EQ(platform.dialogs.back().record,
              (FileDialogRecord{"PNG picture", "*.png", "Deep, Fine", "Save the picture", 0x6, kMainHandle}));
    view.pictureWritable = false;
    window->SavePicture();
    EXPECT_EQ(view.picturesSaved, (std::vector<std::string>{(dir / "slips.png").string(), (dir / "b.png").string()}));
    EXPECT_EQ(view.picturesCopied, 1);
    EXPECT_EQ(platform.messages,
              Messages{critical("The picture could not be written to \"" + (dir / "b.png").string() + "\".")});
    // The picture carries the field: its chunk before the end, and dropped
    // back it is the field again; a damaged one is refused.
    const std::string png = readBytes(dir / "slips.png");
    EXPECT_EQ(png.substr(8, 34), std::string("\0\0\x06\x22iTXtRingwright field\0\0\0\0\0BEGIN", 34));  // 1570 bytes
    EXPECT_TRUE(png.ends_with(std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12)));
    view.setText(txtX(0), "7");
    window->DropFile((dir / "slips.png").string());
    EXPECT_EQ(view.text(txtX(0)) + " " + view.text(kLblFileName), "-4.000000 " + (dir / "slips.png").string());
    writeBytes(dir / "slips.png", std::string(png).replace(60, 1, "X"));
    window->DropFile((dir / "slips.png").string());
    EXPECT_EQ(platform.messages.back(), critical("\"" + (dir / "slips.png").string() + "\" is a picture whose field is "
                                                 "damaged, so nothing was imported."));
    window->OpenBackupsFolder();
    EXPECT_EQ(platform.openedFolders, std::vector<std::filesystem::path>{dir / "data" / "backups"});
    EXPECT_TRUE(std::filesystem::is_directory(dir / "data" / "backups"));
    platform.folderOpens = false;  // no file manager: the player is told where it is
    window->OpenBackupsFolder();
    EXPECT_EQ(platform.messages.back(), information("No program here could open the backups folder. It is \"" +
                                                    (dir / "data" / "backups").string() + "\"."));
}

}  // namespace
}  // namespace ringwright::testing
