#include "engine/color.h"

#include <gtest/gtest.h>

using namespace tintara;

TEST(Hex6, PadsToSixDigitsAndKeepsLongerValuesWhole)
{
    EXPECT_EQ(hex6(0), "000000");
    EXPECT_EQ(hex6(15), "00000F");
    EXPECT_EQ(hex6(255), "0000FF");
    EXPECT_EQ(hex6(1048575), "0FFFFF");
    EXPECT_EQ(hex6(16711680), "FF0000");
    EXPECT_EQ(hex6(16777215), "FFFFFF");
    EXPECT_EQ(hex6(16777216), "1000000");
    EXPECT_EQ(hex6(0x7FFFFFFF), "7FFFFFFF");
    EXPECT_EQ(hex6(-1), "FFFFFFFF");
    EXPECT_EQ(hex6(INT32_MIN), "80000000");
}

TEST(HtmlHex, WritesRedFirstInLowerCase)
{
    EXPECT_EQ(htmlHex(0), "000000");
    EXPECT_EQ(htmlHex(255), "ff0000");
    EXPECT_EQ(htmlHex(65280), "00ff00");
    EXPECT_EQ(htmlHex(16711680), "0000ff");
    EXPECT_EQ(htmlHex(0x123456), "563412");
    EXPECT_EQ(htmlHex(16777215), "ffffff");
}

TEST(HtmlHex, ReadsDigitPairsOutsideThePaletteRange)
{
    // "1000000": blue from "10", green from "00", red from the last two "00".
    EXPECT_EQ(htmlHex(16777216), "000010");
    // "12345678": blue "12", green "34", red "78".
    EXPECT_EQ(htmlHex(0x12345678), "783412");
    EXPECT_EQ(htmlHex(-1), "ffffff");
}

TEST(HexDigitValue, ReadsDigitsInEitherCaseAndNothingElse)
{
    for (const auto &[digit, value] :
         {std::pair{U'0', 0}, {U'9', 9}, {U'A', 10}, {U'F', 15}, {U'a', 10}, {U'f', 15}}) {
        EXPECT_EQ(hexDigitValue(digit), value) << static_cast<char>(digit);
    }
    for (const char32_t other :
         {U'G', U'g', U'/', U':', U'@', U'`', U'\uFF21' /* full-width A */}) {
        EXPECT_EQ(hexDigitValue(other), std::nullopt) << static_cast<unsigned>(other);
    }
}

TEST(SplitColor, TakesComponentsApart)
{
    EXPECT_EQ(splitColor(0x123456), (RgbTriple{0x56, 0x34, 0x12}));
    EXPECT_EQ(splitColor(16777215), (RgbTriple{255, 255, 255}));
    EXPECT_EQ(splitColor(0), (RgbTriple{0, 0, 0}));
    // Floor division keeps negative values consistent: the parts add up again.
    const RgbTriple negative = splitColor(-1);
    EXPECT_EQ(negative.red + 256 * negative.green + 65536 * negative.blue, -1);
}

TEST(MakeColor, PacksAndClampsComponents)
{
    EXPECT_EQ(makeColor(255, 0, 0), 255);
    EXPECT_EQ(makeColor(300, 0, 0), 255);
    EXPECT_EQ(makeColor(0, 0, 255), 16711680);
    EXPECT_EQ(makeColor(-5, 32767, 0), 65280);
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 51) {
                const auto c = makeColor(static_cast<std::int16_t>(r), static_cast<std::int16_t>(g),
                                         static_cast<std::int16_t>(b));
                EXPECT_EQ(splitColor(c), (RgbTriple{r, g, b}));
                EXPECT_EQ(fadeComponents(c), splitColor(c));
            }
        }
    }
}
