#include "engine/fade_command.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

using namespace tintara;

namespace
{

constexpr ColorValue kRed = 255;
constexpr ColorValue kBlue = 0xFF0000;

// Stands in for the workspace controls; onYield lets a test act while the
// command yields, as a user could.
class FakeWorkspace : public FadeCommandHost
{
public:
    std::string textBox = "text to fade";
    int count = 2;
    std::array<ColorValue, 10> slots{};
    FadeStyles styles;
    Blend mixing = Blend::Rgb;
    std::string coded = ".::html displayer::.";
    int writes = 0;
    int yields = 0;
    std::function<void()> onYield;

    FakeWorkspace() { slots.fill(kWhite); }

    std::string text() override { return textBox; }
    void clearText() override { textBox.clear(); }
    int colourCount() override { return count; }
    ColorValue slotColour(int slot) override
    {
        return slots.at(static_cast<std::size_t>(slot - 1));
    }
    Blend blend() override { return mixing; }
    bool styleChecked(Style style) override { return styles.*styleEntry(style).flag; }
    std::string codedText() override { return coded; }
    void setCodedText(std::string text) override
    {
        coded = std::move(text);
        ++writes;
    }
    void yield() override
    {
        ++yields;
        if (onYield) {
            auto action = std::move(onYield);
            onYield = nullptr;
            action();
        }
    }
};

} // namespace

TEST(FadeCommand, WorkedExampleWithBoldAndUnderline)
{
    FakeWorkspace w;
    w.textBox = "Hi";
    w.slots[0] = kRed;
    w.slots[1] = kBlue;
    w.styles.bold = true;
    w.styles.underline = true;
    runFadeCommand(w);
    EXPECT_EQ(w.coded, "<U><B><Font Color=#800080>H</Font><Font Color=#0000FF>i</Font></B></U>");
    EXPECT_EQ(w.writes, 1); // the style wraps do not each rewrite the box
}

TEST(FadeCommand, StylesWrapBoldInnermostUnderlineOutermost)
{
    FakeWorkspace w;
    w.textBox = "a";
    w.styles = {true, true, true, true};
    runFadeCommand(w);
    EXPECT_EQ(w.coded, "<U><S><I><B><Font Color=#FFFFFF>a</Font></B></I></S></U>");

    w.styles = {};
    runFadeCommand(w);
    EXPECT_EQ(w.coded, "<Font Color=#FFFFFF>a</Font>");
}

TEST(FadeCommand, BlankTextEmptiesTheBoxAndKeepsTheCodedText)
{
    for (const char *blank : {"", "   "}) {
        FakeWorkspace w;
        w.textBox = blank;
        w.styles.bold = true;
        runFadeCommand(w);
        EXPECT_EQ(w.textBox, "");
        EXPECT_EQ(w.coded, ".::html displayer::.");
        EXPECT_EQ(w.writes, 0);
        EXPECT_EQ(w.yields, static_cast<int>(std::string(blank).size())); // one per space
    }
}

TEST(FadeCommand, SpacesAndTagCharactersAreFadedAsTyped)
{
    FakeWorkspace w;
    w.textBox = " a b ";
    runFadeCommand(w);
    EXPECT_EQ(w.coded.substr(0, 28), "<Font Color=#FFFFFF> </Font>");
    EXPECT_EQ(w.coded.size(), 5 * 28u);

    w.textBox = "<b>";
    runFadeCommand(w);
    EXPECT_EQ(w.coded, "<Font Color=#FFFFFF><</Font><Font Color=#FFFFFF>b</Font>"
                       "<Font Color=#FFFFFF>></Font>");
}

TEST(FadeCommand, TenColoursWithOneCharacterUseTheSecondSlot)
{
    FakeWorkspace w;
    w.count = 10;
    for (int k = 0; k < 10; ++k) {
        w.slots[static_cast<std::size_t>(k)] = k + 1;
    }
    w.textBox = "x";
    runFadeCommand(w);
    EXPECT_EQ(w.coded, "<Font Color=#020000>x</Font>");
}

TEST(FadeCommand, FadesWithTheHostsBlend)
{
    FakeWorkspace w;
    w.textBox = "abc";
    w.slots[0] = kRed;
    w.mixing = Blend::OkLch;
    runFadeCommand(w);
    EXPECT_EQ(w.coded, fadeColors(std::array{kRed, kWhite}, "abc", {}, Blend::OkLch));
    EXPECT_NE(w.coded, fadeColors(std::array{kRed, kWhite}, "abc"));
}

TEST(FadeCommand, ReadsTheTextAgainAfterTheBlankTest)
{
    FakeWorkspace w;
    w.textBox = "a b";
    w.onYield = [&] { w.textBox = "zz"; }; // edited while the spaces are stripped
    runFadeCommand(w);
    EXPECT_EQ(w.coded, "<Font Color=#FFFFFF>z</Font><Font Color=#FFFFFF>z</Font>");
}

TEST(FadeCommand, ANestedFadeFinishesFirstAndTheOuterOneWins)
{
    FakeWorkspace w;
    w.count = 4;
    w.textBox = "abcdefgh";
    w.styles.italic = true;
    std::string nestedResult;
    w.onYield = [&] {
        w.textBox = "nested";
        w.count = 2;
        runFadeCommand(w); // a second press of "fade" while the first one yields
        nestedResult = w.coded;
    };
    runFadeCommand(w);
    EXPECT_EQ(nestedResult.substr(0, 3), "<I>");
    EXPECT_EQ(nestedResult.size(), 6 * 28u + 7);
    // The outer fade read its text and colours before yielding: 8 characters.
    EXPECT_EQ(w.coded.size(), 8 * 28u + 7);
}

TEST(FadeCommand, ACountRaisedDuringAYieldRunsTheLaterFadeToo)
{
    FakeWorkspace w;
    w.count = 4;
    w.textBox = "abc";
    w.slots[4] = kRed;
    w.onYield = [&] { w.count = 5; };
    runFadeCommand(w);
    // The 4-colour fade was written before the 5-colour one yielded, then replaced.
    EXPECT_EQ(w.writes, 2);
    EXPECT_EQ(w.coded.size(), 3 * 28u);
}

TEST(FadeLine, BlankLinesGiveNothing)
{
    const std::array colours{kRed, kBlue};
    EXPECT_FALSE(fadeLine("", colours, {}).has_value());
    EXPECT_FALSE(fadeLine("    ", colours, {}).has_value());
    EXPECT_EQ(fadeLine("\t", colours, {}).value(), "<Font Color=#0000FF>\t</Font>");
    EXPECT_EQ(fadeLine("x", colours, {true, false, true, false}).value(),
              "<S><B><Font Color=#0000FF>x</Font></B></S>");
}

TEST(StripSpaces, RemovesOnlySpacesAndYieldsForEach)
{
    int yields = 0;
    EXPECT_EQ(stripSpaces(" a\tb  c ", [&] { ++yields; }), "a\tbc");
    EXPECT_EQ(yields, 4);
}
