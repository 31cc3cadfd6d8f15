#include "../engine/temp_folder.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <array>
#include <sys/stat.h>

namespace
{

const std::string kRgb = "ff0000,00ff00,0000ff";

void expectError(const std::vector<std::string> &args, const std::string &mention)
{
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("tintara-fade: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(mention), std::string::npos) << r.err;
}

std::string section(const std::string &name, const std::string &key,
                    const std::array<int, 3> &firstThree)
{
    std::string lines = "[" + name + "]\r\n";
    for (int slot = 1; slot <= 10; ++slot) {
        const int value = slot <= 3 ? firstThree[slot - 1] : 255;
        lines += key + std::to_string(slot) + "=" + std::to_string(value) + "\r\n";
    }
    return lines;
}

// Red, green and blue in slots 1..3, count 3, bold: as the program saves it.
const std::string kSavedRgbBold =
    "[famount]\r\nFDAMT=3\r\n" + section("rdclrs", "RD", {255, 0, 0}) +
    section("grnclrs", "GRN", {0, 255, 0}) + section("blclrs", "BL", {0, 0, 255}) +
    "[fweight]\r\nBOLD=1\r\nITALIC=0\r\nSTRIKE=0\r\nUNDERLINE=0\r\n";

std::string replaced(std::string text, const std::string &line, const std::string &replacement)
{
    return text.replace(text.find(line), line.size(), replacement);
}

} // namespace

TEST(FadeSetCli, SaveSetWritesTheSetUnderExactlyTheGivenName)
{
    TempFolder folder;
    const std::string path = folder.file("rgb");
    const CliResult r = runCli({"--save-set", path, "--colors", kRgb, "--bold"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readText(path), kSavedRgbBold);
}

TEST(FadeSetCli, SetFadesLikeTheSameColoursAndStylesGivenDirectly)
{
    TempFolder folder;
    const std::string path = folder.file("rgb.tnf");
    ASSERT_EQ(runCli({"--save-set=" + path, "--colors=" + kRgb, "--bold"}).status, 0);

    const CliResult direct = runCli({"--colors", kRgb, "--bold", "--italic", "Hello"});
    const CliResult fromSet = runCli({"--set", path, "--italic", "Hello"});
    EXPECT_EQ(fromSet.status, 0) << fromSet.err;
    EXPECT_EQ(fromSet.out, direct.out);
    EXPECT_NE(fromSet.out.find("<I><B>"), std::string::npos);

    const CliResult lines = runCli({"--set=" + path}, "Hello\n\nHello\n");
    EXPECT_EQ(lines.out, runCli({"--colors", kRgb, "--bold", "Hello"}).out + "\n" +
                             runCli({"--colors", kRgb, "--bold", "Hello"}).out);
}

TEST(FadeSetCli, SetsCarryTheBlend)
{
    TempFolder folder;
    const std::string path = folder.file("oklch.tnf");
    ASSERT_EQ(runCli({"--save-set", path, "--colors", kRgb, "--bold", "--blend", "oklch"}).status,
              0);
    EXPECT_EQ(readText(path), kSavedRgbBold + "[fblend]\r\nBLEND=oklch\r\n");

    const auto fade = [&](std::vector<std::string> args) { return runCli(args).out; };
    EXPECT_EQ(fade({"--set", path, "Hello"}),
              fade({"--colors", kRgb, "--bold", "--blend", "oklch", "Hello"}));
    EXPECT_EQ(fade({"--set", path, "--blend", "rgb", "Hello"}),
              fade({"--colors", kRgb, "--bold", "Hello"}));

    writeText(path, kSavedRgbBold + "[fblend]\r\nBLEND=lab\r\n");
    expectError({"--set", path, "Hello"}, "names a blend this program does not know");
}

TEST(FadeSetCli, SetReadsHandEditedFilesAsTheProgramDoes)
{
    TempFolder folder;
    const std::string path = folder.file("edited.tnf");
    std::string text = replaced(kSavedRgbBold, "FDAMT=3", "  fdamt = 3.5 ");
    text = replaced(text, "RD4=255", "rd4=300");
    text = replaced(text, "BOLD=1", "BOLD=true");
    writeText(path, text);
    const CliResult r = runCli({"--set", path, "Hi!!"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, runCli({"--colors", kRgb + ",ffffff", "Hi!!"}).out);
}

TEST(FadeSetCli, SaveSetKeepsTheOtherLinesOfAnExistingFile)
{
    TempFolder folder;
    const std::string path = folder.file("mine.tnf");
    writeText(path, "[notes]\r\nwho=me\r\n[famount]\r\nFDAMT=9\r\n");
    ASSERT_EQ(runCli({"--save-set", path, "--colors", kRgb, "--bold"}).status, 0);
    const std::string expected = "[notes]\r\nwho=me\r\n" + kSavedRgbBold;
    EXPECT_EQ(readText(path), expected);
}

TEST(FadeSetCli, EveryFailureOfTheOpenCommandIsAnError)
{
    TempFolder folder;
    const auto file = [&](const std::string &name, const std::string &text) {
        writeText(folder.file(name), text);
        return folder.file(name);
    };
    expectError({"--set", folder.file("missing.tnf"), "x"}, "No such file");
    expectError({"--set", folder.path().string(), "x"}, "Is a directory");
    // A device or a named pipe would never end, or never start.
    expectError({"--set", "/dev/zero", "x"}, "not a regular file");
    const std::string pipe = folder.file("pipe.tnf");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    expectError({"--set", pipe, "x"}, "not a regular file");
    expectError({"--set", file("eleven", replaced(kSavedRgbBold, "FDAMT=3", "FDAMT=11")), "x"},
                "the colour count '11' is not a number from 2 to 10");
    expectError({"--set", file("foreign.ini", "[boot loader]\r\ntimeout=30\r\n"), "x"},
                "no colour count");
    expectError({"--set", file("red", replaced(kSavedRgbBold, "RD3=0", "RD3=red")), "x"},
                "rd3 in [rdclrs] is not a number: 'red'");
    expectError({"--set", file("nobl7", replaced(kSavedRgbBold, "BL7=255\r\n", "")), "x"},
                "no bl7 in [blclrs]");
}

TEST(FadeSetCli, AFailedSaveIsReportedAndChangesNothing)
{
    TempFolder folder;
    writeText(folder.file("plain"), "keep");
    expectError({"--save-set", folder.file("plain") + "/set.tnf", "--colors", kRgb},
                "Not a directory");
    expectError({"--save-set", folder.path().string(), "--colors", kRgb}, "Is a directory");

    writeText(folder.file("locked.tnf"), "[notes]\r\nwho=me\r\n");
    chmod(folder.file("locked.tnf").c_str(), 0444);
    expectError({"--save-set", folder.file("locked.tnf"), "--colors", kRgb}, "read-only");
    EXPECT_EQ(readText(folder.file("locked.tnf")), "[notes]\r\nwho=me\r\n");
    EXPECT_EQ(readText(folder.file("plain")), "keep");
}

TEST(FadeSetCli, RejectsOptionsThatDoNotGoTogether)
{
    expectError({"--set", "a.tnf", "--colors", kRgb, "x"}, "--set and --colors");
    expectError({"--save-set", "a.tnf", "--set", "b.tnf"}, "takes no --set");
    expectError({"--save-set", "a.tnf", "--colors", kRgb, "text"}, "fades no text");
    expectError({"--save-set", "a.tnf", "--colors", kRgb, "--ansi"}, "fades no text");
    expectError({"--save-set", "a.tnf", "--colors", kRgb, "--check-contrast", "ffffff"},
                "fades no text");
    expectError({"--save-set", "a.tnf", "--bold"}, "--colors is missing");
    expectError({"--set"}, "--set needs a fade-set file");
    expectError({"--save-set"}, "--save-set needs a file name");
    expectError({"--runs", "--set", "a.tnf"}, "takes no fade set");

    TempFolder folder;
    writeText(folder.file("bold.tnf"), kSavedRgbBold);
    expectError({"--set", folder.file("bold.tnf"), "--template", "{c}", "x"},
                "has styles, which --template does not write");
}
