#include "chat/replace_all_no_case.h"

#include <gtest/gtest.h>

using tintara::replaceAllNoCase;

TEST(ReplaceAllNoCase, ReplacesEveryOccurrenceInAnyCase)
{
    EXPECT_EQ(replaceAllNoCase("<Font Color=#FF0000>a</Font><Font Color=#00FF00>b</font>"
                               "<Font Color=#0000FF>c</FONT>",
                               "</Font>", ""),
              "<Font Color=#FF0000>a<Font Color=#00FF00>b<Font Color=#0000FF>c");
    EXPECT_EQ(replaceAllNoCase("one TWO two", "two", "2"), "one 2 2");
    EXPECT_EQ(replaceAllNoCase("nothing here", "</Font>", ""), "nothing here");
    EXPECT_EQ(replaceAllNoCase("", "x", "y"), "");
}

TEST(ReplaceAllNoCase, WorksLeftToRightWithoutOverlapsOrRescanningReplacements)
{
    EXPECT_EQ(replaceAllNoCase("aaa", "AA", "x"), "xa");
    // The replacement holds the searched text but is never searched again.
    EXPECT_EQ(replaceAllNoCase("aAa", "a", "Aa"), "AaAaAa");
    EXPECT_EQ(replaceAllNoCase("abab", "ab", "abab"), "abababab");
}

TEST(ReplaceAllNoCase, EmptySearchTextChangesNothing)
{
    EXPECT_EQ(replaceAllNoCase("abc", "", "x"), "abc");
    EXPECT_EQ(replaceAllNoCase("abc", "", ""), "abc");
}

TEST(ReplaceAllNoCase, LeavesNonAsciiCharactersAlone)
{
    EXPECT_EQ(replaceAllNoCase("\xC3\x84</FONT>\xC3\xA9</font>", "</Font>", ""),
              "\xC3\x84\xC3\xA9");
    // Only ASCII letters fold: Ä and ä stay different.
    EXPECT_EQ(replaceAllNoCase("\xC3\x84", "\xC3\xA4", "x"), "\xC3\x84");
}
