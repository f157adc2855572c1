#include "fielddata/codepage.h"

#include <gtest/gtest.h>

using namespace fielddata;

// Windows-1252 as it is published: bytes 0x80 to 0x9F carry 27 characters
// of their own; 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined and, as Windows
// converts them, stand for the control characters of the same value.
TEST(Codepage, EveryByteSurvivesADecodeAndEncode) {
    const char32_t special[32] = {0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                  0x2039, 0x0152, 0x8D, 0x017D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                  0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D, 0x017E, 0x0178};
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const auto text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256u);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(text[b], b >= 0x80 && b < 0xA0 ? special[b - 0x80] : char32_t(b)) << b;
    EXPECT_EQ(encodeCp1252(text), all);
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
}

TEST(Codepage, CharactersWithoutAByteAreRefusedAndOthersCrossAsUtf8) {
    const std::u32string text = U"1.5\u20AC\u0416";
    EXPECT_EQ(firstUnencodable(text), 4u);
    EXPECT_EQ(encodeCp1252(text), std::nullopt);
    EXPECT_EQ(firstUnencodable(U"Caf\u00E9"), std::nullopt);
    EXPECT_EQ(utf8FromCp1252("Caf\xE9"), "Caf\xC3\xA9");

    // Control texts cross as UTF-8.
    EXPECT_EQ(decodeUtf8("a\xC5\x81\xF0\x9F\x8F\x8F"), U"a\u0141\U0001F3CF");
    EXPECT_EQ(utf8FromCodePoints(U"\U0001F3CF"), "\xF0\x9F\x8F\x8F");
    EXPECT_EQ(decodeUtf8("\xC5"), U"\uFFFD");  // cut short
    EXPECT_EQ(cp1252FromUtf8("2\xC5\x81"), std::nullopt);
}
