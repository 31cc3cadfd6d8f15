#include "engine/contrast.h"

#include <gtest/gtest.h>

using namespace tintara;

namespace
{

constexpr ColorValue grey(int level)
{
    return level * 0x010101;
}

} // namespace

TEST(Contrast, MatchesPublishedWcagValues)
{
    EXPECT_DOUBLE_EQ(contrastRatio(0, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(kWhite, 0), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(0x123456, 0x123456), 1.0);
    EXPECT_NEAR(contrastRatio(grey(0x77), kWhite), 4.48, 0.005);
    EXPECT_NEAR(contrastRatio(grey(0x76), kWhite), 4.54, 0.005); // the lightest grey at 4.5:1
    EXPECT_NEAR(relativeLuminance(0x0000FF), 0.2126, 1e-12);     // pure red
}

TEST(Contrast, RatiosAreCutNotRoundedWhenShown)
{
    EXPECT_EQ(formatRatio(21.0), "21:1");
    EXPECT_EQ(formatRatio(4.5), "4.5:1");
    EXPECT_EQ(formatRatio(4.4999), "4.49:1");
    EXPECT_EQ(formatRatio(contrastRatio(grey(0x77), kWhite)), "4.47:1");
}

TEST(Readability, AFadeThatPassesOnBlackButNotOnWhite)
{
    // White to #767676 to white over "abcd": "b" is #767676, the others lighter.
    const std::vector<ColorValue> colours{kWhite, grey(0x76), kWhite};
    const ReadabilityReport report = readabilityReport(colours, "abcd", Blend::Rgb);

    const Readability &white = report.onWhite;
    EXPECT_EQ(white.report.belowCount, 3u);
    ASSERT_EQ(white.below.size(), 3u);
    EXPECT_EQ(white.below[0].element, "a");
    EXPECT_EQ(white.below[1].element, "c");
    EXPECT_EQ(white.below[2].position, 4u);
    ASSERT_TRUE(white.report.lowest);
    EXPECT_EQ(white.report.lowest->element, "d");
    EXPECT_DOUBLE_EQ(white.report.lowest->ratio, 1.0);

    const Readability &black = report.onBlack;
    EXPECT_EQ(black.report.belowCount, 0u);
    EXPECT_TRUE(black.below.empty());
    ASSERT_TRUE(black.report.lowest);
    EXPECT_EQ(black.report.lowest->position, 2u);
    EXPECT_NEAR(black.report.lowest->ratio, 4.62, 0.005);
}

TEST(Readability, CountsElementsNotBytesNorCodePoints)
{
    const std::vector<ColorValue> redGreen{0x0000FF, 0x00FF00};
    const ContrastReport report =
        checkContrast(redGreen, "é🇫🇷x", Blend::OkLab, kWhite, kReadableRatio);
    EXPECT_EQ(report.elementCount, 3u);
    ASSERT_TRUE(report.lowest);
    EXPECT_EQ(report.lowest->position, 3u);
    EXPECT_EQ(report.lowest->element, "x");
    EXPECT_DOUBLE_EQ(report.lowest->ratio, contrastRatio(0x00FF00, kWhite));
    EXPECT_EQ(report.belowCount, 3u);

    EXPECT_FALSE(checkContrast(redGreen, "", Blend::OkLch, kWhite, 4.5).lowest);
}
