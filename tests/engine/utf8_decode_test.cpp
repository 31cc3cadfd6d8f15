#include "engine/utf8.h"

#include <gtest/gtest.h>

using namespace tintara;

TEST(DecodeUtf8Lossy, DecodesEveryLengthOfSequence)
{
    EXPECT_EQ(decodeUtf8Lossy("a\u00E9\u20AC\U0001F642"), U"a\u00E9\u20AC\U0001F642");
    EXPECT_EQ(decodeUtf8Lossy("\U0010FFFF"), U"\U0010FFFF");
    EXPECT_EQ(decodeUtf8Lossy(""), U"");
}

TEST(DecodeUtf8Lossy, ReplacesEachIllFormedPartOnce)
{
    EXPECT_EQ(decodeUtf8Lossy("\x80"), U"\uFFFD");
    EXPECT_EQ(decodeUtf8Lossy("\xF0\x9F\x99"), U"\uFFFD");             // truncated at the end
    EXPECT_EQ(decodeUtf8Lossy("\xF0\x9F\x99z"), U"\uFFFDz");           // cut short
    EXPECT_EQ(decodeUtf8Lossy("\xE0\x80\x80"), U"\uFFFD\uFFFD\uFFFD"); // overlong
    EXPECT_EQ(decodeUtf8Lossy("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD"); // too large
    EXPECT_EQ(decodeUtf8Lossy("\xFE\xFF"), U"\uFFFD\uFFFD");
}

TEST(AppendUtf8, EncodesWhatDecodingReads)
{
    for (const char32_t c :
         {U'\0', U'A', U'\u00E9', U'\u07FF', U'\u0800', U'\uFFFD', U'\U00010000', U'\U0010FFFF'}) {
        std::string utf8;
        appendUtf8(utf8, c);
        EXPECT_EQ(decodeUtf8Lossy(utf8), std::u32string(1, c));
    }
}
