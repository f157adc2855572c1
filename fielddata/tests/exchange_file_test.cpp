#include "fielddata/exchange_file.h"

#include <gtest/gtest.h>

#include "fielddata/archive_slot.h"
#include "temp_dir.h"

using namespace fielddata;
using namespace testing_support;

TEST(ExchangeFile, WritesExactly2040BytesAndReplacesLongerFiles) {
    TempDir dir;
    const auto file = dir / "f.opt";
    ASSERT_TRUE(writeExchangeFile(file, "BEGIN").ok());
    EXPECT_EQ(readBytes(file), paddedBlock("BEGIN"));

    writeBytes(file, std::string(5000, 'z'));
    ASSERT_TRUE(writeExchangeFile(file, std::string(2040, 'y')).ok());
    EXPECT_EQ(readBytes(file), std::string(2040, 'y'));

    EXPECT_EQ(writeExchangeFile(file, std::string(2041, 'y')).reason(), "File Size too long");
    EXPECT_FALSE(writeExchangeFile(dir / "new.opt", std::string(2041, 'y')).ok());
    EXPECT_FALSE(std::filesystem::exists(dir / "new.opt"));
    EXPECT_EQ(readBytes(file), std::string(2040, 'y'));

    EXPECT_FALSE(writeExchangeFile(dir / "missing" / "f.opt", "BEGIN").ok());
    EXPECT_FALSE(writeExchangeFile(dir.path(), "BEGIN").ok());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ExchangeFile, ReadsTheFirst2040BytesNulFilled) {
    TempDir dir;
    writeBytes(dir / "long.opt", std::string(2040, 'a') + "tail");
    EXPECT_EQ(readExchangeFile(dir / "long.opt").value(), std::string(2040, 'a'));
    writeBytes(dir / "short.opt", "BEGIN");
    EXPECT_EQ(readExchangeFile(dir / "short.opt").value(), paddedBlock("BEGIN"));
    EXPECT_FALSE(readExchangeFile(dir / "none.opt").ok());
    EXPECT_FALSE(readExchangeFile(dir.path()).ok());
}
