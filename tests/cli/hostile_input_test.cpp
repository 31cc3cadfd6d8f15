// tintara-fade against input a hostile or careless user might give it.
#include "engine/utf8.h"
#include "run_cli.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace
{

const std::string kRedGreen = "ff0000,00ff00";
const std::string kRedGreenBlue = "ff0000,00ff00,0000ff";

// Nothing in the message can drive a terminal: well-formed UTF-8 without
// control characters other than the line ends between lines.
bool safeOnATerminal(const std::string &message)
{
    if (!tintara::utf8Length(message)) {
        return false;
    }
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const bool c1 = byte == 0xC2 && static_cast<unsigned char>(message[i + 1]) < 0xA0;
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F || c1) {
            return false;
        }
    }
    return true;
}

void expectFailure(const CliResult &r, const std::string &mention)
{
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("tintara-fade: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(mention), std::string::npos) << r.err;
    EXPECT_TRUE(safeOnATerminal(r.err)) << r.err;
}

struct FailureCase {
    std::vector<std::string> args;
    std::string mention;
};

} // namespace

TEST(HostileInput, MessagesShowUntrustedBytesAsVisibleEscapes)
{
    TempFolder folder;
    const std::string retitles = folder.file("evil.tnf");
    writeText(retitles, "[famount]\r\nFDAMT=\x1b]0;owned\x07\x1b[2J\r\n");
    const std::string nul = folder.file("nul.tnf");
    writeText(nul, "[famount]\r\nFDAMT=1" + std::string(1, '\0') + "\r\n");
    const FailureCase cases[] = {
        {{"--set", retitles, "x"}, "the colour count '\\x1b]0;owned\\x07\\x1b[2J' is not"},
        {{"--set", nul, "x"}, "the colour count '1\\0' is not"},
        {{"--set", folder.file("\x1b[31mred\nname\xff.tnf"), "x"},
         "/\\x1b[31mred\\nname\\xff.tnf': No such file"},
        {{"--save-set", folder.file("no/such\r.tnf"), "--colors", kRedGreen}, "/such\\r.tnf'"},
        {{"--colors", "ff\x1b[2J0,00ff00", "x"}, "'ff\\x1b[2J0' is not a colour"},
        {{"--colors", kRedGreen, "--bold\xc2\x9b\x31m"}, "unknown option '--bold\\xc2\\x9b1m'"},
        {{"--colors=it's\\", "x"}, "'it\\'s\\\\' is not a colour"},
    };
    for (const FailureCase &failure : cases) {
        SCOPED_TRACE(failure.args.front());
        expectFailure(runCli(failure.args), failure.mention);
    }
}

TEST(HostileInput, MessagesNameWhatFailed)
{
    TempFolder folder;
    const FailureCase cases[] = {
        {{"--save-set", "/dev/full", "--colors", kRedGreen},
         "cannot save '/dev/full': not a regular file"},
        {{"--save-set", folder.path().string(), "--colors", kRedGreen},
         "cannot save '" + folder.path().string() + "': Is a directory"},
        {{"--save-set", "--colors", kRedGreen},
         "--save-set needs a file name, not the option '--colors'"},
        {{"--set", "--bold", "x"}, "--set needs a fade-set file, not the option '--bold'"},
    };
    for (const FailureCase &failure : cases) {
        SCOPED_TRACE(failure.args[1]);
        expectFailure(runCli(failure.args), failure.mention);
    }
}

TEST(HostileInput, RunningOutOfMemoryNamesTheWork)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under a memory limit";
#else
    // An unclosed tag is held until the end, as it may yet turn into text.
    const CliSetup hugeTag{.input = "<" + std::string(96 << 20, 'a'), .dataLimit = 32 << 20};
    expectFailure(runCli({"--runs"}, hugeTag), "out of memory while rendering the coded text");
#endif
}

TEST(HostileInput, ALineCertainToFailIsNotReadToItsEnd)
{
    const struct {
        const char *name;
        std::string colours;
        CliSetup setup;
        std::string out;
        std::string mention;
    } cases[] = {
        {"too long for three colours and never ending", kRedGreenBlue,
         CliSetup{.input = "x\n" + std::string(40000, 'x'), .keepInputOpen = true},
         "<Font Color=#0000FF>x</Font>\n",
         "line 2: a text faded with 3 or more colours holds at most 32767 characters"},
        {"endless zero bytes", kRedGreenBlue, CliSetup{.inputFile = "/dev/zero"}, "",
         "line 1: a text faded with 3 or more colours holds at most 32767 characters"},
        {"invalid UTF-8 early in a line that never ends", kRedGreen,
         CliSetup{.input = "ab\xff", .keepInputOpen = true}, "",
         "line 1: the text is not valid UTF-8"},
    };
    for (const auto &line : cases) {
        SCOPED_TRACE(line.name);
        const CliResult r = runCli({"--colors", line.colours}, line.setup);
        expectFailure(r, line.mention);
        EXPECT_EQ(r.out, line.out);
    }
}

TEST(HostileInput, NonBlockingPipesAreWaitedFor)
{
    std::string lines;
    for (int i = 0; i < 4000; ++i) {
        lines += std::string(250, static_cast<char>('a' + i % 26)) + "\n";
    }
    const std::vector<std::string> runs[] = {
        {"--colors", kRedGreenBlue},
        {"--colors", kRedGreen, "--ansi"},
        {"--runs"},
    };
    for (const std::vector<std::string> &args : runs) {
        SCOPED_TRACE(args.back());
        const CliResult blocking = runCli(args, lines);
        const CliResult nonBlocking = runCli(args, CliSetup{.input = lines, .nonBlocking = true});
        EXPECT_EQ(nonBlocking.status, 0);
        EXPECT_EQ(nonBlocking.err, "");
        EXPECT_TRUE(nonBlocking.out == blocking.out);
    }
}
