#include "engine/fade_set.h"

#include <gtest/gtest.h>

using namespace tintara;

namespace
{

constexpr ColorValue kRed = 255;

FadeSet sampleSet()
{
    FadeSet set;
    set.colourCount = 4;
    set.palette[0] = kRed;
    set.palette[1] = makeColor(1, 2, 3);
    set.palette[9] = makeColor(0, 128, 0);
    set.styles.bold = true;
    set.styles.underline = true;
    return set;
}

void expectSameSet(const FadeSet &actual, const FadeSet &expected)
{
    EXPECT_EQ(actual.colourCount, expected.colourCount);
    EXPECT_EQ(actual.palette, expected.palette);
    EXPECT_TRUE(actual.styles == expected.styles);
}

std::string savedText(const FadeSet &set, std::string text = {})
{
    setIniValues(text, fadeSetEntries(set));
    return text;
}

// A whole saved set with one value line replaced by `line` ("" drops it).
std::string savedWithLine(const std::string &storedLine, const std::string &line)
{
    std::string text = savedText(sampleSet());
    const std::size_t at = text.find(storedLine + "\r\n");
    text.replace(at, storedLine.size() + 2, line.empty() ? "" : line + "\r\n");
    return text;
}

} // namespace

TEST(FadeSetFile, WrittenFromScratchHoldsFortyLinesInFileOrder)
{
    const auto section = [](std::string name, std::string key, std::array<int, 10> values) {
        std::string lines = "[" + name + "]\r\n";
        for (int slot = 1; slot <= 10; ++slot) {
            lines += key + std::to_string(slot) + "=" + std::to_string(values[slot - 1]) + "\r\n";
        }
        return lines;
    };
    const std::string expected =
        "[famount]\r\nFDAMT=4\r\n" +
        section("rdclrs", "RD", {255, 1, 255, 255, 255, 255, 255, 255, 255, 0}) +
        section("grnclrs", "GRN", {0, 2, 255, 255, 255, 255, 255, 255, 255, 128}) +
        section("blclrs", "BL", {0, 3, 255, 255, 255, 255, 255, 255, 255, 0}) +
        "[fweight]\r\nBOLD=1\r\nITALIC=0\r\nSTRIKE=0\r\nUNDERLINE=1\r\n";

    EXPECT_EQ(fadeSetEntries(sampleSet()).size(), 35u);
    EXPECT_EQ(savedText(sampleSet()), expected);
}

TEST(FadeSetFile, ReadsBackWhatWasSaved)
{
    const FadeSetReading reading = readFadeSet(savedText(sampleSet()));
    ASSERT_TRUE(reading.fadeSet) << reading.error;
    EXPECT_EQ(reading.colourCount, 4);
    EXPECT_EQ(reading.error, "");
    expectSameSet(*reading.fadeSet, sampleSet());

    FadeSet everything;
    everything.colourCount = 10;
    everything.styles = {true, true, true, true};
    for (int k = 0; k < kSlotCount; ++k) {
        everything.palette[k] = makeColor(k * 25, 255 - k, 7 * k);
    }
    expectSameSet(readFadeSet(savedText(everything)).fadeSet.value(), everything);
}

TEST(FadeSetFile, ReadsHandEditedKeysAndValues)
{
    const std::string text = savedWithLine("FDAMT=4", " fdamt  =  5 ");
    const FadeSetReading reading = readFadeSet(text);
    EXPECT_EQ(reading.colourCount, 5);
    ASSERT_TRUE(reading.fadeSet);
    EXPECT_EQ(reading.fadeSet->colourCount, 5);

    std::string lowerCase = savedText(sampleSet());
    for (char &c : lowerCase) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    expectSameSet(readFadeSet(lowerCase).fadeSet.value(), sampleSet());
}

TEST(FadeSetFile, RoundsTheCountAndClampsComponents)
{
    EXPECT_EQ(readFadeSet(savedWithLine("FDAMT=4", "FDAMT=3.5")).colourCount, 4);
    EXPECT_EQ(readFadeSet(savedWithLine("FDAMT=4", "FDAMT=2.5")).colourCount, 2);
    EXPECT_EQ(readFadeSet(savedWithLine("RD1=255", "RD1=300")).fadeSet->palette[0], kRed);
    EXPECT_EQ(readFadeSet(savedWithLine("GRN2=2", "GRN2=-40")).fadeSet->palette[1],
              makeColor(1, 0, 3));
    EXPECT_EQ(readFadeSet(savedWithLine("BL2=3", "BL2=2.5")).fadeSet->palette[1],
              makeColor(1, 2, 2));
}

TEST(FadeSetFile, ABadCountChangesNothing)
{
    for (const char *line :
         {"FDAMT=11", "FDAMT=1", "FDAMT=10.51", "FDAMT=abc", "FDAMT=", "FDAMT=40000", ""}) {
        const FadeSetReading reading = readFadeSet(savedWithLine("FDAMT=4", line));
        EXPECT_EQ(reading.colourCount, std::nullopt) << line;
        EXPECT_EQ(reading.fadeSet.has_value(), false) << line;
        EXPECT_NE(reading.error.find("colour count"), std::string::npos) << reading.error;
    }
    const FadeSetReading foreign = readFadeSet("[boot loader]\r\ntimeout=30\r\n");
    EXPECT_EQ(foreign.colourCount, std::nullopt);
    EXPECT_EQ(foreign.error, "no colour count (fdamt in [famount])");
}

TEST(FadeSetFile, ABadComponentChangesOnlyTheCount)
{
    FadeSet six = sampleSet();
    six.colourCount = 6;
    std::string withoutBl7 = savedText(six);
    withoutBl7.erase(withoutBl7.find("BL7=255\r\n"), 9);
    const FadeSetReading missing = readFadeSet(withoutBl7);
    EXPECT_EQ(missing.colourCount, 6);
    EXPECT_FALSE(missing.fadeSet);
    EXPECT_EQ(missing.error, "no bl7 in [blclrs]");

    const FadeSetReading bad = readFadeSet(savedWithLine("RD3=255", "RD3=red"));
    EXPECT_EQ(bad.colourCount, 4);
    EXPECT_FALSE(bad.fadeSet);
    EXPECT_EQ(bad.error, "rd3 in [rdclrs] is not a number: 'red'");

    EXPECT_FALSE(readFadeSet(savedWithLine("GRN10=128", "GRN10=99999")).fadeSet);
}

TEST(FadeSetFile, AStyleIsOnExactlyWhenItsValueIsOne)
{
    const std::string saved = savedText(sampleSet());
    const FadeSetReading noStyles = readFadeSet(saved.substr(0, saved.find("[fweight]")));
    ASSERT_TRUE(noStyles.fadeSet);
    EXPECT_FALSE(noStyles.fadeSet->styles.bold);
    EXPECT_FALSE(noStyles.fadeSet->styles.underline);

    for (const char *value : {"0", "01", "1.0", "true", "", "2"}) {
        const FadeSetReading reading =
            readFadeSet(savedWithLine("BOLD=1", std::string("BOLD=") + value));
        EXPECT_FALSE(reading.fadeSet.value().styles.bold) << value;
    }
    EXPECT_TRUE(readFadeSet(savedWithLine("BOLD=1", "bold =  1 ")).fadeSet->styles.bold);
}

TEST(FadeSetFile, KeepsANonRgbBlendInASectionOfItsOwn)
{
    FadeSet oklch = sampleSet();
    oklch.blend = Blend::OkLch;
    const std::string text = savedText(oklch);
    EXPECT_EQ(text, savedText(sampleSet()) + "[fblend]\r\nBLEND=oklch\r\n");
    EXPECT_EQ(readFadeSet(text).fadeSet->blend, Blend::OkLch);
    // Saving over a file that names a blend writes rgb too, so none lingers.
    EXPECT_EQ(fadeSetEntries(sampleSet(), true).back().value, "rgb");
}

TEST(FadeSetFile, ReadsAMissingOrUnknownBlendAsRgb)
{
    const std::string saved = savedText(sampleSet());
    const struct {
        std::string lines;
        Blend blend;
        bool unknown;
    } cases[] = {
        {"", Blend::Rgb, false},
        {"[fblend]\r\nBLEND=oklab\r\n", Blend::OkLab, false},
        {"[FBLEND]\r\n blend = oklch \r\n", Blend::OkLch, false},
        {"[fblend]\r\nBLEND=\r\n", Blend::Rgb, false},
        {"[fblend]\r\nBLEND=OkLab\r\n", Blend::Rgb, true},
        {"[fblend]\r\nBLEND=hsl\r\n", Blend::Rgb, true},
    };
    for (const auto &c : cases) {
        const FadeSetReading reading = readFadeSet(saved + c.lines);
        ASSERT_TRUE(reading.fadeSet) << c.lines;
        EXPECT_EQ(reading.fadeSet->blend, c.blend) << c.lines;
        EXPECT_EQ(reading.unknownBlend, c.unknown) << c.lines;
        EXPECT_EQ(reading.fadeSet->palette, sampleSet().palette) << c.lines;
    }
}
