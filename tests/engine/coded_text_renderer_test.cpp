#include "engine/coded_text_renderer.h"

#include "engine/fade_command.h"
#include "engine/utf8.h"

#include <gtest/gtest.h>

#include <random>

using namespace tintara;

namespace
{

constexpr ColorValue rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

std::string shownText(const RenderedText &rendered)
{
    std::string text;
    for (const FormattedRun &run : rendered.runs) {
        text += run.text;
    }
    return text;
}

// The format of the run that holds the given (ASCII) character.
TextFormat formatOf(const RenderedText &rendered, char c)
{
    for (const FormattedRun &run : rendered.runs) {
        if (run.text.find(c) != std::string::npos) {
            return run.format;
        }
    }
    ADD_FAILURE() << "no run holds '" << c << "'";
    return {};
}

TextFormat withColor(ColorValue color)
{
    TextFormat format;
    format.color = color;
    return format;
}

} // namespace

TEST(RenderCodedText, EmptyTextLeavesNothingAndTheResetFormat)
{
    const RenderedText rendered = renderCodedText("");
    EXPECT_TRUE(rendered.runs.empty());
    EXPECT_EQ(rendered.insertionFormat, TextFormat{});
    EXPECT_EQ(TextFormat{}.font, "Arial");
    EXPECT_EQ(TextFormat{}.sizePoints, 10);
    EXPECT_EQ(TextFormat{}.color, 0);
}

TEST(RenderCodedText, TextWithoutTagsIsPlainBlackArial)
{
    const RenderedText rendered = renderCodedText(".::html displayer::.");
    ASSERT_EQ(rendered.runs.size(), 1u);
    EXPECT_EQ(rendered.runs[0], (FormattedRun{".::html displayer::.", TextFormat{}}));
}

TEST(RenderCodedText, StyleTagsSwitchFlagsWithoutRegardToCase)
{
    for (const char *coded : {"<b>a</b>b", "<B>a</B>b"}) {
        const RenderedText rendered = renderCodedText(coded);
        EXPECT_TRUE(formatOf(rendered, 'a').styles.bold) << coded;
        EXPECT_FALSE(formatOf(rendered, 'b').styles.bold) << coded;
    }
    const RenderedText all = renderCodedText("<U><S><I><B>x</B></I></S></U>y");
    const TextFormat x = formatOf(all, 'x');
    EXPECT_EQ(x.styles, (FadeStyles{true, true, true, true}));
    EXPECT_EQ(formatOf(all, 'y'), TextFormat{});

    const RenderedText each = renderCodedText("<i>a<u>b</i>c<s>d</u>e</s>f");
    EXPECT_TRUE(formatOf(each, 'a').styles.italic);
    EXPECT_TRUE(formatOf(each, 'b').styles.italic && formatOf(each, 'b').styles.underline);
    EXPECT_TRUE(!formatOf(each, 'c').styles.italic && formatOf(each, 'c').styles.underline);
    EXPECT_TRUE(formatOf(each, 'd').styles.underline && formatOf(each, 'd').styles.strike);
    EXPECT_TRUE(!formatOf(each, 'e').styles.underline && formatOf(each, 'e').styles.strike);
    EXPECT_EQ(formatOf(each, 'f'), TextFormat{});
}

TEST(RenderCodedText, OnlyWholeTagsFromTheTableCount)
{
    EXPECT_FALSE(formatOf(renderCodedText("<b >a"), 'a').styles.bold);
    EXPECT_FALSE(formatOf(renderCodedText("<bold>a"), 'a').styles.bold);
    EXPECT_FALSE(formatOf(renderCodedText("< b>a"), 'a').styles.bold);
    EXPECT_EQ(formatOf(renderCodedText("<sup>a</sup>"), 'a'), TextFormat{});
    EXPECT_EQ(formatOf(renderCodedText("<b><sub>a</sub>"), 'a').styles.bold, true);
    EXPECT_EQ(renderCodedText("a<br>b<>c</font>d").runs,
              (std::vector<FormattedRun>{{"abcd", TextFormat{}}}));
}

TEST(RenderCodedText, ColourTagsSetAColourThatClosingTagsKeep)
{
    const RenderedText rendered = renderCodedText("<Font Color=#FF8000>x</Font>y");
    ASSERT_EQ(rendered.runs.size(), 1u);
    EXPECT_EQ(rendered.runs[0], (FormattedRun{"xy", withColor(rgb(255, 128, 0))}));
    EXPECT_EQ(rendered.insertionFormat, withColor(rgb(255, 128, 0)));

    EXPECT_EQ(formatOf(renderCodedText("<font color=#ff8000>x"), 'x').color, rgb(255, 128, 0));
    EXPECT_EQ(formatOf(renderCodedText("<FONT COLOR=\"#0000ff\">x"), 'x').color, rgb(0, 0, 255));
}

TEST(RenderCodedText, ColourTagsWithShortOrOddDigits)
{
    // Green from the single digit f, blue from the last two, "0f".
    EXPECT_EQ(formatOf(renderCodedText("<font color=#00f>x"), 'x').color, rgb(0, 15, 15));
    // Red, and blue too, from a lone pair.
    EXPECT_EQ(formatOf(renderCodedText("<font color=#a0>x"), 'x').color, rgb(160, 0, 160));
    EXPECT_EQ(formatOf(renderCodedText("<font color=#f>x"), 'x').color, rgb(15, 0, 15));
    EXPECT_EQ(formatOf(renderCodedText("<font color=#>x"), 'x').color, 0);
    // Only six characters after the "#" count.
    EXPECT_EQ(formatOf(renderCodedText("<font color=#123456789>x"), 'x').color,
              rgb(0x12, 0x34, 0x56));
    // Characters that are not digits count as 0: "g7" gives 7, "zz" gives 0.
    EXPECT_EQ(formatOf(renderCodedText("<font color=#g7zz10>x"), 'x').color, rgb(7, 0, 16));
    // Without a "#" the digits come from the start of the tag: "fo", "nt", " c".
    EXPECT_EQ(formatOf(renderCodedText("<font color=red>x"), 'x').color, rgb(240, 0, 12));
    // A "#" anywhere in the tag is the one that counts.
    EXPECT_EQ(formatOf(renderCodedText("<font colored #00ff00>x"), 'x').color, rgb(0, 255, 0));
    EXPECT_EQ(formatOf(renderCodedText("<font colo=#00ff00>x"), 'x').color, 0);
}

TEST(RenderCodedText, FontFaceTagsSetALowerCaseName)
{
    const RenderedText quoted = renderCodedText("<Font Face=\"Courier New\">a");
    EXPECT_EQ(formatOf(quoted, 'a').font, "courier new");
    EXPECT_EQ(formatOf(renderCodedText("<font face=\"Verdana>a"), 'a').font, "verdana");
    EXPECT_EQ(formatOf(renderCodedText("<font face=\"Tahoma\" size=3>a"), 'a').font, "tahoma");
    // Without double quotes the name is read as HTML reads an attribute value.
    EXPECT_EQ(formatOf(renderCodedText("<font face=Courier New>a"), 'a').font, "courier");
    EXPECT_EQ(formatOf(renderCodedText("<font face= 'Lucida Console'>a"), 'a').font,
              "lucida console");
    // A tag that names no font keeps the one before.
    for (const char *coded : {"<font face=\"x\"><font face>a", "<font face=\"x\"><font face=\"\">a",
                              "<font face=\"x\"><font face=>a", "<font face=\"x\"><font faces>a"}) {
        EXPECT_EQ(formatOf(renderCodedText(coded), 'a').font, "x") << coded;
    }
    // Colour and font are independent: a font tag keeps the colour.
    const TextFormat both =
        formatOf(renderCodedText("<font color=#ff0000><font face=\"x\">a"), 'a');
    EXPECT_EQ(both.color, rgb(255, 0, 0));
    EXPECT_EQ(both.font, "x");
}

TEST(RenderCodedText, TextIsShownAsWrittenBetweenTags)
{
    EXPECT_EQ(shownText(renderCodedText("&amp; &lt;")), "&amp; &lt;");
    EXPECT_EQ(shownText(renderCodedText("a > b")), "a > b");
    EXPECT_EQ(shownText(renderCodedText("  x\t\ny  ")), "  x\t\ny  ");
    // A tag ends at the first ">", even after another "<".
    EXPECT_EQ(shownText(renderCodedText("a<b<c>d")), "ad");
}

TEST(RenderCodedText, UnclosedTagShowsTheRestAsPlainText)
{
    const RenderedText rendered = renderCodedText("<b>ab<font color=#ff0000");
    ASSERT_EQ(rendered.runs.size(), 1u);
    TextFormat bold;
    bold.styles.bold = true;
    EXPECT_EQ(rendered.runs[0], (FormattedRun{"ab<font color=#ff0000", bold}));
    EXPECT_EQ(shownText(renderCodedText("<")), "<");
    EXPECT_EQ(shownText(renderCodedText("x<y<z")), "x<y<z");
    EXPECT_EQ(shownText(renderCodedText("<i>a</i>x <- y")), "ax <- y");
}

TEST(RenderCodedText, CharactersAreCodePoints)
{
    const RenderedText rendered =
        renderCodedText("<Font Color=#FF0000>é</Font><Font Color=#00FF00>🙂</Font>");
    ASSERT_EQ(rendered.runs.size(), 2u);
    EXPECT_EQ(rendered.runs[0], (FormattedRun{"é", withColor(rgb(255, 0, 0))}));
    EXPECT_EQ(rendered.runs[1], (FormattedRun{"🙂", withColor(rgb(0, 255, 0))}));
    // A non-ASCII character counts as one (non-)digit.
    EXPECT_EQ(formatOf(renderCodedText("<font color=#é1ff00ff>x"), 'x').color, rgb(1, 255, 0));
    EXPECT_EQ(formatOf(renderCodedText("<font face=\"Ärial\">x"), 'x').font, "Ärial");
}

TEST(RenderCodedText, MergesOnlyNeighboursOfTheSameFormat)
{
    const RenderedText rendered =
        renderCodedText("<Font Color=#0000FF>a</Font><Font Color=#0000FF>b</Font><b></b>c<b>d</b>");
    const std::vector<FormattedRun> expected = {{"abc", withColor(rgb(0, 0, 255))},
                                                {"d", [] {
                                                     TextFormat f = withColor(rgb(0, 0, 255));
                                                     f.styles.bold = true;
                                                     return f;
                                                 }()}};
    EXPECT_EQ(rendered.runs, expected);
    EXPECT_EQ(rendered.insertionFormat, withColor(rgb(0, 0, 255)));
}

TEST(RenderCodedText, ShowsAFadeCharacterByCharacter)
{
    const std::optional<std::string> coded =
        fadeLine("Hi", std::vector<ColorValue>{rgb(255, 0, 0), rgb(0, 0, 255)},
                 FadeStyles{.bold = true, .underline = true});
    ASSERT_TRUE(coded);
    TextFormat format;
    format.styles = {.bold = true, .underline = true};
    format.color = rgb(128, 0, 128);
    FormattedRun h{"H", format};
    format.color = rgb(0, 0, 255);
    FormattedRun i{"i", format};
    EXPECT_EQ(renderCodedText(*coded).runs, (std::vector<FormattedRun>{h, i}));
    // The closing tags leave the colour of the last character.
    EXPECT_EQ(renderCodedText(*coded).insertionFormat, withColor(rgb(0, 0, 255)));
}

TEST(RenderCodedText, HostileInputNeitherHangsNorLosesText)
{
    const std::string opens(100000, '<');
    EXPECT_EQ(shownText(renderCodedText(opens)), opens);
    EXPECT_EQ(shownText(renderCodedText(opens + ">x")), "x");
    std::string pairs;
    for (int k = 0; k < 50000; ++k) {
        pairs += "<>";
    }
    EXPECT_TRUE(renderCodedText(pairs).runs.empty());
    EXPECT_EQ(shownText(renderCodedText(std::string(100000, '>'))), std::string(100000, '>'));
    const std::string longTag = "<font face=\"" + std::string(100000, 'A') + "\">z";
    EXPECT_EQ(formatOf(renderCodedText(longTag), 'z').font, std::string(100000, 'a'));
}

TEST(RenderCodedText, InvalidUtf8ShowsReplacementCharacters)
{
    EXPECT_EQ(shownText(renderCodedText("a\xFF"
                                        "b")),
              "a\uFFFDb");
    // A truncated sequence is one replacement, then the next character.
    EXPECT_EQ(shownText(renderCodedText("\xE2\x82<b>x")), "\uFFFDx");
    EXPECT_EQ(shownText(renderCodedText("\xED\xA0\x80")), "\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(shownText(renderCodedText("\xC0\xAF")), "\uFFFD\uFFFD");           // overlong
    EXPECT_EQ(shownText(renderCodedText(std::string("a\0b", 3))), std::string("a\0b", 3));
}

TEST(RenderCodedText, RandomBytesGiveValidTextInBoundedRuns)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> pick(0, 9);
    for (int round = 0; round < 300; ++round) {
        std::string input;
        const int length = 1 + round * 7;
        for (int k = 0; k < length; ++k) {
            // Plenty of angle brackets and tag letters, so tags of every kind occur.
            static constexpr std::string_view kTagBytes = "<>/#\"'= bfiu";
            const int choice = pick(random);
            input += choice < 4
                         ? kTagBytes[static_cast<std::size_t>(byte(random)) % kTagBytes.size()]
                         : static_cast<char>(byte(random));
        }
        const RenderedText rendered = renderCodedText(input);
        std::size_t shown = 0;
        for (std::size_t r = 0; r < rendered.runs.size(); ++r) {
            ASSERT_FALSE(rendered.runs[r].text.empty());
            ASSERT_TRUE(utf8Length(rendered.runs[r].text));
            ASSERT_TRUE(utf8Length(rendered.runs[r].format.font));
            ASSERT_GE(rendered.runs[r].format.color, 0);
            ASSERT_LE(rendered.runs[r].format.color, kWhite);
            if (r > 0) {
                ASSERT_NE(rendered.runs[r].format, rendered.runs[r - 1].format);
            }
            shown += *utf8Length(rendered.runs[r].text);
        }
        ASSERT_LE(shown, input.size());
    }
}

TEST(CodedTextRenderer, RendersTextThatArrivesInPiecesAsIfWhole)
{
    const std::string cases[] = {
        "<U><B><Font Color=#800080>H</Font><Font Color=#0000FF>\xC3\xA9\xF0\x9F\x99\x82</Font>",
        "<font face=\"Caf\xC3\xA9\"><font color=#\xC3\xA9"
        "1ff00ff>x",
        "a\xF0\x9F\x99<b>\xE2\x82\xFF\xE2\x82",
        "ok <b unclosed \xF0\x9F",
        "<<i>>a<",
    };
    for (const std::string &coded : cases) {
        SCOPED_TRACE(coded);
        const RenderedText whole = renderCodedText(coded);
        // Every cut into two pieces, then byte by byte.
        std::vector<std::vector<std::string_view>> splits;
        for (std::size_t cut = 0; cut <= coded.size(); ++cut) {
            splits.push_back(
                {std::string_view(coded).substr(0, cut), std::string_view(coded).substr(cut)});
        }
        splits.emplace_back();
        for (std::size_t k = 0; k < coded.size(); ++k) {
            splits.back().push_back(std::string_view(coded).substr(k, 1));
        }
        for (const auto &pieces : splits) {
            std::vector<FormattedRun> runs;
            CodedTextRenderer renderer([&runs](std::string_view text, const TextFormat &format) {
                ASSERT_FALSE(text.empty());
                if (runs.empty() || runs.back().format != format) {
                    runs.push_back({{}, format});
                }
                runs.back().text += text;
            });
            for (const std::string_view piece : pieces) {
                renderer.feed(piece);
            }
            renderer.finish();
            ASSERT_EQ(runs, whole.runs) << pieces.size() << " pieces, first " << pieces[0].size();
            ASSERT_EQ(renderer.format(), whole.insertionFormat);
        }
    }
}

TEST(HexToValue, AddsDigitsFromTheRight)
{
    EXPECT_EQ(hexToValue(U""), 0.0f);
    EXPECT_EQ(hexToValue(U"ff"), 255.0f);
    EXPECT_EQ(hexToValue(U"FF"), 255.0f);
    EXPECT_EQ(hexToValue(U"80"), 128.0f);
    EXPECT_EQ(hexToValue(U"g7"), 7.0f);
    EXPECT_EQ(hexToValue(U"zz"), 0.0f);
    EXPECT_EQ(hexToValue(U"7FFFFF"), 8388607.0f);
}

TEST(HexToValue, KeepsTheLastEightCharactersInSinglePrecision)
{
    EXPECT_EQ(hexToValue(U"123456789"), hexToValue(U"23456789"));
    EXPECT_EQ(hexToValue(U"FFFFFFFF"), 4294967296.0f);
    // Rounding after every digit differs from rounding the exact sum (533447954).
    EXPECT_EQ(hexToValue(U"1FCBC512"), 533447936.0f);
    EXPECT_EQ(hexToValue(U"x1FCBC512"), 533447936.0f);
}
