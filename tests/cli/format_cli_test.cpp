#include "run_cli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{

const std::string kColours = "--colors=ff0000,00ff00,0000ff";

std::string readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void expectUsageError(const std::vector<std::string> &args, const std::string &mention)
{
    const CliResult r = runCli(args, "x\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("tintara-fade: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(mention), std::string::npos) << r.err;
}

} // namespace

// formats/NAME.txt is what
//   tintara-fade --colors ff0000,00ff00,0000ff --bold --italic --strike --underline
//                --format NAME < formats/input.txt
// must print: a line of letters, a line of characters to escape and a line of
// emoji, flags, keycaps and combining marks.
TEST(FormatCli, EveryFormatWritesItsReferenceByteForByte)
{
    const std::string folder = TINTARA_CLI_FORMATS_DIR;
    const std::string input = readFile(folder + "/input.txt");
    ASSERT_FALSE(input.empty());
    for (const std::string name :
         {"font", "span", "bbcode", "minimessage", "legacy", "section", "ansi"}) {
        const CliResult r = runCli(
            {kColours, "--bold", "--italic", "--strike", "--underline", "--format", name}, input);
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_EQ(r.out, readFile(folder + "/" + name + ".txt")) << name;
    }
    EXPECT_EQ(runCli({kColours, "--format=font"}, input).out, runCli({kColours}, input).out);
}

TEST(FormatCli, TemplatesMergesAndSteps)
{
    EXPECT_EQ(
        runCli({"--colors", "ff0000,0000ff", "--template", "{{{c}|{hex}|{r},{g},{b}}}", "ab"}).out,
        "{a|800080|128,0,128}{b|0000ff|0,0,255}\n");
    EXPECT_EQ(
        runCli({"--colors", "ff0000,ff0000,0000ff", "--merge", "--format", "bbcode", "abcd"}).out,
        "[color=#ff0000]ab[/color][color=#800080]c[/color][color=#0000ff]d[/color]\n");
    EXPECT_EQ(runCli({"--colors", "000000,ffffff", "--step", "2", "abcde"}).out,
              "<Font Color=#666666>ab</Font><Font Color=#CCCCCC>cd</Font>"
              "<Font Color=#FFFFFF>e</Font>\n");
}

TEST(FormatCli, AnOutputOverTheMaximumLengthIsAnErrorAfterTheLinesBefore)
{
    // "Hi" in font tags is 2 * 28 = 56 code points; the first line fits any limit here.
    const std::vector<std::string> colours{"--colors", "ff0000,0000ff"};
    const std::string first = "<Font Color=#0000FF>a</Font>\n";
    for (const std::size_t limit : {55u, 56u, 57u}) {
        std::vector<std::string> args = colours;
        args.insert(args.end(), {"--max-length", std::to_string(limit)});
        const CliResult r = runCli(args, "a\nHi\n");
        if (limit < 56) {
            EXPECT_EQ(r.status, 2);
            EXPECT_EQ(r.out, first);
            EXPECT_EQ(r.err, "tintara-fade: line 2: the output is 56 code points long, over "
                             "--max-length 55\n");
        } else {
            EXPECT_EQ(r.status, 0) << limit << ": " << r.err;
            EXPECT_EQ(r.out, first + "<Font Color=#800080>H</Font><Font Color=#0000FF>i</Font>\n");
        }
    }
    // Code points, not bytes: "é" is two bytes.
    EXPECT_EQ(runCli({"--colors", "ff0000,ff0000", "--max-length", "28", "\xC3\xA9"}).status, 0);
}

TEST(FormatCli, FitTakesTheSmallestStepThatFits)
{
    // "Hello" in span: 5 elements of 35 code points and a letter, 180 in all.
    // Step 2 makes the runs "He", "ll", "o": 3 * 35 + 5 = 110; step 3 makes
    // 2 * 35 + 5 = 75, and so does step 4; step 5 makes one run, 40.
    const std::vector<std::string> span{"--colors", "ff0000,0000ff", "--format", "span"};
    const auto fitted = [&](const std::string &limit) {
        std::vector<std::string> args = span;
        args.insert(args.end(), {"--max-length", limit, "--fit", "Hello"});
        return runCli(args);
    };
    const auto stepped = [&](const std::string &step) {
        std::vector<std::string> args = span;
        args.insert(args.end(), {"--step", step, "Hello"});
        return runCli(args).out;
    };
    EXPECT_EQ(fitted("180").out, stepped("1"));
    EXPECT_EQ(fitted("179").out, stepped("2"));
    EXPECT_EQ(fitted("110").out, stepped("2"));
    EXPECT_EQ(fitted("109").out, stepped("3"));
    EXPECT_EQ(fitted("74").out, stepped("5"));
    EXPECT_EQ(fitted("40").out, stepped("5"));
    const CliResult tooShort = fitted("39");
    EXPECT_EQ(tooShort.status, 2);
    EXPECT_EQ(tooShort.out, "");
    EXPECT_EQ(tooShort.err, "tintara-fade: the output is 40 code points long even with --step 5, "
                            "over --max-length 39\n");
}

TEST(FormatCli, RejectsOutputOptionsThatCannotWork)
{
    const std::string colours = "--colors=ff0000,0000ff";
    expectUsageError({colours, "--format", "html"}, "--format takes font, span, bbcode");
    expectUsageError({colours, "--template", "{x}"}, "--template: the template names {x}");
    expectUsageError({colours, "--template", "{c", "--bold"}, "never closed");
    expectUsageError({colours, "--template", "{c}", "--bold"}, "no style options");
    expectUsageError({colours, "--template", "{c}", "--format", "span"}, "no --format");
    expectUsageError({colours, "--fit"}, "--fit needs --max-length");
    expectUsageError({colours, "--max-length", "9", "--fit", "--step", "2"}, "no --step");
    for (const char *step : {"0", "-1", "x", "", "2x"}) {
        expectUsageError({colours, "--step", step}, "--step takes a whole number");
    }
    expectUsageError({colours, "--max-length", "-5"}, "--max-length takes a whole number");
    expectUsageError({colours, "--ansi", "--format", "span"}, "--ansi shows");
    expectUsageError({colours, "--check-contrast", "ffffff", "--step", "2"}, "--check-contrast");
    expectUsageError({"--runs", "--merge"}, "--runs renders");
    expectUsageError({colours, "--save-set", "x.tnf", "--format", "span"}, "--save-set writes");
}
