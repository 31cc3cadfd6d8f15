#include "engine/fade.h"

#include <gtest/gtest.h>

#include <regex>

using namespace tintara;

namespace
{

ColorValue fromCode(const std::string &code)
{
    const int value = std::stoi(code, nullptr, 16);
    return (value >> 16) + (value & 0xFF00) + ((value & 0xFF) << 16);
}

std::string code(ColorValue colour)
{
    const RgbTriple c = splitColor(colour);
    return hex6(65536 * c.red + 256 * c.green + c.blue);
}

// The colours a coded run gives its elements.
std::vector<ColorValue> coloursOf(const std::string &run)
{
    static const std::regex element("<Font Color=#([0-9A-F]{6})>");
    std::vector<ColorValue> colours;
    for (auto it = std::sregex_iterator(run.begin(), run.end(), element);
         it != std::sregex_iterator(); ++it) {
        colours.push_back(fromCode((*it)[1]));
    }
    return colours;
}

// Worked out apart from this code by blend_known_answers.py (beside this file):
// the four elements of a fade of four characters.
struct KnownAnswer {
    Blend blend;
    std::string from;
    std::string to;
    std::array<std::string, 4> elements;
};

const KnownAnswer kKnownAnswers[] = {
    {Blend::OkLab, "FF0000", "00FF00", {"ED7300", "D0A800", "A0D500", "00FF00"}},
    {Blend::OkLch, "FF0000", "00FF00", {"FF5600", "F99500", "C2CE00", "00FF00"}},
    {Blend::OkLab, "0000FF", "FFFF00", {"1D77E7", "6CABC7", "B5D797", "FFFF00"}},
    {Blend::OkLch, "0000FF", "FFFF00", {"008DF8", "00CFBD", "19F268", "FFFF00"}},
    // Hues go the short way round: through the pinks, and through the
    // blue-greens, across the angle where the hue's sign flips.
    {Blend::OkLab, "FF0000", "FF00FF", {"FE2464", "FD2D9B", "FE28CE", "FF00FF"}},
    {Blend::OkLch, "FF0000", "FF00FF", {"FF0059", "FF0090", "FF00C7", "FF00FF"}},
    {Blend::OkLch, "00FF00", "00FFFF", {"00FF86", "00FFBE", "00FFE5", "00FFFF"}},
    {Blend::OkLab, "000000", "FFFFFF", {"222222", "636363", "AEAEAE", "FFFFFF"}},
    // A grey end takes the hue of the other end, so OkLCh gives what OkLab does.
    {Blend::OkLch, "808080", "FF0000", {"A5746C", "C66356", "E3493A", "FF0000"}},
};

} // namespace

TEST(Blend, MatchesIndependentlyComputedColoursWithinOnePerChannel)
{
    for (const KnownAnswer &known : kKnownAnswers) {
        const std::vector<ColorValue> ends{fromCode(known.from), fromCode(known.to)};
        const std::vector<ColorValue> got = fadeElementColours(ends, 4, known.blend);
        ASSERT_EQ(got.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            const RgbTriple a = splitColor(got[i]);
            const RgbTriple b = splitColor(fromCode(known.elements[i]));
            const std::string where = std::string(blendName(known.blend)) + " " + known.from + "-" +
                                      known.to + " element " + std::to_string(i + 1) + ": " +
                                      code(got[i]);
            EXPECT_LE(std::abs(a.red - b.red), 1) << where;
            EXPECT_LE(std::abs(a.green - b.green), 1) << where;
            EXPECT_LE(std::abs(a.blue - b.blue), 1) << where;
        }
    }
}

TEST(Blend, KeepsTheSegmentsAndEndsEachOnItsColourExactly)
{
    const std::vector<ColorValue> ten{fromCode("FF0000"), fromCode("00FF00"), fromCode("0000FF"),
                                      fromCode("FFFF00"), fromCode("00FFFF"), fromCode("FF00FF"),
                                      fromCode("000000"), fromCode("FFFFFF"), fromCode("808080"),
                                      fromCode("123456")};
    for (const Blend blend : {Blend::Rgb, Blend::OkLab, Blend::OkLch}) {
        // Nine segments of two characters: every second one ends a segment.
        const std::string run = fadeColors(ten, "abcdefghijklmnopqr", {}, blend);
        const std::vector<ColorValue> colours = coloursOf(run);
        EXPECT_EQ(colours, fadeElementColours(ten, 18, blend)) << blendName(blend);
        ASSERT_EQ(colours.size(), 18u);
        for (std::size_t k = 1; k < ten.size(); ++k) {
            EXPECT_EQ(colours[2 * k - 1], ten[k]) << blendName(blend) << " colour " << k + 1;
        }
    }
}

TEST(Blend, BlackToWhiteIsTheSameInOkLabAndOkLch)
{
    const std::vector<ColorValue> blackWhite{0, kWhite};
    const std::vector<ColorValue> lab = fadeElementColours(blackWhite, 97, Blend::OkLab);
    EXPECT_EQ(lab, fadeElementColours(blackWhite, 97, Blend::OkLch));
    for (const ColorValue grey : lab) {
        const RgbTriple c = splitColor(grey);
        EXPECT_TRUE(c.red == c.green && c.green == c.blue) << code(grey);
    }
}

TEST(Blend, OkLchHuesNeverGoTheLongWayRound)
{
    // The long way from red to magenta passes through green, and from green to
    // cyan through red.
    const struct {
        std::string from, to;
        int RgbTriple::*staysDark;
    } cases[] = {{"FF0000", "FF00FF", &RgbTriple::green}, {"00FF00", "00FFFF", &RgbTriple::red}};
    for (const auto &c : cases) {
        const std::vector<ColorValue> ends{fromCode(c.from), fromCode(c.to)};
        for (const ColorValue colour : fadeElementColours(ends, 60, Blend::OkLch)) {
            EXPECT_LE(splitColor(colour).*c.staysDark, 16)
                << c.from << "-" << c.to << " " << code(colour);
        }
    }
}

TEST(Blend, NamesReadBackExactly)
{
    for (const Blend blend : {Blend::Rgb, Blend::OkLab, Blend::OkLch}) {
        EXPECT_EQ(parseBlend(blendName(blend)), blend);
    }
    for (const char *other : {"", "OkLab", "RGB", "lab", "oklab ", "hsl"}) {
        EXPECT_EQ(parseBlend(other), std::nullopt) << other;
    }
}
