#include "engine/utf8.h"

#include <gtest/gtest.h>

using namespace tintara;

namespace
{

std::string lossy(std::string_view text)
{
    std::string out;
    appendUtf8Lossy(out, text);
    return out;
}

} // namespace

TEST(AppendUtf8Lossy, KeepsWellFormedTextOfEveryLength)
{
    for (const char *text : {"", "a\u00E9\u20AC\U0001F642", "\U0010FFFF"}) {
        EXPECT_EQ(lossy(text), text);
    }
}

TEST(AppendUtf8Lossy, ReplacesEachIllFormedPartOnce)
{
    EXPECT_EQ(lossy("\x80"), "\uFFFD");
    EXPECT_EQ(lossy("\xF0\x9F\x99"), "\uFFFD");                       // truncated at the end
    EXPECT_EQ(lossy("\xF0\x9F\x99z"), "\uFFFDz");                     // cut short
    EXPECT_EQ(lossy("\xE0\x80\x80"), "\uFFFD\uFFFD\uFFFD");           // overlong
    EXPECT_EQ(lossy("\xF4\x90\x80\x80"), "\uFFFD\uFFFD\uFFFD\uFFFD"); // too large
    EXPECT_EQ(lossy("\xFE\xFF"), "\uFFFD\uFFFD");
}

TEST(AppendUtf8, EncodesWhatDecodingReads)
{
    for (const char32_t c :
         {U'\0', U'A', U'\u00E9', U'\u07FF', U'\u0800', U'\uFFFD', U'\U00010000', U'\U0010FFFF'}) {
        std::string utf8;
        appendUtf8(utf8, c);
        const Utf8Character read = firstCharacter(utf8);
        EXPECT_TRUE(read.wellFormed);
        EXPECT_EQ(read.value, c);
        EXPECT_EQ(read.length, utf8.size());
    }
}
