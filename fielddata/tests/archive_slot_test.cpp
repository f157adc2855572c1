#include "fielddata/archive_slot.h"

#include <gtest/gtest.h>

#include "fielddata/backups.h"
#include "fielddata/save_journal.h"
#include "faulty_file_system.h"
#include "temp_dir.h"

using namespace fielddata;
using namespace testing_support;

namespace {

std::string filler(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = char(0x41 + i % 23);
    return bytes;
}

class SlotSaveTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path archive = dir / "a.gob";
    fs::path data = dir / "data";
    fs::path journal = dir / "a.gob.ringwright-journal";
    fs::path backup = data / "backups" / "a.gob" / "Deep, Fine at 1001.opt";
    std::string before = filler(8000);

    void SetUp() override { writeBytes(archive, before); }
    SlotSave save() const { return {archive, 1001, data, "Deep, Fine"}; }
    std::string withSlot(std::string_view bytes) const {
        return std::string(before).replace(1000, 2040, paddedBlock(bytes));
    }
    bool anyJournal() const {
        return fs::exists(journal) || fs::exists(journalPlacesFor(archive, data).inDataFolder);
    }
};

}  // namespace

TEST(ArchiveSlot, ReadsTheSlotAtTheOneBasedOffset) {
    TempDir dir;
    const auto archive = dir / "a.gob";
    const std::string bytes = filler(6000);
    writeBytes(archive, bytes);
    EXPECT_EQ(readFieldSlot(archive, 1).value(), bytes.substr(0, 2048));
    EXPECT_EQ(readFieldSlot(archive, 101).value(), bytes.substr(100, 2048));
    EXPECT_EQ(readFieldSlot(archive, 6000 - 2047).value(), bytes.substr(6000 - 2048));
    EXPECT_FALSE(readFieldSlot(archive, 6000 - 2046).ok());
    EXPECT_FALSE(readFieldSlot(archive, 0).ok());
    EXPECT_FALSE(readFieldSlot(dir / "none.gob", 1).ok());
    EXPECT_FALSE(readFieldSlot(dir.path(), 1).ok());
}

TEST_F(SlotSaveTest, WritesOnlyTheFirst2040BytesInPlaceAndKeepsTheOriginalOnce) {
    ASSERT_TRUE(writeFieldSlot(save(), "BEGIN\r\nEND").ok());
    EXPECT_TRUE(readBytes(archive) == withSlot("BEGIN\r\nEND"));
    EXPECT_EQ(readBytes(backup), before.substr(1000, 2040));
    EXPECT_FALSE(anyJournal());

    // A later save, under another list name too, keeps the first original.
    const std::string full(2040, 'x');
    SlotSave renamed = save();
    renamed.listName = "Other";
    ASSERT_TRUE(writeFieldSlot(renamed, full).ok());
    EXPECT_TRUE(readBytes(archive) == withSlot(full));
    EXPECT_EQ(readBytes(backup), before.substr(1000, 2040));
    EXPECT_EQ(std::distance(fs::directory_iterator(backup.parent_path()), {}), 1);

    const std::string saved = readBytes(archive);
    EXPECT_EQ(writeFieldSlot(save(), std::string(2041, 'x')).reason(), "File Size too long");
    EXPECT_EQ(writeFieldSlot({archive, 0, data, ""}, "x").reason(),
              "No field has been looked up in Field.txt yet, so there is no slot to use.");
    EXPECT_FALSE(writeFieldSlot({archive, 8000 - 2046, data, ""}, "x").ok());
    EXPECT_FALSE(writeFieldSlot({"", 1, data, ""}, "x").ok());
    EXPECT_EQ(readBytes(archive), saved);
    EXPECT_FALSE(writeFieldSlot({dir / "new.gob", 1, data, ""}, "x").ok());
    EXPECT_FALSE(fs::exists(dir / "new.gob"));

    EXPECT_EQ(backupFileName("A/B: \"x\"?. ", 7), "A_B_ _x__ at 7.opt");
    EXPECT_EQ(backupFileName("..", 7), "Field at 7.opt");
}

TEST_F(SlotSaveTest, EveryFailureBeforeTheCommitLeavesTheOldField) {
    const std::string folder = dir.path().filename().string();
    const std::vector<std::vector<Fault>> cases = {
        {{Op::Write, "a.gob", 1, 700}},     // the disk fills up mid-slot
        {{Op::Sync, "a.gob"}},              // the slot never reaches the disk
        {{Op::Remove, "-journal"}},         // the commit is refused
        {{Op::SyncFolder, folder, 2}},      // the commit never reaches the disk
        // No journal in either place, so no write at all.
        {{Op::Write, "-journal", 1, 100}, {Op::Write, "-journal", 2, 100}},
        {{Op::Sync, "-journal", 1}, {Op::Sync, "-journal", 2}},
        {{Op::Write, ".opt"}},              // no backup, so no write at all
    };
    for (const auto& faults : cases) {
        SCOPED_TRACE(faults[0].pathPart + " " + std::to_string(int(faults[0].op)));
        writeBytes(archive, before);
        fs::remove_all(data);
        FaultyFileSystem faulty;
        faulty.faults = faults;
        const auto saved = writeFieldSlot(save(), "BEGIN\r\nEND", faulty);
        ASSERT_FALSE(saved.ok());
        EXPECT_TRUE(saved.reason().starts_with("The field was not saved. ")) << saved.reason();
        EXPECT_TRUE(saved.reason().ends_with(" The field in the GOB file is unchanged.")) << saved.reason();
        EXPECT_TRUE(readBytes(archive) == before);
        EXPECT_FALSE(anyJournal());
    }

    FaultyFileSystem full;
    full.faults = {{Op::Write, "a.gob", 1, 700}};
    EXPECT_EQ(writeFieldSlot(save(), "BEGIN", full).reason(),
              "The field was not saved. Cannot write " + quotedPath(archive) +
                  ": No space left on device. The field in the GOB file is unchanged.");
}

TEST_F(SlotSaveTest, ARollbackThatFailsLeavesTheJournalForTheNextStart) {
    FaultyFileSystem faulty;
    faulty.faults = {{Op::Write, "a.gob", 1, 700}, {Op::Write, "a.gob", 2, 0}, {Op::Create, "a.gob.ringwright-journal"}};
    const auto saved = writeFieldSlot(save(), std::string(2040, 'n'), faulty);
    const auto place = journalPlacesFor(archive, data).inDataFolder;  // the archive's folder refused it
    EXPECT_EQ(saved.reason(), "The field was not saved. Cannot write " + quotedPath(archive) +
                                  ": No space left on device. Its old bytes could not be put back yet: Cannot write " +
                                  quotedPath(archive) + ": No space left on device. They stay in " +
                                  quotedPath(place) + " and are put back when Ringwright next opens this GOB file.");
    EXPECT_TRUE(readBytes(archive) == std::string(before).replace(1000, 700, 700, 'n'));

    const Recovery recovery = recoverUnfinishedSave(archive, data);
    EXPECT_EQ(recovery.rolledBack, 1001);
    EXPECT_FALSE(recovery.problem);
    EXPECT_TRUE(readBytes(archive) == before);
    EXPECT_FALSE(fs::exists(place));
    EXPECT_FALSE(recoverUnfinishedSave(archive, data).rolledBack);

    // A journal of another archive that happens to share the folder is left alone.
    writeBytes(dir / "b.gob", before);
    EXPECT_NE(journalPlacesFor(dir / "b.gob", data).inDataFolder, place);
}

TEST_F(SlotSaveTest, JournalsRoundTripAndTornOnesAreDiscarded) {
    const JournalRecord record{1001, "/games/a.gob", std::string("BEGIN\0\xff", 7)};
    const std::string bytes = encodeJournal(record);
    EXPECT_EQ(bytes.substr(0, 20), std::string("RWJRNL01\xe9\x03\0\0\x0c\0\0\0\x07\0\0\0", 20));
    EXPECT_EQ(decodeJournal(bytes), record);
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    for (std::size_t cut : {std::size_t(0), std::size_t(19), bytes.size() - 1})
        EXPECT_FALSE(decodeJournal(bytes.substr(0, cut))) << cut;
    std::string flipped = bytes;
    flipped[25] ^= 1;
    EXPECT_FALSE(decodeJournal(flipped));

    // A torn journal beside the archive means the slot was never touched.
    writeBytes(journal, bytes.substr(0, 30));
    const Recovery recovery = recoverUnfinishedSave(archive, data);
    EXPECT_FALSE(recovery.rolledBack);
    EXPECT_FALSE(recovery.problem);
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_TRUE(readBytes(archive) == before);
}
