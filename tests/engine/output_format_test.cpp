#include "engine/output_format.h"

#include "engine/fade.h"
#include "engine/utf8.h"

#include <gtest/gtest.h>

using namespace tintara;

namespace
{

constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kBlack = 0;
constexpr FadeStyles kAllStyles{.bold = true, .italic = true, .strike = true, .underline = true};

OutputOptions output(OutputFormat format, FadeStyles styles = {}, bool merge = false,
                     std::optional<std::size_t> step = {})
{
    OutputOptions options;
    options.format = format;
    options.styles = styles;
    options.merge = merge;
    options.step = step;
    return options;
}

OutputOptions stepped(std::size_t step)
{
    return output(OutputFormat::Font, {}, false, step);
}

OutputOptions withTemplate(std::string_view text)
{
    OutputOptions options;
    options.elementTemplate.emplace(text);
    return options;
}

std::string fontElement(ColorValue colour, const std::string &text)
{
    return "<Font Color=#" + hex6(65536 * (colour & 0xFF) + (colour & 0xFF00) + (colour >> 16)) +
           ">" + text + "</Font>";
}

} // namespace

TEST(OutputFormat, FontWithoutMergingIsTheCodedTextByteForByte)
{
    // No two neighbours share a colour, so merging changes nothing either.
    const std::vector<ColorValue> colours{kBlack, kWhite, kRed};
    const std::string text = "Hi \xF0\x9F\x87\xAB\xF0\x9F\x87\xB7 <&>";
    std::string coded;
    appendFade(coded, colours, text, openingTags(kAllStyles), closingTags(kAllStyles));
    EXPECT_EQ(
        formatFade(colours, text, Blend::OkLab, output(OutputFormat::Font, kAllStyles)),
        formatFade(colours, text, Blend::OkLab, output(OutputFormat::Font, kAllStyles, true)));
    EXPECT_EQ(formatFade(colours, text, Blend::Rgb, output(OutputFormat::Font, kAllStyles)), coded);
    EXPECT_EQ(formatFade(colours, text, Blend::Rgb, output(OutputFormat::Font, kAllStyles, true)),
              coded);
}

TEST(OutputFormat, AStepGivesEachGroupTheColourOfItsLastElement)
{
    const std::vector<ColorValue> blackWhite{kBlack, kWhite};
    const std::vector<ColorValue> shades = fadeElementColours(blackWhite, 7, Blend::Rgb);
    const auto shade = [&](std::size_t element) { return shades[element - 1]; };
    const struct {
        std::size_t step;
        std::string expected;
    } cases[] = {
        {1, fontElement(shade(1), "a") + fontElement(shade(2), "b") + fontElement(shade(3), "c") +
                fontElement(shade(4), "d") + fontElement(shade(5), "e") +
                fontElement(shade(6), "f") + fontElement(kWhite, "g")},
        {2, fontElement(shade(2), "ab") + fontElement(shade(4), "cd") +
                fontElement(shade(6), "ef") + fontElement(kWhite, "g")},
        {3, fontElement(shade(3), "abc") + fontElement(shade(6), "def") + fontElement(kWhite, "g")},
        {7, fontElement(kWhite, "abcdefg")},
        {1000, fontElement(kWhite, "abcdefg")},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(formatFade(blackWhite, "abcdefg", Blend::Rgb, stepped(c.step)), c.expected)
            << c.step;
    }
}

TEST(OutputFormat, MergingJoinsNeighboursOfOneColour)
{
    // Red, red, then red to white: "ab" share red, "c" and "d" differ.
    const std::vector<ColorValue> colours{kRed, kRed, kWhite};
    EXPECT_EQ(formatFade(colours, "abcd", Blend::Rgb, output(OutputFormat::Span, {}, true)),
              "<span style=\"color:#ff0000\">ab</span><span style=\"color:#ff8080\">c</span>"
              "<span style=\"color:#ffffff\">d</span>");
    // Formats whose styles end at each colour write them once per merged element.
    const FadeStyles boldUnderline{.bold = true, .underline = true};
    const std::vector<ColorValue> red{kRed, kRed};
    EXPECT_EQ(formatFade(red, "ab", Blend::Rgb, output(OutputFormat::Legacy, boldUnderline, true)),
              "&#ff0000&l&nab");
    EXPECT_EQ(
        formatFade(red, "ab", Blend::Rgb, output(OutputFormat::Section, boldUnderline, false, 1)),
        "\xC2\xA7x\xC2\xA7"
        "f\xC2\xA7"
        "f\xC2\xA7"
        "0\xC2\xA7"
        "0\xC2\xA7"
        "0\xC2\xA7"
        "0\xC2\xA7l\xC2\xA7nab");
    EXPECT_EQ(formatFade(red, "ab", Blend::Rgb, output(OutputFormat::Legacy)),
              "&#ff0000a&#ff0000b");
}

TEST(ElementTemplate, WritesEveryPlaceholderAndBrace)
{
    EXPECT_EQ(formatFade(std::vector{kRed, kRed}, "\xC3\xA9", Blend::Rgb,
                         withTemplate("{{{c}}}:{hex}/{HEX}/{r},{g},{b};")),
              "{\xC3\xA9}:ff0000/FF0000/255,0,0;");
    EXPECT_EQ(formatFade(std::vector{kRed, kRed}, "ab", Blend::Rgb, withTemplate("x")), "xx");
}

TEST(ElementTemplate, RefusesWhatItDoesNotKnow)
{
    for (const char *bad : {"{x}", "{}", "{C}", "{hex", "c}", "{{c}", "{ c}", "{c}\xFF"}) {
        EXPECT_THROW(ElementTemplate{bad}, TemplateError) << bad;
    }
    OutputOptions styled = withTemplate("{c}");
    styled.styles.bold = true;
    EXPECT_THROW(formatFade(std::vector{kRed, kRed}, "a", Blend::Rgb, styled), FadeError);
    EXPECT_THROW(formatFade(std::vector{kRed, kRed}, "a", Blend::Rgb, stepped(0)), FadeError);
}

TEST(OutputLength, IsMeasuredAsWritten)
{
    const std::vector<ColorValue> colours{kBlack, kRed, kWhite};
    std::vector<OutputOptions> choices;
    for (const OutputFormat format : kOutputFormats) {
        choices.push_back(output(format));
        choices.push_back(output(format, kAllStyles, true));
    }
    choices.push_back(withTemplate("<{c}|{r};{g};{b}|{hex}>"));
    for (const std::string text : {"Hello", "<&\">\\ \xC3\xA9\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7",
                                   "\x1b[2J\x7F\xC2\x9B\tz", ""}) {
        for (OutputOptions &options : choices) {
            for (const std::optional<std::size_t> step :
                 {std::optional<std::size_t>{}, std::optional<std::size_t>{2}}) {
                options.step = step;
                const std::string written = formatFade(colours, text, Blend::OkLch, options);
                EXPECT_EQ(formattedLength(colours, text, Blend::OkLch, options),
                          utf8Length(written).value())
                    << written;
            }
        }
    }
}

TEST(OutputLength, FitPicksTheSmallestStepThatFits)
{
    const std::vector<ColorValue> colours{kRed, kBlack, kWhite, kRed};
    const std::string text = "The <quick> brown fox";
    OutputOptions options = output(OutputFormat::Span, kAllStyles);
    std::vector<std::size_t> lengths; // by step, from 1
    for (std::size_t step = 1; step <= text.size(); ++step) {
        options.step = step;
        lengths.push_back(formattedLength(colours, text, Blend::Rgb, options));
    }
    options.step.reset();
    const std::size_t shortest = *std::min_element(lengths.begin(), lengths.end());
    for (std::size_t limit = shortest - 1; limit <= lengths.front() + 1; ++limit) {
        const auto fitting = std::find_if(lengths.begin(), lengths.end(),
                                          [limit](std::size_t length) { return length <= limit; });
        const LengthFit fit = fitToLength(colours, text, Blend::Rgb, options, limit);
        if (fitting == lengths.end()) {
            EXPECT_FALSE(fit.fits) << limit;
            EXPECT_EQ(fit.step, text.size());
            EXPECT_EQ(fit.length, lengths.back());
        } else {
            EXPECT_TRUE(fit.fits) << limit;
            EXPECT_EQ(fit.step, static_cast<std::size_t>(fitting - lengths.begin()) + 1) << limit;
            EXPECT_EQ(fit.length, *fitting) << limit;
        }
    }
    // A text longer than the limit on its own, however long, fails at once.
    const std::string huge(2'000'000, 'x');
    const LengthFit fit = fitToLength(std::vector{kRed, kWhite}, huge, Blend::Rgb, options, 256);
    EXPECT_FALSE(fit.fits);
    EXPECT_EQ(fit.step, huge.size());
}
