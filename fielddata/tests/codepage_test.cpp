#include "fielddata/codepage.h"

#include <gtest/gtest.h>

using namespace fielddata;

TEST(Codepage, EveryByteSurvivesADecodeAndEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const auto text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text[0x80], U'\u20AC');
    EXPECT_EQ(text[0xE9], U'\u00E9');
    EXPECT_EQ(encodeCp1252(text), all);
}

TEST(Codepage, CharactersWithoutAByteAreFoundAndRefused) {
    const std::u32string text = U"1.5\u20AC\u0416";
    EXPECT_EQ(firstUnencodable(text), 4u);
    EXPECT_EQ(encodeCp1252(text), std::nullopt);
    EXPECT_EQ(firstUnencodable(U"Caf\u00E9"), std::nullopt);
    EXPECT_EQ(utf8FromCp1252("Caf\xE9"), "Caf\xC3\xA9");
}

TEST(Codepage, ControlTextsCrossAsUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
    EXPECT_EQ(decodeUtf8("a\xC5\x81\xF0\x9F\x8F\x8F"), U"a\u0141\U0001F3CF");
    EXPECT_EQ(utf8FromCodePoints(U"\U0001F3CF"), "\xF0\x9F\x8F\x8F");
    EXPECT_EQ(decodeUtf8("\xC5"), U"\uFFFD");  // cut short
    EXPECT_EQ(cp1252FromUtf8("2\xC5\x81"), std::nullopt);
}
