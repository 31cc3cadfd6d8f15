#include "engine/fade.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

using namespace tintara;

namespace
{

constexpr ColorValue rgb(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

constexpr ColorValue kRed = rgb(255, 0, 0);
constexpr ColorValue kBlue = rgb(0, 0, 255);
constexpr ColorValue kBlack = rgb(0, 0, 0);

// The colour codes of a coded run, element by element.
std::vector<std::string> codesOf(const std::string &run)
{
    static const std::regex element("<Font Color=#([0-9A-F]{6})>");
    std::vector<std::string> codes;
    for (auto it = std::sregex_iterator(run.begin(), run.end(), element);
         it != std::sregex_iterator(); ++it) {
        codes.push_back((*it)[1]);
    }
    return codes;
}

std::string hexOf(ColorValue c)
{
    const RgbTriple t = splitColor(c);
    return hex6(65536 * t.red + 256 * t.green + t.blue);
}

} // namespace

TEST(FadeWorkedExamples, MatchTheDocumentedResults)
{
    const std::vector<ColorValue> redBlue{kRed, kBlue};
    EXPECT_EQ(fadeColors(redBlue, "ab"),
              "<Font Color=#800080>a</Font><Font Color=#0000FF>b</Font>");

    const std::vector<ColorValue> bwb{kBlack, kWhite, kBlack};
    EXPECT_EQ(codesOf(fadeColors(bwb, "abcde")),
              (std::vector<std::string>{"808080", "FFFFFF", "AAAAAA", "555555", "000000"}));

    const std::vector<ColorValue> four{rgb(1, 2, 3), rgb(10, 20, 30), rgb(40, 50, 60),
                                       rgb(70, 80, 90)};
    const auto codes = codesOf(fadeColors(four, "abcd"));
    ASSERT_EQ(codes.size(), 4u);
    EXPECT_EQ(codes[1], hexOf(four[1]));
    EXPECT_EQ(codes[2], hexOf(four[2]));
    EXPECT_EQ(codes[3], hexOf(four[3]));
}

TEST(FadeRounding, TiesGoToTheEvenNeighbour)
{
    // 255 -> 0 over two characters: 127.5 rounds to 128; 85 -> 0: 42.5 rounds to 42.
    EXPECT_EQ(codesOf(fadeColors(std::vector{kRed, kBlack}, "ab"))[0], "800000");
    EXPECT_EQ(codesOf(fadeColors(std::vector{rgb(85, 0, 0), kBlack}, "ab"))[0], "2A0000");
}

TEST(FadeSegments, FollowTheCuttingRules)
{
    EXPECT_EQ(fadeSegments(7, 2), (std::vector<std::size_t>{7}));
    EXPECT_EQ(fadeSegments(1, 3), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(fadeSegments(3, 3), (std::vector<std::size_t>{2, 1}));
    EXPECT_EQ(fadeSegments(5, 3), (std::vector<std::size_t>{2, 3}));
    EXPECT_EQ(fadeSegments(7, 3), (std::vector<std::size_t>{4, 3}));
    EXPECT_EQ(fadeSegments(4, 4), (std::vector<std::size_t>{2, 1, 1}));
    EXPECT_EQ(fadeSegments(5, 4), (std::vector<std::size_t>{2, 2, 1}));
    EXPECT_EQ(fadeSegments(7, 4), (std::vector<std::size_t>{3, 2, 2}));
    EXPECT_EQ(fadeSegments(2, 10), (std::vector<std::size_t>{1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(fadeSegments(11, 10), (std::vector<std::size_t>{2, 2, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(fadeSegments(0, 10), std::vector<std::size_t>(9, 0));
}

TEST(FadeSegments, DealingMatchesAPassByPassSimulation)
{
    std::mt19937 random(12345);
    for (int trial = 0; trial < 2000; ++trial) {
        const int n = 4 + static_cast<int>(random() % 7);
        const std::size_t length = random() % 200;
        const std::size_t s = static_cast<std::size_t>(n) - 1;
        // Deal one by one, as the passes do, counting the passes.
        std::vector<std::size_t> counters(s, 0);
        long remainder = static_cast<long>(length);
        std::size_t passes = 0;
        bool done = false;
        while (!done) {
            ++passes;
            for (std::size_t k = 0; k < s && !done; ++k) {
                ++counters[k];
                --remainder;
                done = remainder < 1;
            }
        }
        if (length == 0) {
            counters.assign(s, 0); // the single pass deals no real character
        }
        EXPECT_EQ(fadeSegments(length, n), counters) << "L=" << length << " N=" << n;
        EXPECT_EQ(fadeYieldCount(length, n), passes) << "L=" << length << " N=" << n;
    }
}

TEST(FadeYields, OncePerDealingPassAndNeverForFewColours)
{
    for (int n = 2; n <= 10; ++n) {
        std::vector<ColorValue> colours(static_cast<std::size_t>(n), kRed);
        int yields = 0;
        fadeColors(colours, std::string(30, 'x'), [&] { ++yields; });
        EXPECT_EQ(static_cast<std::size_t>(yields), fadeYieldCount(30, n));
        if (n < 4) {
            EXPECT_EQ(yields, 0);
        }
    }
    EXPECT_EQ(fadeYieldCount(18, 10), 2u);
    EXPECT_EQ(fadeYieldCount(19, 10), 3u);
}

TEST(FadeEdgeCases, ShortTexts)
{
    const std::vector<ColorValue> ten{rgb(1, 0, 0), rgb(2, 0, 0), rgb(3, 0, 0), rgb(4, 0, 0),
                                      rgb(5, 0, 0), rgb(6, 0, 0), rgb(7, 0, 0), rgb(8, 0, 0),
                                      rgb(9, 0, 0), rgb(10, 0, 0)};
    for (int n = 2; n <= 10; ++n) {
        const std::span<const ColorValue> colours(ten.data(), static_cast<std::size_t>(n));
        EXPECT_EQ(fadeColors(colours, ""), "") << n;
        const auto one = codesOf(fadeColors(colours, "x"));
        ASSERT_EQ(one.size(), 1u);
        // One character: the second colour, except with three colours (the third).
        EXPECT_EQ(one[0], hexOf(ten[n == 3 ? 2 : 1])) << n;
    }
    EXPECT_EQ(codesOf(fadeColors(ten, "ab")), (std::vector<std::string>{"020000", "030000"}));
}

TEST(FadeEdgeCases, EveryColourLandsOnTheEndOfItsSegment)
{
    const std::vector<ColorValue> eight{rgb(9, 8, 7),    rgb(200, 1, 2), rgb(3, 200, 4),
                                        rgb(5, 6, 200),  rgb(0, 0, 0),   rgb(255, 255, 255),
                                        rgb(17, 34, 51), rgb(0, 0, 255)};
    const auto codes = codesOf(fadeColors(eight, "abcdefg"));
    ASSERT_EQ(codes.size(), 7u);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(codes[k], hexOf(eight[k + 1]));
    }
    EXPECT_EQ(codes.back(), "0000FF");

    std::vector<ColorValue> ten(eight);
    ten.push_back(rgb(1, 2, 3));
    ten.push_back(rgb(0, 0, 255));
    const auto eighteen = codesOf(fadeColors(ten, "abcdefghijklmnopqr"));
    ASSERT_EQ(eighteen.size(), 18u);
    for (std::size_t k = 1; k < 10; ++k) {
        EXPECT_EQ(eighteen[2 * k - 1], hexOf(ten[k]));
    }
}

TEST(FadeEdgeCases, EqualNeighboursGiveARunOfThatColour)
{
    const auto codes = codesOf(fadeColors(std::vector{rgb(10, 20, 30), rgb(10, 20, 30)}, "abcd"));
    EXPECT_EQ(codes, std::vector<std::string>(4, "0A141E"));
}

TEST(FadeCharacters, AreCopiedUnescapedOnePerElement)
{
    const std::string run = fadeColors(std::vector{kRed, kRed}, " <&#>");
    EXPECT_EQ(run, "<Font Color=#FF0000> </Font><Font Color=#FF0000><</Font>"
                   "<Font Color=#FF0000>&</Font><Font Color=#FF0000>#</Font>"
                   "<Font Color=#FF0000>></Font>");
}

TEST(FadeCharacters, AnElementIsAWholeUserPerceivedCharacter)
{
    // "é" (2 bytes), "€" (3), "😀" (4), a flag (two regional indicators), a
    // ZWJ family (five code points) and "e" with a combining acute accent.
    const std::vector<std::string> elements{
        "\xC3\xA9",
        "\xE2\x82\xAC",
        "\xF0\x9F\x98\x80",
        "\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7",
        "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7",
        "e\xCC\x81"};
    std::string text;
    for (const std::string &element : elements) {
        text += element;
    }
    const std::string run = fadeColors(std::vector{kBlack, kWhite, kBlack}, text);
    EXPECT_EQ(codesOf(run).size(), elements.size());
    for (const std::string &element : elements) {
        EXPECT_NE(run.find(">" + element + "</Font>"), std::string::npos) << element;
    }
    EXPECT_EQ(run.size(), elements.size() * kElementOverhead + text.size());
}

TEST(FadeColours, OfAnyElementMatchTheCodedText)
{
    const std::vector<ColorValue> ten{kRed,           kBlue,         kBlack,        kWhite,
                                      rgb(1, 2, 3),   rgb(9, 99, 3), rgb(7, 0, 70), kRed,
                                      rgb(0, 128, 0), kBlue};
    for (const Blend blend : {Blend::Rgb, Blend::OkLab, Blend::OkLch}) {
        for (const int count : {2, 3, 4, 10}) {
            const std::span colours(ten.data(), static_cast<std::size_t>(count));
            for (const std::size_t length : {1u, 7u, 64u, 65u, 130u}) {
                const auto codes =
                    codesOf(fadeColors(colours, std::string(length, 'x'), {}, blend));
                const ElementColours elementColours(colours, length, blend);
                for (std::size_t j = 1; j <= length; ++j) {
                    ASSERT_EQ(hexOf(elementColours.at(j)), codes[j - 1])
                        << blendName(blend) << " " << count << " colours, element " << j << "/"
                        << length;
                }
            }
        }
    }
}

TEST(FadeErrors, AreReportedNotWrittenOut)
{
    EXPECT_THROW(fadeColors(std::vector{kRed}, "a"), FadeError);
    EXPECT_THROW(fadeColors(std::vector<ColorValue>(11, kRed), "a"), FadeError);
    EXPECT_THROW(fadeColors(std::vector{kRed, kBlue}, "a\xFF"), FadeError);
    EXPECT_THROW(fadeColors(std::vector{kRed, kBlue}, "\xED\xA0\x80"), FadeError); // surrogate
    EXPECT_THROW(fadeColors(std::vector{kRed, kBlue}, "\xC0\x80"), FadeError);     // overlong
    EXPECT_THROW(fadeColors(std::vector{kRed, kBlue}, "\xE2\x82"), FadeError);     // cut short

    const std::string longest(kMaxFadeLength, 'x');
    const std::string tooLong(kMaxFadeLength + 1, 'x');
    EXPECT_NO_THROW(fadeColors(std::vector{kRed, kBlue, kRed}, longest));
    EXPECT_THROW(fadeColors(std::vector{kRed, kBlue, kRed}, tooLong), FadeError);
    EXPECT_EQ(fadeColors(std::vector{kRed, kBlue}, tooLong).size(),
              tooLong.size() * (kElementOverhead + 1));
    // The limit counts elements: an accented "e" is two code points but one element.
    std::string accented;
    for (std::size_t i = 0; i < kMaxFadeLength; ++i) {
        accented += "e\xCC\x81";
    }
    EXPECT_NO_THROW(fadeColors(std::vector{kRed, kBlue, kRed}, accented));
    EXPECT_THROW(fadeColors(std::vector{kRed, kBlue, kRed}, accented + "e"), FadeError);
}
