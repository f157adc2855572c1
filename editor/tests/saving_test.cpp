#include "editor_fixture.h"
#include "fielddata/exchange_file.h"

namespace ringwright::testing {
namespace {

class SavingTest : public EditorTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    // The save's own messages, its question first.
    std::vector<ShownMessage> save() {
        platform.messages.clear();
        window->cmdSave_Click();
        return platform.messages;
    }
};

TEST_F(SavingTest, SaveAnsweredNoReadsAndWritesNothing) {
    const std::string before = readBytes(archive);
    std::filesystem::remove(catalogue);  // a catalogue read would show a message
    platform.messageAnswers = {answer::kNo};
    EXPECT_EQ(save().size(), 1u);
    EXPECT_EQ(readBytes(archive), before);
}

// Texts go out unchanged, in place, up to 2040 characters.
TEST_F(SavingTest, SaveWritesTheBlockInPlaceUpTo2040Characters) {
    view.setText(txtX(3), "1.5");
    view.setListIndex(cboAnim(3), 2);
    auto texts = sampleTexts();
    texts[3].x = "1.5";
    texts[3].animation = "Close01.anm";
    const std::size_t spare = fielddata::kWritableLength - fielddata::buildFieldText(texts).size();
    texts[0].value += std::string(spare, 'v');
    view.setText(txtNum(0), texts[0].value);
    std::string expected = readBytes(archive);
    expected.replace(kFirstSlot - 1, fielddata::kWritableLength, fielddata::buildFieldText(texts));
    EXPECT_EQ(save(), (std::vector<ShownMessage>{{"Are you sure to save this field", 36, "Ringwright"},
                                                  {"saved", 64, "Ringwright"}}));
    EXPECT_TRUE(readBytes(archive) == expected);

    const std::string before = readBytes(archive);
    view.setText(txtNum(0), view.text(txtNum(0)) + "v");
    EXPECT_EQ(save().back(), (ShownMessage{"File Size too long", 16, "Ringwright"}));
    EXPECT_EQ(readBytes(archive), before);
}

TEST_F(SavingTest, FailedWritesNeverSaySaved) {
    const std::string before = readBytes(archive);
    std::filesystem::permissions(archive, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                              std::filesystem::perms::others_read);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::others_exec, std::filesystem::perm_options::add);
    {
        testing_support::AsOrdinaryUser user;
        if (!user.ordinary()) GTEST_SKIP() << "cannot act as an ordinary user here";
        EXPECT_EQ(save().back(), (ShownMessage{"The field was not saved. Cannot open for writing " +
                                                   fielddata::quotedPath(archive) +
                                                   ": Permission denied. The field in the GOB file is unchanged.",
                                               16, "Ringwright"}));
    }
    EXPECT_EQ(readBytes(archive), before);
}

TEST_F(SavingTest, ASlotThatHoldsNoFieldTakesASecondYesAndTheOriginalIsKept) {
    std::string bytes = archiveWithFields();
    bytes.replace(kSecondSlot - 1, 5, "BEGIm");  // the wrong catalogue for this archive
    writeBytes(archive, bytes);
    view.setListIndex(kCboFieldList, 1);
    const ShownMessage second{"The slot at byte 8193 of " + fielddata::quotedPath(archive) +
                                  " holds no field, so Field.txt may not fit this GOB file. Write the field there "
                                  "anyway?",
                              308, "Ringwright"};
    platform.messageAnswers = {answer::kYes, answer::kNo};
    EXPECT_EQ(save(), (std::vector<ShownMessage>{{"Are you sure to save this field", 36, "Ringwright"}, second}));
    EXPECT_TRUE(readBytes(archive) == bytes);
    EXPECT_FALSE(std::filesystem::exists(dir / "data"));

    platform.messageAnswers = {answer::kYes, answer::kYes};
    EXPECT_EQ(save().back(), (ShownMessage{"saved", 64, "Ringwright"}));
    EXPECT_EQ(slotBytes(kSecondSlot).substr(0, 2040), fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts())));
    const auto kept = std::filesystem::directory_iterator(dir / "data" / "backups")->path();
    EXPECT_TRUE(kept.filename().string().starts_with("Longstopper.gob-")) << kept;
    EXPECT_TRUE(readBytes(kept / "Second at 8193.opt") == bytes.substr(kSecondSlot - 1, 2040));
}

// The journal of a save that never finished (killed mid-write) puts the slot
// back before the field is shown. One that cannot be applied is reported once
// per start; one applied but not removable says so, and stops every save.
TEST_F(SavingTest, AtStartUpAnUnfinishedSaveIsPutBackOrReported) {
    const auto journal = dir / "Longstopper.gob.ringwright-journal";
    const auto restart = [&] {
        platform.messages.clear();
        window.reset();
        view = FakeMainView{};
        start();
        return platform.messages;
    };
    const std::string older = fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts(1)));
    writeBytes(journal, fielddata::encodeJournal({kFirstSlot, archive.string(), older}));
    const std::string putBack = "A save into " + fielddata::quotedPath(archive) +
                                " did not finish. The field at byte 4097 has been put back as it was before that save.";
    EXPECT_EQ(restart(), (std::vector<ShownMessage>{{putBack, 64, "Ringwright"}}));
    EXPECT_EQ(slotBytes(kFirstSlot).substr(0, 2040), older);
    EXPECT_EQ(view.text(txtX(0)), "-3.000000");
    EXPECT_FALSE(std::filesystem::exists(journal));

    writeBytes(journal, fielddata::encodeJournal({20000, archive.string(), std::string(2040, 'j')}));
    EXPECT_EQ(restart(), (std::vector<ShownMessage>{
                             {"A save into " + fielddata::quotedPath(archive) +
                                  " did not finish, and the field at byte 20000 could not be put back as it was: The "
                                  "field slot at byte 20000 runs past the end of " + fielddata::quotedPath(archive) +
                                  ", which holds 16384 bytes. Its old bytes stay in " + fielddata::quotedPath(journal) + ".",
                              16, "Ringwright"}}));

    writeBytes(journal, fielddata::encodeJournal({kFirstSlot, archive.string(), older}));
    std::filesystem::permissions(journal, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                              std::filesystem::perms::others_read);
    std::filesystem::permissions(archive, std::filesystem::perms::all);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::others_write | std::filesystem::perms::group_write |
                                                 std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    testing_support::AsOrdinaryUser user;
    if (!user.ordinary()) GTEST_SKIP() << "cannot act as an ordinary user here";
    const ShownMessage stays{
        putBack + " The journal " + fielddata::quotedPath(journal) + " of that save could not be "
        "removed: Cannot open for writing " + fielddata::quotedPath(journal) + ": Permission denied. Until it is, "
        "Ringwright will not save into this GOB file, as the journal would undo that save: make the folder writable, "
        "or close the program that holds the journal, then try again.", 48, "Ringwright"};
    EXPECT_EQ(restart(), std::vector<ShownMessage>{stays});
    EXPECT_EQ(view.text(txtX(0)), "-3.000000");
    view.setText(txtX(0), "2");
    EXPECT_EQ(save(), (std::vector<ShownMessage>{{"Are you sure to save this field", 36, "Ringwright"}, stays}));
    EXPECT_EQ(slotBytes(kFirstSlot).substr(0, 2040), older);
}

TEST_F(SavingTest, CharactersOutsideTheCodePageAreRefused) {
    const std::string before = readBytes(archive);
    view.setText(txtZ(7), "2\u0141");
    const auto messages = save();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "The Z pos box of fielder 7 holds the character \"\u0141\", which the game's files "
                                "cannot hold. Nothing was written.");
    EXPECT_EQ(readBytes(archive), before);

    // Windows-1252's own characters go out as their single bytes.
    view.setText(txtZ(7), "\u20ac\u00e9");
    EXPECT_EQ(save().back().text, "saved");
    EXPECT_NE(slotBytes(kFirstSlot).find("\x80\xe9"), std::string::npos);
}

TEST_F(SavingTest, ExportWritesAnExchangeFileByTheOptRule) {
    platform.dialogAnswers.push_back((dir / "C.OPT").string());
    window->cmdExport_Click();
    const auto file = dir / "C.OPT.opt";
    EXPECT_EQ(platform.messages, (std::vector<ShownMessage>{{"Exported to " + file.string(), 64, "Ringwright"}}));
    EXPECT_EQ(view.text(kLblFileName), file.string());
    EXPECT_EQ(readBytes(file), fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts())));
    EXPECT_EQ(platform.dialogs.back().record,
              (FileDialogRecord{"Longstopper field", "*.opt", "Deep, Fine", "Select the file", 0x6,
                                kMainHandle}));
    EXPECT_TRUE(platform.dialogs.back().save);

    // An oversized block makes no file.
    view.setText(txtNum(0), std::string(2040, 'v'));
    platform.dialogAnswers.push_back((dir / "big").string());
    platform.messages.clear();
    window->cmdExport_Click();
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"File Size too long"});
    EXPECT_FALSE(std::filesystem::exists(dir / "big.opt"));
}

TEST_F(SavingTest, ImportFillsTheBoxesAndASaveWritesTheSelectedSlot) {
    const std::string imported = fielddata::buildFieldText(sampleTexts(2));
    writeBytes(dir / "short.opt", imported);  // shorter than 2040 bytes
    writeBytes(dir / "long.opt", fielddata::paddedBlock(imported) + "tail of another field");
    for (const char* name : {"short.opt", "long.opt"}) {
        view.setText(txtX(0), "");
        platform.dialogAnswers.push_back((dir / name).string());
        window->cmdImport_Click();
        EXPECT_EQ(view.text(txtX(0)), "-2.000000") << name;
        EXPECT_EQ(view.markers[0].left, 3750);
    }
    EXPECT_EQ(platform.dialogs.back().record,
              (FileDialogRecord{"Longstopper field(*.opt) ", "*.opt", "Deep, Fine", "Select the file", 0x1004,
                                kMainHandle}));
    EXPECT_TRUE(platform.messages.empty());

    // An unreadable file changes nothing, lblFileName included.
    platform.dialogAnswers.push_back((dir / "missing.opt").string());
    window->cmdImport_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, 16);
    EXPECT_EQ(view.text(kLblFileName), (dir / "long.opt").string());

    view.setListIndex(kCboFieldList, 1);
    platform.messages.clear();
    window->cmdSave_Click();
    EXPECT_EQ(slotBytes(kSecondSlot).substr(0, 2040), fielddata::paddedBlock(imported));
}

}  // namespace
}  // namespace ringwright::testing
