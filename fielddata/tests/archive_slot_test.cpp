#include "fielddata/archive_slot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "fielddata/backups.h"
#include "fielddata/save_journal.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/stopped_child.h"
#include "tests/support/temp_dir.h"

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
    std::string before = filler(8000);

    void SetUp() override { writeBytes(archive, before); }
    // The one folder of this archive's originals: "a.gob-" and 16 hex digits.
    fs::path backupFolder() const {
        std::vector<fs::path> folders(fs::directory_iterator(data / "backups"), {});
        EXPECT_EQ(folders.size(), 1u);
        EXPECT_TRUE(std::regex_match(folders.at(0).filename().string(), std::regex("a\\.gob-[0-9a-f]{16}")));
        return folders.at(0);
    }
    fs::path backup() const { return backupFolder() / "Deep, Fine at 1001.opt"; }
    SlotSave save() const { return {archive, 1001, data, "Deep, Fine"}; }
    std::string withSlot(std::string_view bytes) const {
        return std::string(before).replace(1000, 2040, paddedBlock(bytes));
    }
    bool anyJournal() const {
        return fs::exists(journal) || fs::exists(journalPlacesFor(archive, data).inDataFolder);
    }
};

}  // namespace

TEST_F(SlotSaveTest, ReadsTheSlotAtTheOneBasedOffset) {
    EXPECT_EQ(readFieldSlot(archive, 1).value(), before.substr(0, 2048));
    EXPECT_EQ(readFieldSlot(archive, 101).value(), before.substr(100, 2048));
    EXPECT_EQ(readFieldSlot(archive, 8000 - 2047).value(), before.substr(8000 - 2048));
    for (auto [file, offset] : {std::pair{archive, 8000 - 2046}, {archive, 0}, {dir / "none.gob", 1}, {dir.path(), 1}})
        EXPECT_FALSE(readFieldSlot(file, offset).ok()) << file << offset;
}

TEST_F(SlotSaveTest, WritesOnlyTheFirst2040BytesInPlaceAndKeepsTheOriginalOnce) {
    ASSERT_TRUE(writeFieldSlot(save(), "BEGIN\r\nEND").ok());
    EXPECT_TRUE(readBytes(archive) == withSlot("BEGIN\r\nEND"));
    EXPECT_EQ(readBytes(backup()), before.substr(1000, 2040));
    EXPECT_FALSE(anyJournal());

    // A later save, under another list name too, keeps the first original.
    const std::string full(2040, 'x');
    SlotSave renamed = save();
    renamed.listName = "Other";
    ASSERT_TRUE(writeFieldSlot(renamed, full).ok());
    EXPECT_TRUE(readBytes(archive) == withSlot(full));
    EXPECT_EQ(readBytes(backup()), before.substr(1000, 2040));
    EXPECT_EQ(std::distance(fs::directory_iterator(backupFolder()), {}), 1);

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

// Another copy of the game, an archive of the same name elsewhere, keeps its
// own original; a list name of any length still names a backup.
TEST_F(SlotSaveTest, EachCopyOfTheGameKeepsItsOwnOriginalsUnderAnyListName) {
    fs::create_directory(dir / "copy");
    const std::string other = filler(7000).substr(0, 4000) + std::string(4000, 'c');
    writeBytes(dir / "copy" / "a.gob", other);
    std::string dashes;
    for (int k = 0; k < 90; ++k) dashes += "\u2013";  // 270 bytes
    ASSERT_TRUE(writeFieldSlot(save(), "BEGIN").ok());
    const auto saved = writeFieldSlot({dir / "copy" / "a.gob", 3001, data, dashes}, "BEGIN");
    ASSERT_TRUE(saved.ok()) << saved.reason();

    std::vector<fs::path> folders(fs::directory_iterator(data / "backups"), {});
    ASSERT_EQ(folders.size(), 2u);
    std::map<std::string, std::string> kept;
    for (const auto& folder : folders)
        for (const auto& file : fs::directory_iterator(folder)) kept[file.path().filename().string()] = readBytes(file);
    EXPECT_EQ(kept.at("Deep, Fine at 1001.opt"), before.substr(1000, 2040));
    const auto cut = std::find_if(kept.begin(), kept.end(), [](auto& entry) { return entry.first.ends_with(" at 3001.opt"); });
    ASSERT_NE(cut, kept.end());
    EXPECT_EQ(cut->second, other.substr(3000, 2040));
    // 33 whole dashes in the first 100 bytes, then a mark of the whole name.
    EXPECT_TRUE(std::regex_match(cut->first, std::regex("(\u2013){33}~[0-9a-f]{8} at 3001\\.opt")));
}

TEST_F(SlotSaveTest, EveryFailureBeforeTheCommitLeavesTheOldField) {
    const std::vector<std::vector<Fault>> cases = {
        {{Op::Write, "a.gob", 1, 700}},     // the disk fills up mid-slot
        {{Op::Sync, "a.gob"}},              // the slot never reaches the disk
        {{Op::Write, "-journal", 2}},       // the commit, clearing the journal, is refused
        {{Op::Sync, "-journal", 2}},        // the commit never reaches the disk
        // No journal in either place, so no write at all.
        {{Op::Write, "-journal", 1, 100}, {Op::Write, "-journal", 2, 100}},
        {{Op::Sync, "-journal", 1}, {Op::Sync, "-journal", 2}},
        {{Op::Write, ".ringwright-tmp"}},   // no backup, so no write at all
        {{Op::CreateFolder, "backups"}},
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

    FaultyFileSystem full, noBackup;
    noBackup.faults = {{Op::CreateFolder, "backups"}};
    EXPECT_EQ(writeFieldSlot(save(), "BEGIN", noBackup).reason(),
              "The field was not saved. Its original could not be kept as a backup: Cannot make the folder " +
                  (data / "backups").string() + ": Permission denied. The field in the GOB file is unchanged.");
    full.faults = {{Op::Write, "a.gob", 1, 700}};
    EXPECT_EQ(writeFieldSlot(save(), "BEGIN", full).reason(),
              "The field was not saved. Cannot write " + quoted(archive) +
                  ": No space left on device. The field in the GOB file is unchanged.");
}

TEST_F(SlotSaveTest, ARollbackThatFailsLeavesTheJournalForTheNextStart) {
    FaultyFileSystem faulty;
    faulty.faults = {{Op::Write, "a.gob", 1, 700}, {Op::Write, "a.gob", 2, 0}, {Op::Create, "a.gob.ringwright-journal"}};
    const auto saved = writeFieldSlot(save(), std::string(2040, 'n'), faulty);
    const auto place = journalPlacesFor(archive, data).inDataFolder;  // the archive's folder refused it
    EXPECT_EQ(saved.reason(), "The field was not saved. Cannot write " + quoted(archive) +
                                  ": No space left on device. Its old bytes could not be put back yet: Cannot write " +
                                  quoted(archive) + ": No space left on device. They stay in " +
                                  quoted(place) + " and are put back when Ringwright next opens this GOB file.");
    EXPECT_TRUE(readBytes(archive) == std::string(before).replace(1000, 700, 700, 'n'));

    const Recovery recovery = recoverUnfinishedSave(archive, data);
    EXPECT_EQ(recovery.rolledBack, 1001);
    EXPECT_FALSE(recovery.problem || fs::exists(place));
    EXPECT_TRUE(readBytes(archive) == before);
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
    EXPECT_FALSE(decodeJournal(std::string(bytes).replace(25, 1, 1, char(bytes[25] ^ 1))));

    // A torn journal beside the archive means the slot was never touched.
    writeBytes(journal, bytes.substr(0, 30));
    const Recovery recovery = recoverUnfinishedSave(archive, data);
    EXPECT_FALSE(recovery.rolledBack || recovery.problem || fs::exists(journal));
    EXPECT_TRUE(readBytes(archive) == before);
}

// The commit clears the journal's header and brings it onto the disk before
// the file is removed: a journal that stays, or that a power cut brings back,
// never undoes the save that said "saved".
TEST_F(SlotSaveTest, ACommittedSaveIsNeverUndoneByItsJournal) {
    FaultyFileSystem faulty;
    faulty.faults = {{Op::Remove, "-journal"}};
    ASSERT_TRUE(writeFieldSlot(save(), "BEGIN new", faulty).ok());
    const std::string a = archive.string(), j = journal.string();
    const auto first = [&](const std::string& entry) {
        return std::find(faulty.trace.begin(), faulty.trace.end(), entry) - faulty.trace.begin();
    };
    EXPECT_LT(first("sync " + j), first("write " + a));  // the journal is on the disk before the slot changes
    EXPECT_EQ(std::vector<std::string>(faulty.trace.end() - 5, faulty.trace.end()),
              (std::vector<std::string>{"write " + a, "sync " + a, "write " + j, "sync " + j, "remove " + j}));
    EXPECT_EQ(readBytes(journal).substr(0, 8), std::string(8, '\0'));

    const Recovery recovery = recoverUnfinishedSave(archive, data);
    EXPECT_FALSE(recovery.rolledBack || recovery.problem || fs::exists(journal));
    EXPECT_TRUE(readBytes(archive) == withSlot("BEGIN new"));
}

// A journal that cannot be removed (a read-only folder, a file held open by a
// virus scanner) is cleared instead; one that cannot even be cleared stops
// every save into the archive, since it would undo that save at the next start.
TEST_F(SlotSaveTest, AnOldJournalNeverUndoesANewerSave) {
    const std::string torn = withSlot("BEGIN torn");
    writeBytes(archive, torn);
    writeBytes(journal, encodeJournal({1001, archive.string(), before.substr(1000, 2040)}));
    FaultyFileSystem stuck;
    stuck.faults = {{Op::Write, "-journal", 0}, {Op::Remove, "-journal", 0}};
    const std::string rolledBack = "A save into " + quoted(archive) +
                                   " did not finish. The field at byte 1001 has been put back as it was before that save.";
    const std::string stays = "The journal " + quoted(journal) + " of that save could not be removed: Cannot write " +
                              quoted(journal) + ": No space left on device. Until it is, Ringwright will not save "
                              "into this GOB file, as the journal would undo that save: make the folder writable, or "
                              "close the program that holds the journal, then try again.";
    const Recovery recovery = recoverUnfinishedSave(archive, data, stuck);
    EXPECT_EQ(recovery.rolledBack, 1001);
    EXPECT_EQ(recovery.problem, stays);
    EXPECT_EQ(writeFieldSlot(save(), "BEGIN newer", stuck).reason(), "The field was not saved. " + rolledBack + " " + stays);
    EXPECT_TRUE(readBytes(archive) == before);

    // A read-only folder: the journal is cleared, not removed, and a newer
    // save goes through and stays.
    writeBytes(archive, torn);
    fs::create_directories(data);
    fs::permissions(data, fs::perms::all);
    fs::permissions(archive, fs::perms::all);
    fs::permissions(journal, fs::perms::all);
    fs::permissions(dir.path(), fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write));
    AsOrdinaryUser user;
    if (!user.ordinary()) GTEST_SKIP() << "cannot act as an ordinary user here";
    const Recovery cleared = recoverUnfinishedSave(archive, data);
    EXPECT_EQ(cleared.rolledBack, 1001);
    EXPECT_FALSE(cleared.problem);
    EXPECT_TRUE(readBytes(archive) == before);
    ASSERT_TRUE(writeFieldSlot(save(), "BEGIN newer").ok());
    EXPECT_EQ(recoverUnfinishedSave(archive, data).rolledBack, std::nullopt);
    EXPECT_TRUE(readBytes(archive) == withSlot("BEGIN newer"));
}

// A save killed while it keeps the original leaves no backup at all, so the
// next save keeps the original itself; a backup of the wrong size is replaced.
TEST_F(SlotSaveTest, OnlyAWholeBackupCountsAsTheOriginal) {
    {
        StoppedChild saving(".ringwright-tmp", 100, [&](FaultyFileSystem& stopping) {
            (void)writeFieldSlot(save(), "BEGIN first", stopping);
        });
        ASSERT_TRUE(saving.stopped());
    }
    ASSERT_TRUE(writeFieldSlot(save(), "BEGIN second").ok());
    EXPECT_EQ(readBytes(backup()), before.substr(1000, 2040));
    EXPECT_EQ(std::distance(fs::directory_iterator(backupFolder()), {}), 1);

    writeBytes(backup(), "BEGIN");
    ASSERT_TRUE(writeFieldSlot(save(), "BEGIN third").ok());
    EXPECT_EQ(readBytes(backup()), paddedBlock("BEGIN second"));
}

// Two real processes: a save stopped mid-write holds the archive's lock, so
// its journal is not rolled back under it and a second save waits, then
// gives up. Killed, it lets go, and its journal, beside the archive itself
// although it saved through a link, puts the slot back.
TEST_F(SlotSaveTest, OneWriterPerArchive) {
    using namespace std::chrono_literals;
    fs::create_directory(dir / "links");
    fs::create_symlink(archive, dir / "links" / "a.gob");
    StoppedChild saving("a.gob", 700, [&](FaultyFileSystem& stopping) {
        (void)writeFieldSlot({dir / "links" / "a.gob", 1001, data, "Deep, Fine"}, std::string(2040, 'k'), stopping);
    });
    ASSERT_TRUE(saving.stopped());
    const std::string busy =
        "Another Ringwright is writing to " + quoted(archive) + " just now. Try again in a moment.";
    const Recovery waiting = recoverUnfinishedSave(archive, data, systemFileSystem(), 100ms);
    EXPECT_EQ(waiting.problem, busy);
    EXPECT_FALSE(waiting.rolledBack);
    EXPECT_EQ(readBytes(archive).substr(1000, 701), std::string(700, 'k') + before[1700]);
    EXPECT_TRUE(fs::exists(journal));
    SlotSave second = save();
    second.lockPatience = 100ms;
    EXPECT_EQ(writeFieldSlot(second, "BEGIN").reason(),
              "The field was not saved. " + busy + " The field in the GOB file is unchanged.");

    saving.kill();
    EXPECT_EQ(recoverUnfinishedSave(archive, data).rolledBack, 1001);
    EXPECT_TRUE(readBytes(archive) == before);
}

// The data folder, backups/, the archive's own folder and journals/: each is
// made durable in its parent before anything is put inside it.
TEST_F(SlotSaveTest, EveryNewFolderIsOnTheDiskBeforeAnythingIsPutInside) {
    FaultyFileSystem faulty;
    faulty.faults = {{Op::Create, "a.gob.ringwright-journal"}};  // the journal goes to the data folder
    ASSERT_TRUE(writeFieldSlot(save(), "BEGIN", faulty).ok());
    const auto& trace = faulty.trace;
    std::vector<std::string> made;
    for (auto entry = trace.begin(); entry != trace.end(); ++entry) {
        if (!entry->starts_with("folder ")) continue;
        const fs::path folder = entry->substr(7);
        made.push_back(folder.lexically_relative(data).string());
        const auto synced = std::find(entry, trace.end(), "syncfolder " + folder.parent_path().string());
        const auto inside = std::find_if(entry, trace.end(), [&](const std::string& e) {
            return e.find(folder.string() + "/") != std::string::npos;
        });
        EXPECT_LT(synced, inside) << folder;
    }
    ASSERT_EQ(made.size(), 4u);
    EXPECT_EQ(made[0], ".");
    EXPECT_EQ(made[1], "backups");
    EXPECT_EQ(made[3], "journals");
}
