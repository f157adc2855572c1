#include "fielddata/message_text.h"

#include <gtest/gtest.h>

#include "fielddata/catalogue.h"
#include "fielddata/field_text.h"
#include "tests/support/temp_dir.h"

using namespace fielddata;

TEST(MessageText, ControlCharactersShowAndLongTextIsCut) {
    EXPECT_EQ(quotedForMessage(std::string("a\0b\r\n\t\x1b\x7f", 8)), "\"a\\0b\\r\\n\\t\\x1B\\x7F\"");
    EXPECT_EQ(quotedForMessage(std::string(40, 'e')), "\"" + std::string(40, 'e') + "\"");
    EXPECT_EQ(quotedForMessage(std::string(41, 'e')), "\"" + std::string(40, 'e') + "\xE2\x80\xA6\"");
    // Characters, not bytes, are counted: no character is cut in two.
    std::string accents;
    for (int k = 0; k < 41; ++k) accents += "\xC3\xA9";
    EXPECT_EQ(quotedForMessage(accents), "\"" + accents.substr(0, 80) + "\xE2\x80\xA6\"");

    // An empty file read as a field, and a block that starts late.
    EXPECT_EQ(*readFieldText(std::string(2040, '\0')).failure,
              "Type mismatch: the fielder index \"\\0\" is not a number");
    std::string nuls;
    for (int k = 0; k < 40; ++k) nuls += "\\0";
    EXPECT_EQ(*readFieldText(std::string(1500, '\0') + "Fielder_0\r\n").failure,
              "Subscript out of range: the coordinates \"" + nuls + "\xE2\x80\xA6\" of fielder 0 have no Z part");
}

TEST(MessageText, CatalogueOffsetsBelowOneAndAByteOrderMark) {
    EXPECT_EQ(lookUpFieldOffset("A,100\r\nB,0\r\n", 1).reason(),
              "Field.txt cannot be read: the field offset \"0\" on line 2 names no slot, as offsets count from 1.");
    EXPECT_EQ(lookUpFieldOffset("A,-1", 0).reason(),
              "Field.txt cannot be read: the field offset \"-1\" on line 1 names no slot, as offsets count from 1.");
    testing_support::TempDir dir;
    testing_support::writeBytes(dir / "Field.txt", "\xEF\xBB\xBFStandard,4097\r\n");
    const auto content = readCatalogueFile(dir / "Field.txt");
    EXPECT_EQ(listCatalogueNames(content.value()).names, std::vector<std::string>{"Standard"});
}
