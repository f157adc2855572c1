#include "fielddata/field_text.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace fielddata;

namespace {

FieldTexts sampleField() {
    FieldTexts texts;
    const char* animations[] = {"Slip01.anm", "Basic04b.anm", "Close01.anm"};
    for (int i = 0; i < 9; ++i)
        texts[std::size_t(i)] = {std::to_string(i) + ".500000", "-" + std::to_string(i) + ".250000",
                                 animations[i % 3], std::to_string(10 + i)};
    return texts;
}

FieldTexts textsFrom(const FieldTextReading& reading) {
    FieldTexts texts;
    for (const FilledBox& b : reading.filled) {
        auto& f = texts[std::size_t(b.fielder)];
        (b.box == FielderBox::X ? f.x : b.box == FielderBox::Z ? f.z : b.box == FielderBox::Animation ? f.animation : f.value) = b.text;
    }
    return texts;
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

TEST(BuildFieldText, EmptyTextsGiveTheFixedBlock) {
    const std::string block = buildFieldText(FieldTexts{});
    EXPECT_EQ(block.size(), 1284u);
    EXPECT_EQ(std::count(block.begin(), block.end(), '\n'), 84);
    EXPECT_TRUE(block.starts_with("BEGIN\r\nID 9999\r\n\tNumCamera 0\r\n\r\n\tPlayer Fielder_0\r\n\tTransSync FALSE"));
    EXPECT_NE(block.find("\tStartXZ  \r\n\tNumAnim 1\r\n\t  AC_PLAY\r\n\r\n\tPlayer Fielder_1"), std::string::npos);
    EXPECT_TRUE(block.ends_with("\tPlayer Fielder_8\r\n\tTransSync FALSE\r\n\tPlayerLOD -1\r\n"
                                "\tFacialAnim None 9999.999f\r\n\tStartTime 0.000000\r\n\tStartXZ  \r\n"
                                "\tNumAnim 1\r\n\t  AC_PLAY\r\nEND"));
}

TEST(BuildFieldText, TextsGoInUnchangedAndReadBack) {
    FieldTexts texts = sampleField();
    texts[3] = {"-2.500000", "4.000000", "Close01.anm", "1"};
    const std::string block = buildFieldText(texts);
    EXPECT_NE(block.find("\r\n\tStartXZ -2.500000 4.000000\r\n\tNumAnim 1\r\n\tClose01.anm 1 AC_PLAY\r\n"),
              std::string::npos);
    const auto reading = readFieldText(block + std::string(700, '\0'));
    EXPECT_FALSE(reading.failure);
    EXPECT_EQ(reading.filled.size(), 36u);
    EXPECT_TRUE(textsFrom(reading) == texts);
}

TEST(ReadFieldText, BareLineFeedsReversedOrderAndOddTextsRead) {
    const FieldTexts texts = sampleField();
    const std::string block = buildFieldText(texts);
    const auto lf = readFieldText(replaceAll(block, "\r\n", "\n"));
    EXPECT_FALSE(lf.failure) << *lf.failure;
    EXPECT_TRUE(textsFrom(lf) == texts);

    // Groups 8..0: split on the empty line between groups and join in reverse.
    std::vector<std::string> groups;
    std::string body = block.substr(block.find("\tPlayer"));
    for (std::size_t at; (at = body.find("\r\n\r\n")) != std::string::npos; body.erase(0, at + 4))
        groups.push_back(body.substr(0, at));
    groups.push_back(body);
    std::string reversed = "BEGIN\r\n";
    for (auto g = groups.rbegin(); g != groups.rend(); ++g) reversed += *g + "\r\n\r\n";
    const auto back = readFieldText(reversed);
    EXPECT_FALSE(back.failure);
    EXPECT_EQ(back.filled.front().fielder, 8);
    EXPECT_TRUE(textsFrom(back) == texts);

    // Two spaces in a row make Z empty; animation names match in any case.
    FieldTexts odd = texts;
    odd[0].x = "1.5 ";
    odd[0].z = "2.5";
    odd[1].animation = "SLIP01.ANM";
    const auto got = textsFrom(readFieldText(replaceAll(buildFieldText(odd), "\r\n", "\n")));
    EXPECT_EQ(got[0].x + "|" + got[0].z + "|" + got[1].animation, "1.5||Slip01.anm");
}

TEST(ReadFieldText, FailuresStopTheReaderAndKeepWhatWasFilled) {
    const std::string block = buildFieldText(sampleField());

    // Cut after the eighth group: the index search falls back on "I" of "ID".
    const auto cut = readFieldText(block.substr(0, block.find("\tPlayer Fielder_8")));
    EXPECT_EQ(cut.filled.size(), 32u);
    EXPECT_EQ(*cut.failure, "Type mismatch: the fielder index \"I\" is not a number");

    const auto nine = readFieldText(replaceAll(block, "Fielder_4", "Fielder_9"));
    EXPECT_EQ(nine.filled.size(), 16u);
    EXPECT_NE(nine.failure->find("no fielder 9"), std::string::npos);

    FieldTexts noZ = sampleField();
    noZ[2] = {"1", "", "Slip01.anm", "1"};
    const auto missingZ = readFieldText(replaceAll(buildFieldText(noZ), "StartXZ 1 ", "StartXZ 1"));
    EXPECT_EQ(missingZ.filled.back(), (FilledBox{2, FielderBox::X, "1"}));
    EXPECT_NE(missingZ.failure->find("no Z part"), std::string::npos);

    // With CR LF the retry starts at the tab, so an unknown name is never taken.
    const auto unknown = readFieldText(replaceAll(block, "Close01.anm", "Wide01.anm"));
    EXPECT_EQ(unknown.filled.size(), 2u * 4 + 2);
    EXPECT_NE(unknown.failure->find("\"Wide01.anm\" of fielder 2"), std::string::npos);

    const auto noValueSpace = readFieldText(block.substr(0, block.find(" AC_PLAY")));
    EXPECT_EQ(noValueSpace.filled.size(), 3u);
    EXPECT_NE(noValueSpace.failure->find("value of fielder 0"), std::string::npos);

    EXPECT_EQ(*readFieldText(block.substr(0, block.find("\r\n\tNumAnim"))).failure,
              "Invalid procedure call or argument: no line end follows the coordinates of fielder 0");
    for (const std::string& odd : {std::string(), std::string(5000, '\0'), std::string("Fielder_")})
        EXPECT_TRUE(readFieldText(odd).failure);
}
