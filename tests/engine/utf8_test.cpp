#include "engine/utf8.h"

#include <gtest/gtest.h>

using namespace tintara;

TEST(Utf8Length, CountsCodePointsAcrossAsciiRuns)
{
    EXPECT_EQ(utf8Length(""), 0u);
    EXPECT_EQ(utf8Length("abcdefgh"), 8u);
    EXPECT_EQ(utf8Length("abcdefghijklmnopq"), 17u);
    EXPECT_EQ(utf8Length("abcdefgh\xC3\xA9"
                         "abcdefgh\xF0\x9F\x98\x80"
                         "x"),
              19u);
    EXPECT_EQ(utf8Length("\xF4\x8F\xBF\xBF"), 1u); // U+10FFFF, the last code point
}

TEST(Utf8Length, RejectsIllFormedTextWhereverItStands)
{
    for (const std::string bad : {"\x80", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                                  "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF"}) {
        EXPECT_FALSE(utf8Length(bad).has_value());
        EXPECT_FALSE(utf8Length("abcdefghijklmnop" + bad).has_value());
        EXPECT_FALSE(utf8Length("abcdefghijk" + bad + "abcdefghijk").has_value());
    }
}
