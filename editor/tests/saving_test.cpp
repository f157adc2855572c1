#include "editor_fixture.h"
#include "fielddata/save_journal.h"

namespace ringwright::testing {
namespace {

using testing_support::quoted;
namespace fs = std::filesystem;

class SavingTest : public EditorTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    // The save's own messages, its question first.
    Messages save() {
        platform.messages.clear();
        window->cmdSave_Click();
        return platform.messages;
    }
};

// Texts go out unchanged, in place, up to 2040 characters; Save answered No
// writes nothing.
TEST_F(SavingTest, SaveWritesTheBlockInPlaceUpTo2040Characters) {
    std::string before = readBytes(archive);
    view.setText(txtX(3), "1.5");
    platform.messageAnswers = {answer::kNo};
    EXPECT_EQ(save(), Messages{kSureToSave});
    EXPECT_EQ(readBytes(archive), before);

    view.setListIndex(cboAnim(3), 2);
    auto texts = sampleTexts();
    texts[3].x = "1.5";
    texts[3].animation = "Close01.anm";
    texts[0].value += std::string(2040 - fielddata::buildFieldText(texts).size(), 'v');
    view.setText(txtNum(0), texts[0].value);
    EXPECT_EQ(save(), (Messages{kSureToSave, information("saved")}));
    EXPECT_TRUE(readBytes(archive) == before.replace(kFirstSlot - 1, 2040, fielddata::buildFieldText(texts)));

    view.setText(txtNum(0), view.text(txtNum(0)) + "v");
    EXPECT_EQ(save().back(), critical("File Size too long"));
    EXPECT_EQ(readBytes(archive), before);

    // Windows-1252's own characters go out as their single bytes; others stop the save.
    view.setText(txtNum(0), "1");
    view.setText(txtZ(7), "2\u0141");
    EXPECT_EQ(save().back(), critical("The Z pos box of fielder 7 holds the character \"\u0141\", which the game's "
                                      "files cannot hold. Nothing was written."));
    EXPECT_EQ(readBytes(archive), before);
    view.setText(txtZ(7), "\u20ac\u00e9");
    EXPECT_EQ(save().back().text, "saved");
    EXPECT_NE(slotBytes(kFirstSlot).find("\x80\xe9"), std::string::npos);
}

TEST_F(SavingTest, ASlotThatHoldsNoFieldTakesASecondYesAndTheOriginalIsKept) {
    std::string bytes = archiveWithFields();
    bytes.replace(kSecondSlot - 1, 5, "BEGIm");  // the wrong catalogue for this archive
    writeBytes(archive, bytes);
    view.setListIndex(kCboFieldList, 1);
    const ShownMessage second{"The slot at byte 8193 of " + quoted(archive) +
                                  " holds no field, so Field.txt may not fit this GOB file. Write the field there anyway?",
                              308, "Ringwright"};
    platform.messageAnswers = {answer::kYes, answer::kNo};
    EXPECT_EQ(save(), (Messages{kSureToSave, second}));
    EXPECT_TRUE(readBytes(archive) == bytes);
    EXPECT_FALSE(fs::exists(dir / "data"));

    platform.messageAnswers = {answer::kYes, answer::kYes};
    EXPECT_EQ(save().back(), information("saved"));
    EXPECT_EQ(slotBytes(kSecondSlot), fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts())));
    const auto kept = fs::directory_iterator(dir / "data" / "backups")->path();
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
        start();
        return platform.messages;
    };
    const std::string older = fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts(1)));
    const auto journalOf = [&](fielddata::FieldOffset offset) {
        return fielddata::encodeJournal({offset, fielddata::systemFileSystem().facts(archive).value().identity,
                                         fs::canonical(archive).string(), older, slotBytes(kFirstSlot)});
    };
    writeBytes(journal, journalOf(kFirstSlot));
    const std::string putBack = "A save into " + quoted(archive) +
                                " did not finish. The field at byte 4097 has been put back as it was before that save.";
    EXPECT_EQ(restart(), Messages{information(putBack)});
    EXPECT_EQ(slotBytes(kFirstSlot), older);
    EXPECT_EQ(view.text(txtX(0)), "-3.000000");
    EXPECT_FALSE(fs::exists(journal));

    // A journal that does not fit the archive as it is now is set aside, once.
    writeBytes(journal, journalOf(20000));
    EXPECT_EQ(restart(), (Messages{ShownMessage{"The journal " + quoted(journal) + " of an unfinished save into " +
                                                   quoted(archive) + " was not applied, as the GOB file no longer holds "
                                                   "the slot it was written for: The field slot at byte 20000 runs past "
                                                   "the end of " + quoted(archive) + ", which holds 16384 bytes. It is kept as " +
                                                   quoted(fs::path(journal.string() + ".set-aside")) + ".", 48, "Ringwright"}}));
    EXPECT_EQ(restart(), Messages{});

    writeBytes(journal, journalOf(kFirstSlot));
    fs::permissions(journal, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(archive, fs::perms::all);
    fs::permissions(dir.path(), fs::perms::others_write | fs::perms::group_write | fs::perms::owner_write,
                    fs::perm_options::remove);
    testing_support::AsOrdinaryUser user;
    if (!user.ordinary()) GTEST_SKIP() << "cannot act as an ordinary user here";
    const ShownMessage stays{
        putBack + " The journal " + quoted(journal) + " of that save could not be removed: Cannot open for writing " +
            quoted(journal) + ": Permission denied. Until it is, Ringwright will not save into this GOB file, as the "
            "journal would undo that save: make the folder writable, or close the program that holds the journal, "
            "then try again.", 48, "Ringwright"};
    EXPECT_EQ(restart(), Messages{stays});
    EXPECT_EQ(view.text(txtX(0)), "-3.000000");
    view.setText(txtX(0), "2");
    EXPECT_EQ(save(), (Messages{kSureToSave, stays}));
    EXPECT_EQ(slotBytes(kFirstSlot), older);
}

// Export adds ".opt" unless the name ends in exactly ".opt"; Import takes
// the first 2040 bytes of a file of any length; Save then writes the slot of
// the field selected in the list.
TEST_F(SavingTest, ExportAndImportThroughTheirDialogs) {
    platform.dialogAnswers = {(dir / "C.OPT").string(), (dir / "slipopt").string()};
    window->cmdExport_Click();
    window->cmdExport_Click();
    EXPECT_EQ(platform.messages, (Messages{information("Exported to " + (dir / "C.OPT.opt").string()),
                                           information("Exported to " + (dir / "slipopt.opt").string())}));
    EXPECT_EQ(view.text(kLblFileName), (dir / "slipopt.opt").string());
    EXPECT_EQ(readBytes(dir / "C.OPT.opt"), fielddata::paddedBlock(fielddata::buildFieldText(sampleTexts())));
    EXPECT_EQ(platform.dialogs.back().record,
              (FileDialogRecord{"Longstopper field", "*.opt", "Deep, Fine", "Select the file", 0x6, kMainHandle}));
    EXPECT_TRUE(platform.dialogs.back().save);
    auto texts = sampleTexts();  // exactly 2040 characters fill the file; one more makes none
    texts[0].value += std::string(2040 - fielddata::buildFieldText(texts).size(), 'v');
    view.setText(txtNum(0), texts[0].value);
    platform.dialogAnswers = {(dir / "full").string(), (dir / "big").string()};
    window->cmdExport_Click();
    EXPECT_EQ(readBytes(dir / "full.opt"), fielddata::buildFieldText(texts));
    view.setText(txtNum(0), texts[0].value + "v");
    platform.messages.clear();
    window->cmdExport_Click();
    EXPECT_EQ(platform.messages, Messages{critical("File Size too long")});
    EXPECT_FALSE(fs::exists(dir / "big.opt"));
    view.setText(txtNum(0), "1");
    platform.dialogAnswers.push_back((dir / "gone" / "f").string());  // a folder removed meanwhile
    window->cmdExport_Click();
    EXPECT_EQ(platform.messages.back(), critical("The folder " + quoted(dir / "gone") + " does not exist, so " +
                                                 quoted(dir / "gone" / "f.opt") + " was not written."));

    const std::string imported = fielddata::buildFieldText(sampleTexts(2));
    writeBytes(dir / "long.opt", fielddata::paddedBlock(imported) + "tail of another field");
    platform.dialogAnswers = {(dir / "long.opt").string(), (dir / "missing.opt").string()};
    platform.messages.clear();
    window->cmdImport_Click();
    EXPECT_EQ(view.text(txtX(0)), "-2.000000");
    EXPECT_EQ(view.markers[0].left, 3750);
    EXPECT_EQ(platform.dialogs.back().record, (FileDialogRecord{"Longstopper field(*.opt) ", "*.opt", "Deep, Fine",
                                                                "Select the file", 0x1004, kMainHandle,
                                                                {{"Field pictures (*.png)", "*.png"}}}));
    window->cmdImport_Click();  // an unreadable file changes nothing, lblFileName included
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].style, 16);
    EXPECT_EQ(view.text(kLblFileName), (dir / "long.opt").string());

    view.setListIndex(kCboFieldList, 1);
    window->cmdSave_Click();
    EXPECT_EQ(slotBytes(kSecondSlot), fielddata::paddedBlock(imported));
}

}  // namespace
}  // namespace ringwright::testing
