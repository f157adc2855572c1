#include "fielddata/catalogue.h"

#include <gtest/gtest.h>

#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_dir.h"

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

TEST(Catalogue, ARenameChangesOnlyThatRecordsName) {
    struct Case { std::string content; int record; std::string name, after; };
    const Case cases[] = {
        {"One,100\r\n\"Two\" ,200\nThree,300", 1, "Ring", "One,100\r\nRing,200\nThree,300"},
        {"One,100\r\nTwo,200\r\n", 0, "Wide, deep", "\"Wide, deep\",100\r\nTwo,200\r\n"},
        {"A,1\rB,2", 1, "Say \"hi\"", "A,1\rSay \"hi\",2"},
        {"A,1\r\nB,2", 0, "Caf\u00e9", "Caf\xE9,1\r\nB,2"},
        {"\xEF\xBB\xBF" "A,1\r\nB", 0, "Caf\u00e9", "\xEF\xBB\xBF" "Caf\xC3\xA9,1\r\nB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Catalogue::parse(c.content).renamed(c.content, c.record, c.name).value(), c.after) << c.name;
    const std::string content = "A,1\r\n";
    const auto catalogue = Catalogue::parse(content);
    EXPECT_EQ(catalogue.renamed(content, 0, "  ").reason(), "A field's name cannot be empty.");
    EXPECT_EQ(catalogue.renamed(content, 0, "a\nb").reason(), "A field's name cannot hold a line end or a control character.");
    EXPECT_EQ(catalogue.renamed(content, 0, "\u0141\u00f3d\u017a").reason(),
              "The name \"\u0141\u00f3d\u017a\" holds a character that Field.txt cannot hold, as it is written in Windows-1252.");
    EXPECT_EQ(catalogue.renamed(content, 0, "\"a, b\"").reason(),
              "The name \"\"a, b\"\" cannot be written in Field.txt so that it reads back.");
    EXPECT_EQ(catalogue.renamed(content, 1, "B").reason(), "Field.txt holds no such record.");
}

// A Field.txt that cannot be replaced, or whose first copy cannot be kept,
// stays as it was, and says so.
TEST(Catalogue, ARenameReplacesTheFileWholeOrNotAtAll) {
    using namespace testing_support;
    TempDir dir;
    const auto path = dir / "Field.txt";
    writeBytes(path, "A,1\r\nB,2\r\n");
    FaultyFileSystem faulty;
    faulty.faults = {{Op::Create, "Field.txt.bak"}};
    EXPECT_EQ(renameInCatalogue(faulty, path, 1, "B", "C").reason(),
              "Field.txt was left as it was: its copy \"" + path.string() + ".bak\" could not be made. Cannot create " +
                  path.string() + ".bak: Permission denied.");
    faulty.faults = {{Op::Replace, "Field.txt"}};
    EXPECT_EQ(renameInCatalogue(faulty, path, 1, "B", "C").reason(),
              "Field.txt was left as it was. Cannot replace " + path.string() + ": Permission denied.");
    EXPECT_EQ(readBytes(path), "A,1\r\nB,2\r\n");
}
