#include "fielddata/exchange_file.h"

#include <gtest/gtest.h>

#include "fielddata/slot_layout.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_dir.h"

using namespace fielddata;
using namespace testing_support;

// Written: exactly 2040 bytes, over a longer file too. Read: the first 2040
// bytes, NUL-filled.
TEST(ExchangeFile, Exactly2040BytesGoOutAndComeIn) {
    TempDir dir;
    const auto file = dir / "f.opt";
    writeBytes(file, std::string(5000, 'z'));
    ASSERT_TRUE(writeExchangeFile(file, "BEGIN").ok());
    EXPECT_EQ(readBytes(file), "BEGIN" + std::string(2035, '\0'));

    writeBytes(dir / "long.opt", std::string(2040, 'a') + "tail");
    EXPECT_EQ(readExchangeFile(dir / "long.opt").value(), std::string(2040, 'a'));
    writeBytes(file, "BEGIN");
    EXPECT_EQ(readExchangeFile(file).value(), "BEGIN" + std::string(2035, '\0'));
}

TEST(ExchangeFile, ReplacingRespectsTheFileThatWasThere) {
    TempDir dir;
    const auto file = dir / "f.opt";
    const std::string old(2040, 'o');

    // A private file stays private; a link keeps leading to the file it names.
    writeBytes(file, old);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("f.opt", dir / "link.opt");
    writeBytes(dir / "f.opt.ringwright-tmp", "the player's own");
    ASSERT_TRUE(writeExchangeFile(dir / "link.opt", "BEGIN").ok());
    EXPECT_TRUE(fs::is_symlink(dir / "link.opt"));
    EXPECT_EQ(readBytes(file), "BEGIN" + std::string(2035, '\0'));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readBytes(dir / "f.opt.ringwright-tmp"), "the player's own");

    // Any failure on the way leaves the old file and no stray file.
    const std::vector<Fault> faults = {{Op::Write, ".ringwright-tmp", 1, 10},
                                       {Op::Sync, ".ringwright-tmp"},
                                       {Op::Replace, "f.opt"}};
    for (const Fault& fault : faults) {
        writeBytes(file, old);
        FaultyFileSystem faulty;
        faulty.faults = {fault};
        EXPECT_FALSE(writeExchangeFile(file, "BEGIN", faulty).ok());
        EXPECT_EQ(readBytes(file), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3);
    }

    // A file the player may not write is refused and left exactly as it was.
    fs::permissions(file, fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(dir.path(), fs::perms::others_all, fs::perm_options::add);
    {
        AsOrdinaryUser user;
        if (!user.ordinary()) GTEST_SKIP() << "cannot act as an ordinary user here";
        EXPECT_EQ(writeExchangeFile(file, "BEGIN").reason(),
                  "Cannot open for writing " + quoted(file) + ": Permission denied. The file was left as it was.");
    }
    EXPECT_EQ(readBytes(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3);
}

// A path through a file, or a loop of links, is refused in words of the
// player's own path, and the links stay links.
TEST(ExchangeFile, AFileOrALoopOnTheWayIsRefused) {
    TempDir dir;
    writeBytes(dir / "mine", "mine");
    EXPECT_EQ(writeExchangeFile(dir / "mine" / "f.opt", "BEGIN").reason(),
              quoted(dir / "mine") + " is not a folder, so " + quoted(dir / "mine" / "f.opt") + " was not written.");
    fs::create_symlink("b.opt", dir / "a.opt");
    fs::create_symlink("a.opt", dir / "b.opt");
    EXPECT_EQ(writeExchangeFile(dir / "a.opt", "BEGIN").reason(),
              quoted(dir / "a.opt") + " is a loop of links that leads to no file, so it was not written.");
    EXPECT_TRUE(fs::is_symlink(dir / "a.opt") && fs::is_symlink(dir / "b.opt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3);
}
