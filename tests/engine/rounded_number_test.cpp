#include "engine/rounded_number.h"

#include <gtest/gtest.h>

using namespace tintara;

TEST(ParseRoundedInt16, ReadsPlainAndSignedDecimals)
{
    EXPECT_EQ(parseRoundedInt16("0"), 0);
    EXPECT_EQ(parseRoundedInt16("255"), 255);
    EXPECT_EQ(parseRoundedInt16("  5\t"), 5);
    EXPECT_EQ(parseRoundedInt16("+7"), 7);
    EXPECT_EQ(parseRoundedInt16("-12"), -12);
    EXPECT_EQ(parseRoundedInt16("007"), 7);
    EXPECT_EQ(parseRoundedInt16("32767"), 32767);
    EXPECT_EQ(parseRoundedInt16("-32768"), -32768);
}

TEST(ParseRoundedInt16, RoundsHalvesToEven)
{
    EXPECT_EQ(parseRoundedInt16("2.5"), 2);
    EXPECT_EQ(parseRoundedInt16("3.5"), 4);
    EXPECT_EQ(parseRoundedInt16("3.50000"), 4);
    EXPECT_EQ(parseRoundedInt16("2.5000000000000000000001"), 3);
    EXPECT_EQ(parseRoundedInt16("2.4999999999999999999999"), 2);
    EXPECT_EQ(parseRoundedInt16("-2.5"), -2);
    EXPECT_EQ(parseRoundedInt16("-3.5"), -4);
    EXPECT_EQ(parseRoundedInt16(".5"), 0);
    EXPECT_EQ(parseRoundedInt16("0.51"), 1);
    EXPECT_EQ(parseRoundedInt16("9."), 9);
    EXPECT_EQ(parseRoundedInt16("-0.4"), 0);
    EXPECT_EQ(parseRoundedInt16("-32768.5"), -32768);
    EXPECT_EQ(parseRoundedInt16("32766.5"), 32766);
}

TEST(ParseRoundedInt16, RejectsEmptyTextOtherNotationsAndOverflow)
{
    for (const char *text :
         {"",      "   ", "+",     "-",      ".",       "-.",        "abc",
          "5x",    "1 0", "- 5",   "1,000",  "&H10",    "0x10",      "1e2",
          "1.2.3", "--1", "32768", "-32769", "32767.5", "-32768.51", "99999999999999999999"}) {
        EXPECT_EQ(parseRoundedInt16(text), std::nullopt) << '"' << text << '"';
    }
}
