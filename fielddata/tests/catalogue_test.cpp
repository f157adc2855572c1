#include "fielddata/catalogue.h"

#include <gtest/gtest.h>

using namespace fielddata;

TEST(Catalogue, NamesComeInFileOrderWithQuotesAndLineEndsHandled) {
    const auto catalogue = Catalogue::parse("Attack,4097\r\n  \"Ring, wide\" , 10001\nCaf\xE9,1\rLast,77\r\n\r\n");
    EXPECT_FALSE(catalogue.problem());
    EXPECT_EQ(catalogue.names(), (std::vector<std::string>{"Attack", "Ring, wide", "Caf\u00e9", "Last"}));
    EXPECT_EQ(catalogue.lookUp(1).value(), 10001);
    EXPECT_EQ(catalogue.lookUp(2).value(), 1);
    EXPECT_EQ(catalogue.lookUp(3).value(), 77);
    EXPECT_EQ(catalogue.lookUp(4).value(), std::nullopt);  // no match: the offset found before stays
    EXPECT_EQ(catalogue.lookUp(-1).value(), std::nullopt);
    EXPECT_EQ(catalogue.namedSlots().value().at(1).name, "Ring, wide");
    EXPECT_TRUE(Catalogue::parse("").names().empty());
    // A byte order mark says the names are UTF-8, not Windows-1252.
    EXPECT_EQ(Catalogue::parse("\xEF\xBB\xBF" "Caf\xC3\xA9,4097\r\n").names(), std::vector<std::string>{"Caf\u00e9"});
}

TEST(Catalogue, BrokenRecordsAreReportedWithTheirLine) {
    const auto incomplete = Catalogue::parse("One,100\r\nTwo");
    EXPECT_EQ(incomplete.names(), std::vector<std::string>{"One"});
    EXPECT_EQ(*incomplete.problem(), "Field.txt cannot be read: the last record (line 2, \"Two\") has no field offset.");
    EXPECT_EQ(incomplete.lookUp(0).value(), 100);
    EXPECT_EQ(incomplete.lookUp(1).reason(), *incomplete.problem());
    EXPECT_EQ(incomplete.namedSlots().reason(), *incomplete.problem());
    EXPECT_EQ(Catalogue::parse("One,100\r\n\"Two,200\r\n").problem(),
              "Field.txt cannot be read: the quote that opens line 2 is never closed.");

    // Records before the match are read whole; records after it are not read.
    const auto badOffset = Catalogue::parse("One,12x\r\nTwo,200\r\nThree,zz");
    EXPECT_EQ(badOffset.lookUp(1).reason(), "Field.txt cannot be read: the field offset \"12x\" on line 1 is not a "
                                            "whole number from -2147483648 to 2147483647.");
    EXPECT_EQ(badOffset.readableSlots().size(), 1u);
    EXPECT_FALSE(Catalogue::parse("A,2147483648").lookUp(0).ok());
    EXPECT_EQ(Catalogue::parse("A,2147483647").lookUp(0).value(), INT32_MAX);
    EXPECT_EQ(Catalogue::parse("A,100\r\nB,0\r\n").lookUp(1).reason(),
              "Field.txt cannot be read: the field offset \"0\" on line 2 names no slot, as offsets count from 1.");
}
