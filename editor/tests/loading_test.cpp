#include "editor_fixture.h"

namespace ringwright::testing {
namespace {

TEST_F(EditorTest, ChoosingAFieldWithoutArchiveAsksForOneAndLoadsNothing) {
    ASSERT_TRUE(start(false));
    platform.dialogAnswers.push_back(archive.string());
    view.setListIndex(kCboFieldList, 1);
    window->cboFieldList_Click();
    EXPECT_EQ(platform.messages, (std::vector<ShownMessage>{{"Please select the GOB file", 16, "Ringwright"}}));
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_FALSE(platform.dialogs[0].save);
    EXPECT_EQ(platform.dialogs[0].record,
              (FileDialogRecord{"Longstopper GOB", "*.gob", "", "Select the file", 0x1004, kMainHandle}));
    EXPECT_EQ(view.text(kTxtGOBFile), archive.string());
    EXPECT_TRUE(view.text(txtX(0)).empty());

    // Chosen again, the field loads; a cancelled chooser keeps the path.
    window->cboFieldList_Click();
    EXPECT_EQ(view.text(txtX(0)), "-3.500000");
    window->cmdGOBFile_Click();
    EXPECT_EQ(view.text(kTxtGOBFile), archive.string());
}

TEST_F(EditorTest, LoadFailuresAreShownAndKeepTheBoxes) {
    writeBytes(catalogue, "One,4097\r\nBroken,lots\r\nPast end,16000\r\n");
    ASSERT_TRUE(start());
    const std::string before = view.text(txtX(1));
    for (int entry : {1, 2}) {
        platform.messages.clear();
        view.setListIndex(kCboFieldList, entry);
        window->cboFieldList_Click();
        ASSERT_EQ(platform.messages.size(), 1u) << entry;
        EXPECT_EQ(platform.messages[0].style, 16);
        EXPECT_EQ(view.text(txtX(1)), before);
    }
    EXPECT_EQ(platform.messages[0].text, "Field.txt cannot be read: the field offset \"lots\" on line 2 is not a "
                                         "whole number from -2147483648 to 2147483647.");
    std::filesystem::remove(archive);
    view.setListIndex(kCboFieldList, 0);
    platform.messages.clear();
    window->cboFieldList_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("does not exist"), std::string::npos) << platform.messages[0].text;
}

TEST_F(EditorTest, ReaderFailureKeepsWhatWasFilledAndLeavesTheMarkers) {
    std::string bytes = archiveWithFields();
    const std::string block = fielddata::buildFieldText(sampleTexts(1));
    const std::string cut = block.substr(0, block.find("Fielder_8"));  // eight fielders only
    bytes.replace(kSecondSlot - 1, fielddata::kWritableLength, fielddata::paddedBlock(cut));
    writeBytes(catalogue, "One,4097\r\nTwo,8193\r\n");
    writeBytes(archive, bytes);
    ASSERT_TRUE(start());
    const Twips markerBefore = view.markers[0].left;
    view.setListIndex(kCboFieldList, 1);
    window->cboFieldList_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, 16);
    EXPECT_NE(platform.messages[0].text.find("Type mismatch"), std::string::npos);
    EXPECT_EQ(view.text(txtX(0)), "-3.000000");  // the new field's
    EXPECT_EQ(view.text(txtX(8)), "4.000000");   // the old field's
    EXPECT_EQ(view.markers[0].left, markerBefore);
}

TEST_F(EditorTest, CoordinateChecksResetAFailingFielderToOneOne) {
    ASSERT_TRUE(start());
    view.setText(txtX(2), "9");
    view.setText(txtZ(3), "abc");
    view.setText(txtX(4), "nan");
    view.setText(txtZ(4), "50");
    view.setText(txtX(5), " 1.2345678");
    window->MoveFielderToCoordinates();
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{"Fielder not in range", "Cannot convert \"abc\" to a number",
                                        "Fielder not in range", "Cannot convert \"nan\" to a number",
                                        "Fielder not in range"}));
    for (const auto& message : platform.messages) EXPECT_EQ(message.caption, "Ringwright");
    for (int i : {2, 3, 4}) {
        EXPECT_EQ(view.text(txtX(i)) + view.text(txtZ(i)), "11");
        EXPECT_EQ(view.markers[i], (TwipsPoint{2625, 2625}));
    }
    EXPECT_FLOAT_EQ(view.markers[5].left, 2537.037f);

    window->SetFielderCoordinates(5);  // no range check, no formatting of its own
    EXPECT_EQ(view.text(txtX(5)), "1.234568");
    view.markers[6] = {-75, 3001};  // pulled past the view's edge
    window->SetFielderCoordinates(6);
    EXPECT_EQ(view.text(txtX(6)) + " " + view.text(txtZ(6)), "8.200000 -0.002667");
}

TEST_F(EditorTest, FirstKeyInAnXBoxBeforeAnyFieldResetsEveryFielder) {
    ASSERT_TRUE(start(false));
    window->txtX_KeyUp(0, 0, 0);
    ASSERT_EQ(platform.messages.size(), 18u);
    EXPECT_EQ(platform.messages[0].text, "Cannot convert \"\" to a number");
    EXPECT_EQ(platform.messages[1].text, "Fielder not in range");
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(view.text(txtX(i)) + view.text(txtZ(i)), "11");
        EXPECT_EQ(view.markers[i], (TwipsPoint{2625, 2625}));
    }
}

TEST_F(EditorTest, CoordinateBoxesColourTheMarkerAndXKeysPlaceAll) {
    ASSERT_TRUE(start());
    window->txtX_GotFocus(1);
    EXPECT_EQ(view.backColor(lblFielder(1)), 0x00FF0000u);
    window->txtX_LostFocus(1);  // to txtZ(1): the lost focus comes first
    window->txtZ_GotFocus(1);
    EXPECT_EQ(view.backColor(lblFielder(1)), 0x00FF0000u);
    window->txtZ_LostFocus(1);
    EXPECT_EQ(view.backColor(lblFielder(1)), 0x000000FFu);
    window->txtX_GotFocus(2);  // and on to the list beside it
    window->txtX_LostFocus(2);
    EXPECT_EQ(view.backColor(lblFielder(2)), 0x000000FFu);

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
