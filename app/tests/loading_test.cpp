#include <QTest>

#include "editor_fixture.h"
#include "stored_colour.h"

namespace ringwright::testing {
namespace {

TEST_F(EditorTest, ChoosingAFieldWithoutArchiveAsksForOneAndLoadsNothing) {
    ASSERT_TRUE(start(false));
    platform.dialogAnswers.push_back(archive.string());
    window->cboFieldList->setCurrentIndex(1);
    window->cboFieldList_Click();
    EXPECT_EQ(platform.messages, (std::vector<ShownMessage>{{"Please select the GOB file", 16, "Ringwright"}}));
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_FALSE(platform.dialogs[0].save);
    EXPECT_EQ(platform.dialogs[0].record,
              (FileDialogRecord{"Longstopper GOB", "*.gob", "", "Select the file", 0x1004, handleOf(window.get())}));
    EXPECT_EQ(window->txtGOBFile->text().toStdString(), archive.string());
    EXPECT_TRUE(window->txtX[0]->text().isEmpty());

    // Chosen again, the field loads; a cancelled chooser keeps the path.
    window->cboFieldList_Click();
    EXPECT_EQ(window->txtX[0]->text(), "-3.500000");
    window->cmdGOBFile_Click();
    EXPECT_EQ(window->txtGOBFile->text().toStdString(), archive.string());
}

TEST_F(EditorTest, LoadFailuresAreShownAndKeepTheBoxes) {
    writeBytes(catalogue, "One,4097\r\nBroken,lots\r\nPast end,16000\r\n");
    ASSERT_TRUE(start());
    const QString before = window->txtX[1]->text();
    for (int entry : {1, 2}) {
        platform.messages.clear();
        window->cboFieldList->setCurrentIndex(entry);
        window->cboFieldList_Click();
        ASSERT_EQ(platform.messages.size(), 1u) << entry;
        EXPECT_EQ(platform.messages[0].style, 16);
        EXPECT_EQ(window->txtX[1]->text(), before);
    }
    EXPECT_EQ(platform.messages[0].text, "Field.txt cannot be read: the field offset \"lots\" on line 2 is not a "
                                         "whole number from -2147483648 to 2147483647.");
    std::filesystem::remove(archive);
    window->cboFieldList->setCurrentIndex(0);
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
    const Twips markerBefore = window->lblFielder[0]->left();
    window->cboFieldList->setCurrentIndex(1);
    window->cboFieldList_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, 16);
    EXPECT_NE(platform.messages[0].text.find("Type mismatch"), std::string::npos);
    EXPECT_EQ(window->txtX[0]->text(), "-3.000000");  // the new field's
    EXPECT_EQ(window->txtX[8]->text(), "4.000000");   // the old field's
    EXPECT_EQ(window->lblFielder[0]->left(), markerBefore);
}

TEST_F(EditorTest, CoordinateChecksResetAFailingFielderToOneOne) {
    ASSERT_TRUE(start());
    window->txtX[2]->setText("9");
    window->txtZ[3]->setText("abc");
    window->txtX[4]->setText("nan");
    window->txtZ[4]->setText("50");
    window->txtX[5]->setText(" 1.2345678");
    window->MoveFielderToCoordinates();
    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{"Fielder not in range", "Cannot convert \"abc\" to a number",
                                        "Fielder not in range", "Cannot convert \"nan\" to a number",
                                        "Fielder not in range"}));
    for (const auto& message : platform.messages) EXPECT_EQ(message.caption, "Ringwright");
    for (int i : {2, 3, 4}) {
        EXPECT_EQ(window->txtX[i]->text(), "1");
        EXPECT_EQ(window->txtZ[i]->text(), "1");
        EXPECT_EQ(window->lblFielder[i]->left(), 2625);
        EXPECT_EQ(window->lblFielder[i]->top(), 2625);
    }
    EXPECT_FLOAT_EQ(window->lblFielder[5]->left(), 2537.037f);

    window->SetFielderCoordinates(5);  // no range check, no formatting of its own
    EXPECT_EQ(window->txtX[5]->text(), "1.234568");
    window->lblFielder[6]->moveTo(-75, 3001);
    window->SetFielderCoordinates(6);
    EXPECT_EQ(window->txtX[6]->text(), "8.200000");
    EXPECT_EQ(window->txtZ[6]->text(), "-0.002667");
}

TEST_F(EditorTest, FirstKeyInAnXBoxBeforeAnyFieldResetsEveryFielder) {
    ASSERT_TRUE(start(false));
    window->txtX_KeyUp(0);
    ASSERT_EQ(platform.messages.size(), 18u);
    EXPECT_EQ(platform.messages[0].text, "Cannot convert \"\" to a number");
    EXPECT_EQ(platform.messages[1].text, "Fielder not in range");
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(window->txtX[i]->text(), "1");
        EXPECT_EQ(window->txtZ[i]->text(), "1");
        EXPECT_EQ(window->lblFielder[i]->left(), 2625);
        EXPECT_EQ(window->lblFielder[i]->top(), 2625);
    }
}

TEST_F(EditorTest, CoordinateBoxesColourTheMarkerAndXKeysPlaceAll) {
    ASSERT_TRUE(start());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->txtX[1]->setFocus();
    EXPECT_EQ(backColor(*window->lblFielder[1]), colour::kBlue);
    QTest::keyClick(window->txtX[1], Qt::Key_Tab);  // to txtZ(1): lost focus comes first
    EXPECT_EQ(QApplication::focusWidget(), window->txtZ[1]);
    EXPECT_EQ(backColor(*window->lblFielder[1]), colour::kBlue);
    window->txtZ[1]->setText("0");
    QTest::keyClick(window->txtZ[1], Qt::Key_0);  // Z boxes place nothing by themselves
    EXPECT_EQ(window->lblFielder[1]->top(), 1687.5);
    QTest::keyClick(window->txtZ[1], Qt::Key_Tab);
    EXPECT_EQ(backColor(*window->lblFielder[1]), colour::kRed);

    window->txtX[0]->setFocus();
    QTest::keyClick(window->txtX[0], Qt::Key_Shift);  // any key at all
    EXPECT_EQ(window->lblFielder[1]->top(), 3000);
    EXPECT_EQ(window->txtZ[1]->text(), "00");
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace ringwright::testing
