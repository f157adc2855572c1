#include "editor_fixture.h"

namespace ringwright::testing {
namespace {

TEST_F(EditorTest, MissingCatalogueEndsTheStartWithItsOneMessage) {
    std::filesystem::create_directory(catalogue);  // a folder of that name counts as missing
    EXPECT_FALSE(start());
    EXPECT_EQ(platform.messages, (Messages{{"Unable to find Field.txt", 16, "Error"}}));
    EXPECT_EQ(platform.commonControlsInitialised, 1);
    EXPECT_EQ(view.exitStatus, 1);
    EXPECT_EQ(view.text(kTxtGOBFile), "");  // the settings store is not read

    // An installed editor finds Field.txt in its data folder next.
    std::filesystem::create_directories(dir / "data");
    writeBytes(dir / "data" / "Field.txt", "Only,4097\r\n");
    platform.catalogueFallback = dir / "data";
    ASSERT_TRUE(start(false));
    EXPECT_EQ(view.entries[kCboFieldList], std::vector<std::string>{"Only"});
}

TEST_F(EditorTest, WithoutStoredPathNothingIsLoaded) {
    writeBytes(catalogue, "A,1\r\nA,2049\r\n\"B, c\",4097\r\nTail");  // equal names stay two; a cut record is named
    ASSERT_TRUE(start(false));
    EXPECT_EQ(platform.messages, (Messages{{"Field.txt cannot be read: the last record (line 4, \"Tail\") has no field "
                                            "offset.", 48, "Ringwright"}}));
    EXPECT_EQ(view.entries[kCboFieldList], (std::vector<std::string>{"A", "A", "B, c"}));
    EXPECT_EQ(view.listIndex(kCboFieldList), -1);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(view.entries[cboAnim(i)], (std::vector<std::string>{"Basic04b.anm", "Slip01.anm", "Close01.anm"}));
        EXPECT_EQ(view.listIndex(cboAnim(i)), -1);
        EXPECT_EQ(view.text(txtX(i)), "");
    }
    EXPECT_EQ(view.exitStatus, std::nullopt);
}

TEST_F(EditorTest, StoredPathLoadsTheFirstFieldAndAnEmptyCatalogueSaysSo) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(view.listIndex(kCboFieldList), 0);
    EXPECT_EQ(window->currentFieldOffset(), kFirstSlot);
    EXPECT_EQ(xz(0) + " " + view.text(txtZ(3)) + " " + view.listText(cboAnim(4)) + " " + view.text(txtNum(8)),
              "-4.000000 4.000000 2.500000 Slip01.anm 18");
    EXPECT_EQ(view.markers[0], (TwipsPoint{4500, 1500}));  // X = -4, Z = 4
    writeBytes(catalogue, "\"Deep, Fine\",4097\r\n");  // the second record gone since the list was filled
    choose(1);
    EXPECT_EQ(window->currentFieldOffset(), kFirstSlot);  // no record matches: the offset found before stays
    EXPECT_TRUE(platform.messages.empty());

    platform.messages.clear();
    writeBytes(catalogue, "");
    ASSERT_TRUE(start());
    EXPECT_EQ(platform.messages, (Messages{{"Field.txt lists no fields, so there is no field to load.", 48, "Ringwright"}}));
    EXPECT_EQ(view.listIndex(kCboFieldList), -1);
}

// Ringwright.ini beside the program names the archive in the place of the
// stored setting, relative to the program's folder; without its key the
// stored setting counts as before.
TEST_F(EditorTest, APortableSettingsFileNamesItsOwnArchive) {
    writeDefaultFiles();
    std::filesystem::create_directory(dir / "demo");
    std::filesystem::rename(archive, dir / "demo" / "Own.gob");
    writeBytes(dir / "Ringwright.ini", "\xEF\xBB\xBF; the demo's own\r\n[Other]\r\nGOB=elsewhere.gob\r\n"
                                       "[ringwright]\r\n gob =demo/Own.gob \r\n");
    platform.settings["Longstopper/Tunebench/GOB"] = "/games/Longstopper.gob";
    ASSERT_TRUE(start(false));
    EXPECT_EQ(view.text(kTxtGOBFile) + " " + view.text(txtX(0)), (dir / "demo" / "Own.gob").string() + " -4.000000");
    EXPECT_TRUE(platform.messages.empty());

    writeBytes(dir / "Ringwright.ini", "[Ringwright]\r\n");
    ASSERT_TRUE(start(false));
    EXPECT_EQ(view.text(kTxtGOBFile), "/games/Longstopper.gob");
}

TEST_F(EditorTest, AboutHasFourLinesAndClosingEndsTheProgram) {
    ASSERT_TRUE(start(false));
    window->cmdAbout_Click();
    EXPECT_EQ(platform.messages,
              Messages{information("Longstopper Ringwright 1 by the Ringwright team\trw@example.org\r\n\r\n"
                                   "Visit longstopper.example.com for news and downloads.\r\nhttps://ringwright.example.org")});
    window->Form_Unload();
    EXPECT_EQ(view.exitStatus, 0);
    EXPECT_EQ(platform.messages.size(), 1u);  // nothing is asked
}

}  // namespace
}  // namespace ringwright::testing
