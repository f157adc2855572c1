#include "fielddata/coordinates.h"

#include <clocale>
#include <cmath>

#include <gtest/gtest.h>

using namespace fielddata;

TEST(Coordinates, TheMappingGivesTheWorkedExamples) {
    std::string game;
    for (Twips view : {1320, 720, 100, 3001, 0, 6000, -75, 3000}) game += formatCoordinate(viewToGame(view)) + " ";
    EXPECT_EQ(game, "4.480000 6.080000 7.733333 -0.002667 8.000000 -8.000000 8.200000 0.000000 ");
    // Single precision, as the view keeps it.
    EXPECT_EQ(std::vector<float>({gameToView(8), gameToView(1), gameToView(-8), gameToView(1.2345678)}),
              std::vector<float>({0.0f, 2625.0f, 6000.0f, 2537.037f}));
}

TEST(Coordinates, ConversionAcceptsTheWrittenFormAndRefusesTheRest) {
    for (auto [text, value] : std::initializer_list<std::pair<const char*, double>>{
             {"4.480000", 4.48}, {"-8", -8}, {" 3 ", 3}, {"+1.5", 1.5}, {".5", 0.5}, {"7.", 7}})
        EXPECT_EQ(parseCoordinate(text).value(), value) << text;
    for (const char* text : {"", " ", "-", "+", ".", "abc", "1,5", "1e3", "nan", "inf", "-inf", "1.2.3",
                             "0x10", "1 2", "--1"})
        EXPECT_FALSE(parseCoordinate(text).ok()) << text;
    const std::string huge(400, '9');
    EXPECT_FALSE(parseCoordinate(huge).ok());
    EXPECT_EQ(parseCoordinate("x1").reason(), "Cannot convert \"x1\" to a number");
    // The range includes both ends.
    EXPECT_TRUE(inCoordinateRange(8) && inCoordinateRange(-8));
    EXPECT_FALSE(inCoordinateRange(parseCoordinate("8.000001").value()));
}

TEST(Coordinates, CommaLocaleChangesNeitherFormatNorConversion) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_EQ(formatCoordinate(viewToGame(1320)), "4.480000");
    EXPECT_EQ(parseCoordinate("1.25").value(), 1.25);
    EXPECT_FALSE(parseCoordinate("1,25").ok());
    std::setlocale(LC_ALL, saved.c_str());
}
