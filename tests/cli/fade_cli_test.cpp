#include "engine/fade.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <array>

namespace
{

void expectUsageError(const std::vector<std::string> &args, const std::string &mention,
                      const std::string &input = {})
{
    const CliResult r = runCli(args, input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("tintara-fade: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(mention), std::string::npos) << r.err;
}

} // namespace

TEST(FadeCli, FadesTheTextArgument)
{
    const CliResult r = runCli({"--colors", "ff0000,0000ff", "--bold", "--underline", "Hi"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "<U><B><Font Color=#800080>H</Font><Font Color=#0000FF>i</Font></B></U>\n");
}

TEST(FadeCli, AcceptsHashesAnyCaseAndAllStyles)
{
    const CliResult r = runCli(
        {"--italic", "--strike", "--colors=#FF0000,#0000Ff", "--bold", "--underline", "--", "-x"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "<U><S><I><B><Font Color=#800080>-</Font><Font Color=#0000FF>x</Font>"
                     "</B></I></S></U>\n");
}

TEST(FadeCli, BlankTextPrintsAnEmptyLine)
{
    EXPECT_EQ(runCli({"--colors", "000000,ffffff", ""}).out, "\n");
    EXPECT_EQ(runCli({"--colors", "000000,ffffff", "   "}).out, "\n");
}

TEST(FadeCli, FadesEachLineOfStandardInput)
{
    const CliResult r = runCli({"--colors", "000000,ffffff,000000"}, "ab\r\n\n  \nx");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "<Font Color=#FFFFFF>a</Font><Font Color=#000000>b</Font>\n"
                     "\n"
                     "\n"
                     "<Font Color=#000000>x</Font>\n");
    EXPECT_EQ(runCli({"--colors", "000000,ffffff"}, "").out, "");
}

TEST(FadeCli, StreamsLargeInput)
{
    std::string line;
    for (int i = 0; i < 500; ++i) {
        line.push_back(static_cast<char>('a' + i % 26));
    }
    std::string input;
    for (int i = 0; i < 2000; ++i) {
        input += line + "\n";
    }
    const CliResult r = runCli(
        {"--colors", "ff0000,00ff00,0000ff,ffff00,00ffff,ff00ff,000000,ffffff,808080,123456"},
        input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.size(), 2000u * (500 * 28 + 1));
}

TEST(FadeCli, HelpAndVersion)
{
    const CliResult help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: tintara-fade"), std::string::npos);
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tintara-fade ", 0), 0u);
}

TEST(FadeCli, ArgumentErrorsPrintNothingOnStandardOutput)
{
    expectUsageError({"hello"}, "--colors");
    expectUsageError({"--colors"}, "--colors");
    expectUsageError({"--colors", "ff0000", "x"}, "2 to 10");
    expectUsageError({"--colors", "1,2,3,4,5,6,7,8,9,a,b"}, "is not a colour");
    expectUsageError({"--colors", std::string(10, 'x') + ",000000"}, "is not a colour");
    expectUsageError({"--colors", "ff0000,ff00zz", "x"}, "ff00zz");
    expectUsageError({"--colors", "ff0000,ff000", "x"}, "ff000");
    expectUsageError({"--colors", "ff0000,,00ff00", "x"}, "not a colour");
    expectUsageError({"--colors", "ff0000,0000ff", "--blink", "x"}, "--blink");
    expectUsageError({"--colors", "ff0000,0000ff", "one", "two"}, "one argument");
    expectUsageError({"--colors",
                      "000000,ffffff,000000,ffffff,000000,ffffff,000000,ffffff,"
                      "000000,ffffff,000000",
                      "x"},
                     "2 to 10");
}

TEST(FadeCli, TextErrorsAreReported)
{
    expectUsageError({"--colors", "ff0000,0000ff", "a\xff"}, "UTF-8");
    expectUsageError({"--colors", "ff0000,0000ff,00ff00", std::string(32768, 'x')}, "32767");
    EXPECT_EQ(runCli({"--colors", "ff0000,0000ff", std::string(32768, 'x')}).status, 0);

    // Lines before a faulty line are still written out.
    const CliResult r = runCli({"--colors", "ff0000,ff0000"}, "a\nb\xc3\nc\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "<Font Color=#FF0000>a</Font>\n");
    EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
}

TEST(FadeCli, BlendsAsTheEngineDoesInCodeAndOnTheTerminal)
{
    const std::array colours{tintara::ColorValue{0x0000FF}, tintara::ColorValue{0x00FF00}};
    for (const tintara::Blend blend :
         {tintara::Blend::Rgb, tintara::Blend::OkLab, tintara::Blend::OkLch}) {
        const std::string name(tintara::blendName(blend));
        const std::string coded = tintara::fadeColors(colours, "Hello", {}, blend);
        const CliResult r = runCli({"--colors", "ff0000,00ff00", "--blend", name, "Hello"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, coded + "\n") << name;
        EXPECT_EQ(runCli({"--colors", "ff0000,00ff00", "--blend=" + name, "--ansi", "Hello"}).out,
                  runCli({"--runs", "--ansi", coded}).out)
            << name;
    }
    EXPECT_EQ(runCli({"--colors", "ff0000,00ff00", "Hello"}).out,
              runCli({"--colors", "ff0000,00ff00", "--blend", "rgb", "Hello"}).out);
}

TEST(FadeCli, WarnsAboutEachLineUnderTheContrastRatio)
{
    const std::vector<std::string> fade{"--colors", "000000,ffff00,000000"};
    const std::string input = "Hi\n\n  \nab!\n";
    std::vector<std::string> checked = fade;
    checked.insert(checked.end(), {"--check-contrast", "ffffff"});
    const CliResult r = runCli(checked, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, runCli(fade, input).out);
    EXPECT_EQ(r.err, "tintara-fade: line 1: 1 of 2 characters fall under 4.5:1 against #ffffff; "
                     "the lowest is character 1 'H' at 1.07:1\n"
                     "tintara-fade: line 4: 2 of 3 characters fall under 4.5:1 against #ffffff; "
                     "the lowest is character 2 'b' at 1.07:1\n");

    // A fade on black at 1.5:1 passes.
    const CliResult black =
        runCli({"--colors", "000000,ffff00", "--check-contrast=#000000:1.5"}, "Hi\nab\n");
    EXPECT_EQ(black.status, 0);
    EXPECT_EQ(black.err, "");
}

TEST(FadeCli, ContrastWarningsShowOnlyPrintableAsciiAsItIs)
{
    const CliResult r = runCli({"--colors", "000000,ffffff", "--check-contrast", "ffffff:21"},
                               "a\x1b\nx\xc3\xa9\n'\n\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 1: 2 of 2 characters fall under 21:1 against #ffffff; the lowest is "
                         "character 2 U+001B at 1:1\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("line 2: 2 of 2 characters fall under 21:1 against #ffffff; the lowest is "
                         "character 2 U+00E9 at 1:1\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("line 3: 1 of 1 character falls under 21:1 against #ffffff; the lowest "
                         "is character 1 U+0027 at 1:1\n"),
              std::string::npos)
        << r.err;
    // A flag is one character, shown as both its code points.
    EXPECT_NE(r.err.find("line 4: 1 of 1 character falls under 21:1 against #ffffff; the lowest "
                         "is character 1 U+1F1EB U+1F1F7 at 1:1\n"),
              std::string::npos)
        << r.err;
}

TEST(FadeCli, RejectsBadBlendsAndContrastChecks)
{
    const std::string colours = "--colors=000000,ffffff";
    for (const char *name : {"OKLAB", "", "hsl"}) {
        expectUsageError({colours, "--blend", name, "x"}, "--blend takes rgb, oklab or oklch");
    }
    expectUsageError({colours, "--blend"}, "--blend needs");
    for (const char *ratio : {"0.5", "22", "", "4.5x", "nan", "inf", "-3"}) {
        expectUsageError({colours, "--check-contrast", std::string("ffffff:") + ratio, "x"},
                         "a ratio from 1 to 21");
    }
    expectUsageError({colours, "--check-contrast", "fffff", "x"}, "is not a colour");
    expectUsageError({"--runs", "--blend", "oklab"}, "--runs");
    expectUsageError({"--runs", "--check-contrast", "ffffff"}, "--runs");

    // An error still wins over a line that fell short.
    const CliResult r = runCli({colours, "--check-contrast", "ffffff"}, "ab\n\xff\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 1: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 2: "), std::string::npos) << r.err;
}
