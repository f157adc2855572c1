#include "editor_fixture.h"

namespace ringwright::testing {
namespace {

TEST_F(EditorTest, ChoosingAFieldWithoutArchiveAsksForOneAndLoadsNothing) {
    ASSERT_TRUE(start(false));
    platform.dialogAnswers.push_back(archive.string());
    choose(1);
    EXPECT_EQ(platform.messages, Messages{critical("Please select the GOB file")});
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_FALSE(platform.dialogs[0].save);
    EXPECT_EQ(platform.dialogs[0].record,
              (FileDialogRecord{"Longstopper GOB", "*.gob", "", "Select the file", 0x1004, kMainHandle}));
    EXPECT_EQ(view.text(kTxtGOBFile), archive.string());
    EXPECT_EQ(view.text(txtX(0)), "");

    // Chosen again, the field loads; a cancelled chooser keeps the path.
    window->cboFieldList_Click();
    EXPECT_EQ(view.text(txtX(0)), "-3.500000");
    window->cmdGOBFile_Click();
    EXPECT_EQ(view.text(kTxtGOBFile), archive.string());
}

// A broken record, a slot past the archive's end and a field cut short:
// each says why, and keeps what the boxes and markers held.
TEST_F(EditorTest, LoadFailuresAreShownAndKeepTheBoxes) {
    std::string bytes = archiveWithFields();
    const std::string block = fielddata::buildFieldText(sampleTexts(1));
    bytes.replace(kSecondSlot - 1, 2040, fielddata::paddedBlock(block.substr(0, block.find("Fielder_8"))));
    writeBytes(archive, bytes);
    writeBytes(catalogue, "One,4097\r\nCut,8193\r\nPast end,16000\r\nBroken,lots\r\n");
    ASSERT_TRUE(start());
    const Twips markerBefore = view.markers[0].left;
    std::vector<std::string> shown;
    for (int entry : {1, 2, 3}) {
        platform.messages.clear();
        choose(entry);
        ASSERT_EQ(platform.messages.size(), 1u) << entry;
        EXPECT_EQ(platform.messages[0].style, 16);
        shown.push_back(platform.messages[0].text.substr(0, 40));
        EXPECT_EQ(view.text(txtX(1)), "-2.000000");  // the cut field's, as far as it was read
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Type mismatch: the fielder index \"I\" is ",
                                               "The field slot at byte 16000 runs past t",
                                               "Field.txt cannot be read: the field offs"}));
    EXPECT_EQ(platform.messages[0].text, "Field.txt cannot be read: the field offset \"lots\" on line 4 is not a "
                                         "whole number from -2147483648 to 2147483647.");
    EXPECT_EQ(view.text(txtX(8)), "4.000000");  // the old field's
    EXPECT_EQ(view.markers[0].left, markerBefore);
}

TEST_F(EditorTest, CoordinateChecksResetAFailingFielderToOneOne) {
    ASSERT_TRUE(start());
    view.setText(txtX(2), "9");
    view.setText(txtZ(3), "abc");
    view.setText(txtX(4), "nan");
    view.setText(txtZ(4), "50");
    view.setText(txtX(5), " 1.2345678");
    std::vector<std::string> shown;  // fielder 3's boxes while each message is up
    platform.whileMessageShown = [&] { shown.push_back(xz(3)); };
    window->MoveFielderToCoordinates();
    EXPECT_EQ(std::vector(shown.begin() + 1, shown.begin() + 3), (std::vector<std::string>{"-1.000000 abc", "1 1"}));
    EXPECT_EQ(platform.messages,
              (Messages{critical("Fielder not in range"), critical("Cannot convert \"abc\" to a number"),
                        critical("Fielder not in range"), critical("Cannot convert \"nan\" to a number"),
                        critical("Fielder not in range")}));
    for (int i : {2, 3, 4}) {
        EXPECT_EQ(xz(i), "1 1");
        EXPECT_EQ(view.markers[i], (TwipsPoint{2625, 2625}));
    }
    EXPECT_FLOAT_EQ(view.markers[5].left, 2537.037f);

    window->SetFielderCoordinates(5);  // no range check, no formatting of its own
    EXPECT_EQ(view.text(txtX(5)), "1.234568");
    view.markers[6] = {-75, 3001};  // pulled past the view's edge
    window->SetFielderCoordinates(6);
    EXPECT_EQ(xz(6), "8.200000 -0.002667");
}

TEST_F(EditorTest, CoordinateBoxesColourTheMarkerAndXKeysPlaceAll) {
    ASSERT_TRUE(start());
    const StoredColour blue = 0x00FF0000, red = 0x000000FF;
    window->txtX_GotFocus(1);
    EXPECT_EQ(view.backColor(lblFielder(1)), blue);
    window->txtX_LostFocus(1);  // to txtZ(1): the lost focus comes first
    window->txtZ_GotFocus(1);
    EXPECT_EQ(view.backColor(lblFielder(1)), blue);
    window->txtZ_LostFocus(1);
    EXPECT_EQ(view.backColor(lblFielder(1)), red);
    window->txtX_GotFocus(2);  // and on to the list beside it
    window->txtX_LostFocus(2);
    EXPECT_EQ(view.backColor(lblFielder(2)), red);

    view.setText(txtZ(1), "00");  // typed in a Z box: the marker waits
    view.setText(txtX(7), "1.5");
    EXPECT_EQ(view.markers[1].top, 1687.5);
    window->txtX_KeyUp(0, 16, 1);  // any key in any X box places all nine
    EXPECT_EQ(view.markers[1].top, 3000);
    EXPECT_EQ(view.markers[7], (TwipsPoint{2437.5, 2812.5}));
    EXPECT_EQ(view.text(txtZ(1)), "00");
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace ringwright::testing
