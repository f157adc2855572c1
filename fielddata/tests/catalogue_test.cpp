#include "fielddata/catalogue.h"

#include <gtest/gtest.h>

using namespace fielddata;

TEST(Catalogue, NamesComeInFileOrderWithQuotesAndLineEndsHandled) {
    const std::string content = "Attack,4097\r\n  \"Ring, wide\" , 10001\nAttack,1\rLast,77\r\n\r\n";
    const auto listing = listCatalogueNames(content);
    EXPECT_FALSE(listing.problem);
    EXPECT_EQ(listing.names, (std::vector<std::string>{"Attack", "Ring, wide", "Attack", "Last"}));
    EXPECT_EQ(lookUpFieldOffset(content, 1).value(), 10001);
    EXPECT_EQ(lookUpFieldOffset(content, 2).value(), 1);
    EXPECT_EQ(lookUpFieldOffset(content, 3).value(), 77);
    EXPECT_EQ(lookUpFieldOffset(content, 4).value(), std::nullopt);  // no match: the offset found before stays
    EXPECT_EQ(lookUpFieldOffset(content, -1).value(), std::nullopt);
    EXPECT_TRUE(listCatalogueNames("").names.empty());
}

TEST(Catalogue, BrokenRecordsAreReportedWithTheirLine) {
    const std::string incomplete = "One,100\r\nTwo";
    const auto listing = listCatalogueNames(incomplete);
    EXPECT_EQ(listing.names, std::vector<std::string>{"One"});
    EXPECT_NE(listing.problem->find("line 2"), std::string::npos);
    EXPECT_EQ(lookUpFieldOffset(incomplete, 0).value(), 100);
    EXPECT_FALSE(lookUpFieldOffset(incomplete, 1).ok());

    // Records before the match are read whole; records after it are not read.
    const std::string badOffset = "One,12x\r\nTwo,200\r\nThree,zz";
    EXPECT_NE(lookUpFieldOffset(badOffset, 1).reason().find("\"12x\" on line 1"), std::string::npos);
    EXPECT_FALSE(lookUpFieldOffset("A,2147483648", 0).ok());
    EXPECT_EQ(lookUpFieldOffset("A,2147483647", 0).value(), INT32_MAX);
}
