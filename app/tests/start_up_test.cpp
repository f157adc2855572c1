#include <QSignalSpy>
#include <QTest>

#include "editor_fixture.h"
#include "ground_view.h"
#include "stored_colour.h"

namespace ringwright::testing {
namespace {

TEST_F(EditorTest, MissingCatalogueEndsTheStartWithItsOneMessage) {
    std::filesystem::create_directory(catalogue);  // a folder of that name counts as missing
    platform.settings["Longstopper/Tunebench/GOB"] = archive.string();
    window = std::make_unique<frmMain>(platform, dir.path());
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(platform.messages, (std::vector<ShownMessage>{{"Unable to find Field.txt", 16, "Error"}}));
    EXPECT_EQ(platform.commonControlsInitialised, 1);
    EXPECT_TRUE(window->txtGOBFile->text().isEmpty());
}

TEST_F(EditorTest, WithoutStoredPathNothingIsLoaded) {
    writeBytes(catalogue, "A,1\r\nA,2049\r\n\"B, c\",4097");  // equal names stay two entries
    ASSERT_TRUE(start(false));
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(window->cboFieldList->count(), 3);
    EXPECT_EQ(window->cboFieldList->itemText(1), "A");
    EXPECT_EQ(window->cboFieldList->itemText(2), "B, c");
    EXPECT_EQ(window->cboFieldList->currentIndex(), -1);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(window->cboAnim[i]->count(), 3);
        EXPECT_EQ(window->cboAnim[i]->itemText(0), "Basic04b.anm");
        EXPECT_EQ(window->cboAnim[i]->itemText(2), "Close01.anm");
        EXPECT_EQ(window->cboAnim[i]->currentIndex(), -1);
        EXPECT_TRUE(window->txtX[i]->text().isEmpty());
        EXPECT_EQ(window->lblFielder[i]->left(), 1320);
    }
    EXPECT_EQ(window->lblFielder[8]->top(), 3720);
}

TEST_F(EditorTest, StoredPathLoadsTheFirstFieldBeforeTheWindowShows) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(window->cboFieldList->currentIndex(), 0);
    EXPECT_EQ(window->currentFieldOffset(), kFirstSlot);
    EXPECT_EQ(window->txtX[0]->text(), "-4.000000");
    EXPECT_EQ(window->txtZ[3]->text(), "2.500000");
    EXPECT_EQ(window->cboAnim[4]->currentText(), "Slip01.anm");
    EXPECT_EQ(window->txtNum[8]->text(), "18");
    EXPECT_EQ(window->lblFielder[0]->left(), 4500);  // X = -4
    EXPECT_EQ(window->lblFielder[0]->top(), 1500);   // Z = 4
    EXPECT_FALSE(window->isVisible());
}

TEST_F(EditorTest, EmptyCatalogueWithStoredPathSaysSoAndSelectsNothing) {
    writeBytes(catalogue, "");
    writeBytes(archive, fillerArchive());
    ASSERT_TRUE(start());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, 48);
    EXPECT_EQ(window->cboFieldList->currentIndex(), -1);
}

TEST_F(EditorTest, LayoutFollowsTheTwipsTable) {
    ASSERT_TRUE(start(false));
    EXPECT_EQ(window->size(), QSize(696, 446));
    EXPECT_EQ(window->txtGOBFile->geometry(), QRect(32, 2, 609, 19));
    EXPECT_EQ(window->txtX[8]->geometry(), QRect(424, 336, 57, 20));
    EXPECT_EQ(window->cboAnim[1]->geometry(), QRect(552, 112, 65, 21));
    EXPECT_EQ(window->Picture1->geometry(), QRect(2, 32, 405, 405));
    EXPECT_EQ(window->cmdAbout->geometry(), QRect(600, 384, 81, 33));
    EXPECT_EQ(window->lblFielder[2]->geometry(), QRect(88, 96, 10, 16));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(backColor(*window->lblFielder[0]), colour::kRed);
    EXPECT_EQ(window->cmdGOBFile->toolTip(), "Select GOB file");
    EXPECT_TRUE(window->lblFileName->isHidden());
}

TEST_F(EditorTest, FocusOrderAndAccessKeys) {
    ASSERT_TRUE(start(false));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), window->txtGOBFile);
    QTest::keyClick(window->txtGOBFile, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->cmdGOBFile);
    window->txtNum[8]->setFocus();
    QTest::keyClick(window->txtNum[8], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->cmdZoom);
    QTest::keyClick(window->cmdZoom, Qt::Key_Tab);
    QTest::keyClick(window->cmdSave, Qt::Key_Tab);
    QTest::keyClick(window->cmdImport, Qt::Key_Tab);
    QTest::keyClick(window->cmdExport, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->Picture1);
    QTest::keyClick(window->Picture1, Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), window->cboFieldList);
    window->cmdSave->setFocus();
    QTest::keyClick(window->cmdSave, Qt::Key_A, Qt::AltModifier);
    QTest::qWait(200);  // an access key presses the button after a short flash
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, 64);
    EXPECT_EQ(platform.messages[0].caption, "Ringwright");
}

TEST_F(EditorTest, AboutHasFourLines) {
    ASSERT_TRUE(start(false));
    window->cmdAbout_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    const QStringList lines = QString::fromStdString(platform.messages[0].text).split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains("version 1") && lines[0].contains("\t"));
    EXPECT_TRUE(lines[1].isEmpty());
}

}  // namespace
}  // namespace ringwright::testing
