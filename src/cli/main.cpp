#include "cli/contrast_warning.h"
#include "cli/fade_set_options.h"
#include "cli/formatted_line.h"
#include "cli/io.h"
#include "cli/options.h"
#include "cli/rendered_output.h"
#include "engine/fade_command.h"
#include "engine/file_replace.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace
{

constexpr const char *kUsage =
    R"(Usage: tintara-fade --colors C1,C2[,...,C10] [--bold] [--italic] [--strike] [--underline]
                    [--blend MODE] [--check-contrast BG[:RATIO]] [OUTPUT] [--ansi] [--] [TEXT]
       tintara-fade --runs [--ansi] [--] [CODED]
       tintara-fade --set FILE [--bold] [--italic] [--strike] [--underline]
                    [--blend MODE] [--check-contrast BG[:RATIO]] [OUTPUT] [--ansi] [--] [TEXT]
       tintara-fade --save-set FILE --colors C1,C2[,...,C10] [--bold] [--italic] [--strike] [--underline]
                    [--blend MODE]
OUTPUT: [--format NAME | --template T] [--merge] [--step K] [--max-length N [--fit]]

Fades TEXT through 2 to 10 colours and prints the coded text: every character
in its own <Font Color=#RRGGBB> tag, the colours stepping along a gradient,
wrapped in <U><S><I><B> for the chosen styles. A character is what a reader
sees as one: a flag, an emoji with its skin tone or a letter with its accents.
Without TEXT, fades each line of standard input and prints one line for each.

  --colors LIST   2 to 10 colours, comma-separated; each is six hexadecimal
                  digits, red first as in HTML (ff0000 is red), '#' optional
  --bold, --italic, --strike, --underline
                  wrap the faded line in these style tags
  --blend MODE    how the colours between two of the list are mixed: rgb (the
                  default) steps red, green and blue; oklab and oklch mix in
                  the perceptual OkLab space, oklch by lightness, chroma and
                  hue, so red to green does not pass through brown
  --check-contrast BG[:RATIO]
                  check every character's colour against the background BG
                  (like --colors, e.g. ffffff) by the WCAG 2 contrast ratio;
                  for each line with characters under RATIO (default 4.5),
                  warn on standard error, and exit with status 1
  --set FILE      fade with the colour count, colours, styles and blend of the
                  fade set FILE (as the program's "open fade set" loads it)
                  instead of --colors; style options are added to the set's
                  styles, and --blend replaces its blend
  --save-set FILE write --colors, the styles and the blend as a fade set to
                  FILE, under exactly that name (no ".tnf" is added), and fade
                  nothing; slots past the colours are white, and the other
                  lines of an existing FILE are kept
  --format NAME   write the fade as NAME instead: font (the default), span
                  (HTML), bbcode, minimessage, legacy (&#rrggbb), section
                  (§x§r§r...) or ansi (terminal colours); each holds the
                  same characters in the same colours
  --template T    write each character through the template T: {c} is the
                  character, {hex} and {HEX} its colour as rrggbb and RRGGBB,
                  {r}, {g} and {b} in decimal, {{ and }} braces; no styles
  --merge         write neighbouring characters of one colour as one
  --step K        give every K characters the colour of the last of them, so
                  the line still ends on the last colour; implies --merge
  --max-length N  a line whose output is longer than N code points (without
                  its line end) is an error; the lines before it are written
  --fit           with --max-length, give each line the smallest --step whose
                  output fits
  --ansi          show each faded line as it looks, on a terminal with 24-bit
                  colour, instead of its coded text
  --runs          render the coded text CODED (without it, all of standard
                  input less one final line end) and print its formatted runs
                  as JSON Lines, one run of same-format characters per line:
                  {"text":"Hi","font":"Arial","size":10,"bold":false,"italic":false,
                   "underline":false,"strike":false,"color":"#FF8000"}
                  (colours upper-case, red first); with --ansi, show it instead
  --help          show this help
  --version       show the version

A blank TEXT (empty, or spaces only) prints an empty line.
Errors go to standard error, and the exit status is then 2.

Examples:
  tintara-fade --colors ff0000,0000ff --bold "Hello"
  tintara-fade --colors ff0000,00ff00 --blend oklch --check-contrast ffffff "Hello"
  tintara-fade --save-set sunset.tnf --colors ff8000,800080 --italic
  tintara-fade --set sunset.tnf "Hello"
  tintara-fade --colors ff0000,0000ff "Hello" | tintara-fade --runs
  tintara-fade --colors ff5555,5555ff --format minimessage --max-length 256 --fit "Hello"
)";

void warn(const std::string &message)
{
    std::cerr << "tintara-fade: " << message << '\n';
}

int fail(const std::string &message)
{
    warn(message);
    return 2;
}

// Fades line after line with the same colours and styles, straight into the
// output buffer.
class LineFader
{
public:
    explicit LineFader(const tintara::cli::Options &options)
        : options_(options), blend_(options.blend.value_or(tintara::Blend::Rgb)),
          output_(options.output)
    {
        output_.styles = options.styles;
    }

    void append(std::string &out, std::string_view text) const
    {
        if (tintara::isBlankLine(text)) {
            out += '\n';
        } else if (options_.ansi) {
            const std::string coded = tintara::formatFade(options_.colours, text, blend_, output_);
            tintara::cli::appendAnsi(out, tintara::renderCodedText(coded));
            out += '\n';
        } else {
            tintara::cli::appendFormattedLine(out, options_, output_, blend_, text);
        }
    }

private:
    const tintara::cli::Options &options_;
    tintara::Blend blend_;
    tintara::OutputOptions output_;
};

int print(std::string_view text)
{
    try {
        tintara::cli::Output out(STDOUT_FILENO);
        out.buffer() += text;
        out.flush();
    } catch (const tintara::cli::IoError &error) {
        return fail(error.what());
    }
    return 0;
}

// The coded text argument, or all of standard input less one final line end.
std::string codedInput(const tintara::cli::Options &options)
{
    if (options.text) {
        return *options.text;
    }
    std::string input = tintara::cli::readAll(STDIN_FILENO);
    if (input.ends_with('\n')) {
        input.pop_back();
        if (input.ends_with('\r')) {
            input.pop_back();
        }
    }
    return input;
}

int printRendered(const tintara::cli::Options &options)
{
    using namespace tintara::cli;
    try {
        const tintara::RenderedText rendered = tintara::renderCodedText(codedInput(options));
        Output out(STDOUT_FILENO);
        if (options.ansi) {
            appendAnsi(out.buffer(), rendered);
            out.buffer() += '\n';
        } else {
            appendRunsJson(out.buffer(), rendered);
        }
        out.flush();
    } catch (const IoError &error) {
        return fail(error.what());
    }
    return 0;
}

int run(int argc, char **argv)
{
    using namespace tintara::cli;
    Options options;
    try {
        options = parseOptions(argc, argv);
    } catch (const UsageError &error) {
        return fail(std::string(error.what()) +
                    "\nTry 'tintara-fade --help' for more information.");
    }
    if (options.help) {
        return print(kUsage);
    }
    if (options.version) {
        return print(std::string("tintara-fade ") + TINTARA_VERSION + '\n');
    }
    if (options.runs) {
        return printRendered(options);
    }

    try {
        if (options.setFile) {
            useFadeSet(options, *options.setFile);
        }
        if (options.saveSetFile) {
            saveFadeSet(options, *options.saveSetFile);
            return 0;
        }
    } catch (const tintara::FileError &error) {
        return fail(error.what());
    }

    Output out(STDOUT_FILENO);
    const LineFader fader(options);
    std::size_t lineNumber = 0;
    bool contrastFellShort = false;
    const auto fadeAndCheck = [&](std::string_view line) {
        fader.append(out.buffer(), line);
        if (const auto warning = contrastWarning(options, line, lineNumber)) {
            out.flush(); // the warning follows its line on a terminal
            warn(*warning);
            contrastFellShort = true;
        }
    };
    try {
        if (options.text) {
            fadeAndCheck(*options.text);
        } else {
            forEachLine(
                STDIN_FILENO,
                [&](std::string_view line) {
                    ++lineNumber;
                    fadeAndCheck(line);
                    out.flushIfFull();
                },
                [&] { out.flush(); });
        }
        out.flush();
    } catch (const tintara::FadeError &error) {
        try {
            out.flush(); // the lines before the faulty one
        } catch (const IoError &writeError) {
            return fail(writeError.what());
        }
        if (lineNumber > 0) {
            return fail("line " + std::to_string(lineNumber) + ": " + error.what());
        }
        return fail(error.what());
    } catch (const IoError &error) {
        return fail(error.what());
    }
    return contrastFellShort ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc &) {
        return fail("out of memory: the input is too large to fade");
    }
}
