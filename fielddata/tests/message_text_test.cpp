#include "fielddata/message_text.h"

#include <gtest/gtest.h>

#include "fielddata/field_text.h"

using namespace fielddata;

TEST(MessageText, ControlCharactersShowAndLongTextIsCut) {
    EXPECT_EQ(quotedForMessage(std::string("a\0b\r\n\t\x1b\x7f", 8)), "\"a\\0b\\r\\n\\t\\x1B\\x7F\"");
    EXPECT_EQ(quotedForMessage("\u009B2J\u0085\u2013"), "\"\\x9B2J\\x85\u2013\"");  // C1 controls too
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
