#include "run_cli.h"

#include <gtest/gtest.h>

namespace
{

const std::string kHiBoldUnderlined =
    "<U><B><Font Color=#800080>H</Font><Font Color=#0000FF>i</Font></B></U>";

void expectRejected(const std::vector<std::string> &args, const std::string &mention)
{
    const CliResult r = runCli(args, "<b>x");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("tintara-fade: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(mention), std::string::npos) << r.err;
}

} // namespace

TEST(RunsCli, PrintsOneJsonLinePerRun)
{
    const CliResult r = runCli({"--runs", kHiBoldUnderlined});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, R"({"text":"H","font":"Arial","size":10,"bold":true,"italic":false,)"
                     R"("underline":true,"strike":false,"color":"#800080"})"
                     "\n"
                     R"({"text":"i","font":"Arial","size":10,"bold":true,"italic":false,)"
                     R"("underline":true,"strike":false,"color":"#0000FF"})"
                     "\n");
}

TEST(RunsCli, MergesCharactersOfOneFormatAndKeepsFontNames)
{
    const CliResult r =
        runCli({"--runs", "--", "<font face=\"Courier New\"><font color=#ff8000>ab</font>c<s>d"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, R"({"text":"abc","font":"courier new","size":10,"bold":false,"italic":false,)"
                     R"("underline":false,"strike":false,"color":"#FF8000"})"
                     "\n"
                     R"({"text":"d","font":"courier new","size":10,"bold":false,"italic":false,)"
                     R"("underline":false,"strike":true,"color":"#FF8000"})"
                     "\n");
}

TEST(RunsCli, ReadsAllOfStandardInputLessOneLineEnd)
{
    const std::string plain = R"(","font":"Arial","size":10,"bold":false,"italic":false,)"
                              R"("underline":false,"strike":false,"color":"#000000"})"
                              "\n";
    EXPECT_EQ(runCli({"--runs"}, "a\n<>b\r\n").out, R"({"text":"a\nb)" + plain);
    EXPECT_EQ(runCli({"--runs"}, "a\n\n").out, R"({"text":"a\n)" + plain);
    EXPECT_EQ(runCli({"--runs"}, "a").out, R"({"text":"a)" + plain);
    const CliResult empty = runCli({"--runs"}, "");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(runCli({"--runs", ""}).out, "");
}

TEST(RunsCli, EscapesJsonAndShowsBadBytesAsReplacementCharacters)
{
    const CliResult r = runCli({"--runs", "\"\\\x01\t\xC3\xA9\xFF"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find(",\"font\"")),
              "{\"text\":\"\\\"\\\\\\u0001\\t\xC3\xA9\xEF\xBF\xBD\"");
}

TEST(RunsCli, HostileInputIsShownNotLost)
{
    const std::string opens(100000, '<');
    const CliResult r = runCli({"--runs"}, opens);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("{\"text\":\"" + opens + "\","));
    EXPECT_TRUE(
        runCli({"--runs"}, "ok <b unclosed").out.starts_with("{\"text\":\"ok <b unclosed\","));
}

TEST(AnsiCli, ShowsAFadeInTerminalColours)
{
    const CliResult r =
        runCli({"--colors", "ff0000,0000ff", "--bold", "--underline", "--ansi", "Hi"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "\x1b[0;1;4;38;2;128;0;128mH\x1b[0;1;4;38;2;0;0;255mi\x1b[0m\n");
    EXPECT_EQ(runCli({"--ansi", "--colors", "000000,ffffff"}, "ab\n  \n").out,
              "\x1b[0;38;2;128;128;128ma\x1b[0;38;2;255;255;255mb\x1b[0m\n\n");
}

TEST(AnsiCli, WithRunsShowsTheCodedTextAndDefusesControlCharacters)
{
    EXPECT_EQ(runCli({"--runs", "--ansi", kHiBoldUnderlined}).out,
              "\x1b[0;1;4;38;2;128;0;128mH\x1b[0;1;4;38;2;0;0;255mi\x1b[0m\n");
    EXPECT_EQ(runCli({"--ansi", "--runs", "<i><s>a\x1b[2J\r\x7F\xC2\x9B\tb"}).out,
              "\x1b[0;3;9;38;2;0;0;0ma\xE2\x90\x9B[2J\xE2\x90\x8D\xE2\x90\xA1\xEF\xBF\xBD\tb"
              "\x1b[0m\n");
    EXPECT_EQ(runCli({"--runs", "--ansi"}, "<b></b>\n").out, "\n");
}

TEST(RenderCliErrors, RejectMixedOrMissingArguments)
{
    expectRejected({"--runs", "--colors", "ff0000,0000ff", "x"}, "--runs");
    expectRejected({"--runs", "--bold"}, "--runs");
    expectRejected({"--runs", "a", "b"}, "one argument");
    expectRejected({"--ansi", "x"}, "--colors is missing");
    expectRejected({"--runs", "--json"}, "unknown option '--json'");
}

TEST(RenderCliErrors, HelpDescribesRunsAndAnsi)
{
    const CliResult r = runCli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("tintara-fade --runs [--ansi] [--] [CODED]"), std::string::npos);
    EXPECT_NE(r.out.find("--ansi"), std::string::npos);
}
