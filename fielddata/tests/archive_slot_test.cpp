#include "fielddata/archive_slot.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "temp_dir.h"

using namespace fielddata;
using namespace testing_support;

namespace {

std::string filler(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = char(0x41 + i % 23);
    return bytes;
}

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

TEST(ArchiveSlot, WritesOnlyTheFirst2040BytesInPlace) {
    TempDir dir;
    const auto archive = dir / "a.gob";
    const std::string before = filler(8000);
    writeBytes(archive, before);

    ASSERT_TRUE(writeFieldSlot(archive, 1001, "BEGIN\r\nEND").ok());
    std::string expected = before;
    expected.replace(1000, 2040, paddedBlock("BEGIN\r\nEND"));
    EXPECT_EQ(readBytes(archive), expected);
    EXPECT_EQ(readFieldSlot(archive, 1001).value().substr(2040), before.substr(3040, 8));

    const std::string full(2040, 'x');
    ASSERT_TRUE(writeFieldSlot(archive, 1001, full).ok());
    expected.replace(1000, 2040, full);
    EXPECT_EQ(readBytes(archive), expected);

    EXPECT_EQ(writeFieldSlot(archive, 1001, std::string(2041, 'x')).reason(), "File Size too long");
    EXPECT_FALSE(writeFieldSlot(archive, 0, "x").ok());
    EXPECT_FALSE(writeFieldSlot(archive, 8000 - 2046, "x").ok());
    EXPECT_FALSE(writeFieldSlot("", 1, "x").ok());
    EXPECT_EQ(readBytes(archive), expected);

    EXPECT_FALSE(writeFieldSlot(dir / "new.gob", 1, "x").ok());
    EXPECT_FALSE(std::filesystem::exists(dir / "new.gob"));
}

TEST(ArchiveSlot, ReadOnlyArchiveIsAFailure) {
    TempDir dir;
    const auto archive = dir / "a.gob";
    writeBytes(archive, filler(4096));
    std::filesystem::permissions(archive, std::filesystem::perms::owner_read | std::filesystem::perms::others_read);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::others_exec, std::filesystem::perm_options::add);
    {
        AsOrdinaryUser user;
        if (!user.ordinary()) GTEST_SKIP() << "cannot act as an ordinary user here";
        const auto written = writeFieldSlot(archive, 1, "BEGIN");
        EXPECT_FALSE(written.ok());
        EXPECT_NE(written.reason().find("Cannot open for writing"), std::string::npos) << written.reason();
    }
    EXPECT_EQ(readBytes(archive), filler(4096));
}
