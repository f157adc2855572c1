#include "fielddata/archive.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <regex>
#include <set>

#include "fielddata/archive_names.h"
#include "fielddata/backups.h"
#include "fielddata/slot_layout.h"
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

class ArchiveTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path path = dir / "a.gob";
    fs::path data = dir / "data";
    fs::path journal = dir / "a.gob.ringwright-journal";
    std::string before = filler(8000);

    void SetUp() override { writeBytes(path, before); }
    Archive open(FileSystem& files = systemFileSystem(), const fs::path& at = {}) const {
        auto opened = Archive::open(at.empty() ? path : at, data, files);
        return std::move(opened.value());
    }
    // The filler holds no field, so a save is asked twice.
    Outcome<SaveOutcome> save(std::string_view block, FileSystem& files = systemFileSystem()) const {
        return open(files).save({1001, block, "Deep, Fine", {}, true});
    }
    // The one folder of this archive's originals: "a.gob-" and 16 hex digits.
    fs::path backupFolder() const {
        std::vector<fs::path> folders(fs::directory_iterator(data / "backups"), {});
        EXPECT_EQ(folders.size(), 1u);
        EXPECT_TRUE(std::regex_match(folders.at(0).filename().string(), std::regex("a\\.gob-[0-9a-f]{16}")));
        return folders.at(0);
    }
    fs::path backup() const { return backupFolder() / "Deep, Fine at 1001.opt"; }
    std::string withSlot(std::string_view bytes) const {
        return std::string(before).replace(1000, 2040, paddedBlock(bytes));
    }
    bool anyJournal() const {
        return fs::exists(journal) || fs::exists(journalPlacesFor(systemFileSystem(), path, data).inDataFolder);
    }
};

}  // namespace

TEST_F(ArchiveTest, ReadsAndRefusesBeforeAnythingOpensTheFile) {
    Archive archive = open();
    EXPECT_EQ(archive.readSlot(1).value(), before.substr(0, 2048));
    EXPECT_EQ(archive.readSlot(101).value(), before.substr(100, 2048));
    EXPECT_EQ(archive.readSlot(8000 - 2047).value(), before.substr(8000 - 2048));
    EXPECT_EQ(archive.readSlot(8000 - 2046).reason(),
              "The field slot at byte 5954 runs past the end of " + quoted(path) + ", which holds 8000 bytes.");
    EXPECT_EQ(archive.readSlot(0).reason(), "No field has been looked up in Field.txt yet, so there is no slot to use.");
    EXPECT_EQ(Archive::open("", data).reason(), "No GOB file has been chosen.");
    EXPECT_EQ(Archive::open(dir / "none.gob", data).reason(), "The GOB file " + quoted(dir / "none.gob") + " does not exist.");
    EXPECT_EQ(Archive::open(dir.path(), data).reason(), quoted(dir.path()) + " is not a file.");
    // A FIFO would hold the first read until a writer came: refused at once.
    ASSERT_EQ(mkfifo((dir / "fifo.gob").c_str(), 0600), 0);
    EXPECT_EQ(Archive::open(dir / "fifo.gob", data).reason(), quoted(dir / "fifo.gob") + " is not a file.");
    EXPECT_EQ(systemFileSystem().openExisting(dir / "fifo.gob", false).reason(),
              "Cannot open " + quoted(dir / "fifo.gob") + ": it is not a plain file.");
    FaultyFileSystem failing;
    failing.faults = {{Op::Read, "a.gob"}};
    EXPECT_EQ(open(failing).readSlot(1).reason(), "Cannot read " + quoted(path) + ": Input/output error.");
}

TEST_F(ArchiveTest, WritesOnlyTheFirst2040BytesInPlaceAndKeepsTheOriginalOnce) {
    ASSERT_TRUE(save("BEGIN\r\nEND").ok());
    EXPECT_TRUE(readBytes(path) == withSlot("BEGIN\r\nEND"));
    EXPECT_EQ(readBytes(backup()), before.substr(1000, 2040));
    EXPECT_FALSE(anyJournal());

    // A later save, under another list name too, keeps the first original.
    const std::string full = "BEGIN" + std::string(2035, 'x');
    ASSERT_TRUE(open().save({1001, full, "Other"}).ok());
    EXPECT_TRUE(readBytes(path) == withSlot(full));
    EXPECT_EQ(readBytes(backup()), before.substr(1000, 2040));
    EXPECT_EQ(open().keptOriginal(1001).value(), before.substr(1000, 2040));
    EXPECT_EQ(open().keptOriginal(1).value(), std::nullopt);

    const std::string saved = readBytes(path);
    EXPECT_EQ(save(std::string(2041, 'x')).reason(), "File Size too long");
    EXPECT_EQ(open().save({8000 - 2046, "BEGIN"}).reason(),
              "The field slot at byte 5954 runs past the end of " + quoted(path) + ", which holds 8000 bytes.");
    // A slot that holds no field is written only when asked twice; the
    // start of another record's slot never.
    EXPECT_EQ(open().save({2, "BEGIN", "Two"}).value(), SaveOutcome::SlotHoldsNoField);
    EXPECT_EQ(open().describeForeignSlot(2),
              "The slot at byte 2 of " + quoted(path) + " holds no field, so Field.txt may not fit this GOB file.");
    EXPECT_EQ(open().save({1, "BEGIN", "Ring", {{"Ring", 1}, {"Deep", 1001}, {"Far", 2041}}, true}).reason(),
              "The field was not saved. The field \"Ring\" at byte 1 would write over the start of the field "
              "\"Deep\" at byte 1001, as Field.txt lists their slots less than 2040 bytes apart. The field in the "
              "GOB file is unchanged.");
    // Without a folder for the originals, no slot is written over.
    EXPECT_EQ(Archive::open(path, {}).value().save({1001, "BEGIN"}).reason(),
              "The field was not saved. Its original could not be kept as a backup: the system names no folder for "
              "Ringwright's own files. The field in the GOB file is unchanged.");
    EXPECT_EQ(readBytes(path), saved);
    ASSERT_TRUE(open().save({1, "BEGIN", "Ring", {{"Deep", 1001 + 2040}}, true}).ok());
}

// Another copy of the game, an archive of the same name elsewhere, keeps its
// own originals.
TEST_F(ArchiveTest, EachCopyOfTheGameKeepsItsOwnOriginals) {
    fs::create_directory(dir / "copy");
    writeBytes(dir / "copy" / "a.gob", std::string(8000, 'c'));
    ASSERT_TRUE(save("BEGIN").ok());
    ASSERT_TRUE(open(systemFileSystem(), dir / "copy" / "a.gob").save({1001, "BEGIN", "Deep, Fine", {}, true}).ok());
    std::set<std::string> kept;  // the first bytes of each original
    for (const auto& folder : fs::directory_iterator(data / "backups"))
        kept.insert(readBytes(folder.path() / "Deep, Fine at 1001.opt").substr(0, 3));
    EXPECT_EQ(kept, (std::set<std::string>{"LMN", "ccc"}));
}

// A list name of any length or character still names a backup file.
TEST(BackupNames, EveryListNameGivesAFileName) {
    std::string dashes;
    for (int k = 0; k < 90; ++k) dashes += "\u2013";  // 270 bytes
    // 33 whole dashes in the first 100 bytes, then a mark of the whole name.
    EXPECT_TRUE(std::regex_match(backupFileName(dashes, 3001), std::regex("(\u2013){33}~[0-9a-f]{8} at 3001\\.opt")));
    EXPECT_EQ(backupFileName("A/B: \"x\"?.\u0085 ", 7), "A_B_ _x__._ at 7.opt");
    EXPECT_EQ(backupFileName("..", 7), "Field at 7.opt");
}

TEST_F(ArchiveTest, EveryFailureBeforeTheCommitLeavesTheOldField) {
    const std::vector<std::pair<std::vector<Fault>, std::string>> cases = {
        {{{Op::Write, "a.gob", 1, 700}}, "Cannot write " + quoted(path) + ": No space left on device."},
        {{{Op::Sync, "a.gob"}}, "Cannot bring " + quoted(path) + " onto the disk: Input/output error."},
        {{{Op::Write, "-journal", 2}}, ""},  // the commit, clearing the journal, is refused
        {{{Op::Sync, "-journal", 2}}, ""},   // the commit never reaches the disk
        // No journal in either place, so no write at all.
        {{{Op::Write, "-journal", 1, 100}, {Op::Write, "-journal", 2, 100}}, ""},
        {{{Op::Write, ".ringwright-tmp"}}, ""},  // no backup, so no write at all
        {{{Op::List, archiveKey(systemFileSystem(), path)}}, ""},  // the originals' folder cannot be looked into
        {{{Op::CreateFolder, "backups"}}, "Its original could not be kept as a backup: Cannot make the folder " +
                                              (data / "backups").string() + ": Permission denied."},
    };
    for (const auto& [faults, reason] : cases) {
        SCOPED_TRACE(faults[0].pathPart + " " + std::to_string(int(faults[0].op)));
        writeBytes(path, before);
        fs::remove_all(data);
        FaultyFileSystem faulty;
        faulty.faults = faults;
        const auto saved = save("BEGIN\r\nEND", faulty);
        ASSERT_FALSE(saved.ok());
        EXPECT_TRUE(saved.reason().starts_with("The field was not saved. " + reason)) << saved.reason();
        EXPECT_TRUE(saved.reason().ends_with(" The field in the GOB file is unchanged.")) << saved.reason();
        EXPECT_TRUE(readBytes(path) == before);
        EXPECT_FALSE(anyJournal());
    }
}

TEST_F(ArchiveTest, ARollbackThatFailsLeavesTheJournalForTheNextStart) {
    FaultyFileSystem faulty;
    faulty.faults = {{Op::Write, "a.gob", 1, 700}, {Op::Write, "a.gob", 2, 0}, {Op::Create, "a.gob.ringwright-journal"}};
    const auto place = journalPlacesFor(systemFileSystem(), path, data).inDataFolder;  // the archive's folder refused it
    EXPECT_EQ(save(std::string(2040, 'n'), faulty).reason(),
              "The field was not saved. Cannot write " + quoted(path) +
                  ": No space left on device. Its old bytes could not be put back yet: Cannot write " + quoted(path) +
                  ": No space left on device. They stay in " + quoted(place) +
                  " and are put back when Ringwright next opens this GOB file.");
    EXPECT_TRUE(readBytes(path) == std::string(before).replace(1000, 700, 700, 'n'));

    const Recovery recovery = open().recover();
    EXPECT_EQ(recovery.rolledBack, 1001);
    EXPECT_FALSE(recovery.problem || recovery.setAside || fs::exists(place));
    EXPECT_TRUE(readBytes(path) == before);
    EXPECT_FALSE(open().recover().rolledBack);
    EXPECT_EQ(open().save({1001, "BEGIN"}).value(), SaveOutcome::SlotHoldsNoField);
    EXPECT_EQ(open().describeRollback(1001), "A save into " + quoted(path) +
                                                 " did not finish. The field at byte 1001 has been put back as it was "
                                                 "before that save.");
}

TEST_F(ArchiveTest, JournalsRoundTripAndTornOnesAreDiscarded) {
    const JournalRecord record{1001, {7, 9}, "/games/a.gob", std::string("BEGIN\0\xff", 7), std::string("BEGIN\0\x01", 7)};
    const std::string bytes = encodeJournal(record);
    EXPECT_EQ(decodeJournal(bytes), record);
    for (std::size_t cut : {std::size_t(0), std::size_t(35), bytes.size() - 1})
        EXPECT_FALSE(decodeJournal(bytes.substr(0, cut))) << cut;
    EXPECT_FALSE(decodeJournal(std::string(bytes).replace(40, 1, 1, char(bytes[40] ^ 1))));

    // A torn journal beside the archive means the slot was never touched.
    writeBytes(journal, bytes.substr(0, 30));
    const Recovery recovery = open().recover();
    EXPECT_FALSE(recovery.rolledBack || recovery.problem || fs::exists(journal));
    EXPECT_TRUE(readBytes(path) == before);
}

// A journal is applied only to the file it was written for, and only while
// the slot holds what its save found or wrote; anything else is set aside
// and told once.
TEST_F(ArchiveTest, AJournalNeverUndoesASaveMadeThroughAnotherNameNorWritesIntoAnotherFile) {
    fs::create_directory(dir / "other");
    fs::create_hard_link(path, dir / "other" / "a.gob");
    {
        StoppedChild saving("a.gob", 700, [&](FaultyFileSystem& stopping) {
            (void)open(stopping).save({1001, "BEGIN" + std::string(2035, 'k'), "Deep", {}, true});
        });
        ASSERT_TRUE(saving.stopped());
    }  // killed after its journal and 700 bytes of the slot
    ASSERT_TRUE(fs::exists(journal));
    ASSERT_TRUE(open(systemFileSystem(), dir / "other" / "a.gob").save({1001, "BEGIN other", "Deep", {}, true}).ok());
    const Recovery later = open().recover();
    EXPECT_EQ(later.setAside, "The journal " + quoted(journal) + " of an unfinished save into " + quoted(path) +
                                  " was not applied, as the field at byte 1001 has been saved again since, through "
                                  "another name for the same file. It is kept as " + quoted(fs::path(journal.string() + ".set-aside")) + ".");
    EXPECT_FALSE(later.rolledBack || later.problem || fs::exists(journal));
    EXPECT_TRUE(readBytes(path) == withSlot("BEGIN other"));
    EXPECT_FALSE(open().recover().setAside);  // told once

    // An archive replaced by another file since: its journal writes nothing into it.
    writeBytes(journal, encodeJournal({1001, FileIdentity{1, 2},
                                       fs::canonical(path).string(), before.substr(1000, 2040), before.substr(1000, 2040)}));
    const Recovery replaced = open().recover();
    EXPECT_TRUE(replaced.setAside && replaced.setAside->find(" was not applied, as the GOB file has been replaced by "
                                                              "another file since. It is kept as ") != std::string::npos);
    EXPECT_TRUE(readBytes(path) == withSlot("BEGIN other"));
}

// The commit clears the journal's header and brings it onto the disk before
// the file is removed: a journal that stays, or that a power cut brings back,
// never undoes the save that said "saved".
TEST_F(ArchiveTest, ACommittedSaveIsNeverUndoneByItsJournal) {
    FaultyFileSystem faulty;
    faulty.faults = {{Op::Remove, "-journal"}};
    ASSERT_TRUE(open(faulty).save({1001, "BEGIN new", "Deep", {}, true}).ok());
    const std::string a = path.string(), j = journal.string();
    const auto first = [&](const std::string& entry) {
        return std::find(faulty.trace.begin(), faulty.trace.end(), entry) - faulty.trace.begin();
    };
    EXPECT_LT(first("sync " + j), first("write " + a));  // the journal is on the disk before the slot changes
    EXPECT_EQ(std::vector<std::string>(faulty.trace.end() - 5, faulty.trace.end()),
              (std::vector<std::string>{"write " + a, "sync " + a, "write " + j, "sync " + j, "remove " + j}));
    EXPECT_EQ(readBytes(journal).substr(0, 8), std::string(8, '\0'));

    const Recovery recovery = open().recover();
    EXPECT_FALSE(recovery.rolledBack || recovery.problem || fs::exists(journal));
    EXPECT_TRUE(readBytes(path) == withSlot("BEGIN new"));
}

// A journal that cannot be removed, in a read-only folder, is cleared
// instead, and a newer save goes through and stays. (One that cannot even be
// cleared stops every save: the editor's start-up shows it.)
TEST_F(ArchiveTest, AnOldJournalNeverUndoesANewerSave) {
    writeBytes(path, withSlot("BEGIN torn"));
    writeBytes(journal, encodeJournal({1001, systemFileSystem().facts(path).value().identity, fs::canonical(path).string(),
                                       before.substr(1000, 2040), paddedBlock("BEGIN torn")}));
    fs::create_directories(data);
    fs::permissions(data, fs::perms::all);
    fs::permissions(path, fs::perms::all);
    fs::permissions(journal, fs::perms::all);
    fs::permissions(dir.path(), fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write));
    AsOrdinaryUser user;
    if (!user.ordinary()) GTEST_SKIP() << "cannot act as an ordinary user here";
    const Recovery cleared = open().recover();
    EXPECT_EQ(cleared.rolledBack, 1001);
    EXPECT_FALSE(cleared.problem);
    EXPECT_TRUE(readBytes(path) == before);
    ASSERT_TRUE(save("BEGIN newer").ok());
    EXPECT_EQ(open().recover().rolledBack, std::nullopt);
    EXPECT_TRUE(readBytes(path) == withSlot("BEGIN newer"));
}

// Two real processes: a save stopped mid-write holds the archive's lock, so
// its journal is not rolled back under it and a second save waits, then
// gives up. Killed, it lets go, and its journal, beside the archive itself
// although it saved through a link, puts the slot back.
TEST_F(ArchiveTest, OneWriterPerArchive) {
    using namespace std::chrono_literals;
    fs::create_directory(dir / "links");
    fs::create_symlink(path, dir / "links" / "a.gob");
    const std::string slot = "BEGIN" + std::string(2035, 'k');
    StoppedChild saving("a.gob", 700, [&](FaultyFileSystem& stopping) {
        (void)open(stopping, dir / "links" / "a.gob").save({1001, slot, "Deep, Fine", {}, true});
    });
    ASSERT_TRUE(saving.stopped());
    const std::string busy = "Another Ringwright is writing to " + quoted(path) + " just now. Try again in a moment.";
    const Recovery waiting = open().recover(100ms);
    EXPECT_EQ(waiting.problem, busy);
    EXPECT_FALSE(waiting.rolledBack);
    EXPECT_EQ(readBytes(path).substr(1000, 701), slot.substr(0, 700) + before[1700]);
    EXPECT_TRUE(fs::exists(journal));
    EXPECT_EQ(open().save({1001, "BEGIN", "", {}, true, 100ms}).reason(),
              "The field was not saved. " + busy + " The field in the GOB file is unchanged.");

    saving.kill();
    EXPECT_EQ(open().recover().rolledBack, 1001);
    EXPECT_TRUE(readBytes(path) == before);
}
