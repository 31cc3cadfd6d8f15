#include "cli/console.h"
#include "cli/contrast_warning.h"
#include "cli/fade_set_options.h"
#include "cli/io.h"
#include "cli/options.h"
#include "cli/rendered_output.h"
#include "engine/fade_command.h"
#include "engine/file_replace.h"

#include <iostream>
#include <new>
#include <unistd.h>

namespace
{

constexpr const char *kUsage =
    R"(Usage: tintara-fade --colors C1,C2[,...,C10] [--bold] [--italic] [--strike] [--underline]
                    [--blend MODE] [--check-contrast BG[:RATIO]] [--ansi] [--] [TEXT]
       tintara-fade --runs [--ansi] [--] [CODED]
       tintara-fade --set FILE [--bold] [--italic] [--strike] [--underline]
                    [--blend MODE] [--check-contrast BG[:RATIO]] [--ansi] [--] [TEXT]
       tintara-fade --save-set FILE --colors C1,C2[,...,C10] [--bold] [--italic] [--strike] [--underline]
                    [--blend MODE]

Fades TEXT through 2 to 10 colours and prints the coded text: every character
in its own <Font Color=#RRGGBB> tag, the colours stepping along a gradient,
wrapped in <U><S><I><B> for the chosen styles.
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
                  fade set FILE (as the program's "open fade set" loads it;
                  FILE may also be a pipe, such as /dev/stdin) instead of
                  --colors; style options are added to the set's styles, and
                  --blend replaces its blend
  --save-set FILE write --colors, the styles and the blend as a fade set to
                  FILE, under exactly that name (no ".tnf" is added), and fade
                  nothing; slots past the colours are white, and the other
                  lines of an existing FILE are kept
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

A blank TEXT (empty, or spaces only) prints an empty line. A line of
standard input that is certain to fail (invalid UTF-8, or more than 32,767
characters with 3 or more colours) is reported as soon as that shows.
Errors go to standard error, and the exit status is then 2.

Examples:
  tintara-fade --colors ff0000,0000ff --bold "Hello"
  tintara-fade --save-set sunset.tnf --colors ff8000,800080 --italic
  tintara-fade --set sunset.tnf "Hello"
  tintara-fade --colors ff0000,0000ff "Hello" | tintara-fade --runs
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
// output, which gets each long line a block at a time.
class LineFader
{
public:
    LineFader(const tintara::cli::Options &options, tintara::cli::Output &out)
        : options_(options), out_(out), blend_(options.blend.value_or(tintara::Blend::Rgb)),
          opening_(tintara::openingTags(options.styles)),
          closing_(tintara::closingTags(options.styles)), closingLine_(closing_ + '\n')
    {
    }

    void fade(std::string_view text)
    {
        std::string &out = out_.buffer();
        if (tintara::isBlankLine(text)) {
            out += '\n';
        } else if (options_.ansi) {
            fadeAnsi(text);
        } else {
            // The line end goes in with the closing tags.
            tintara::appendFade(out, options_.colours, text, opening_, closingLine_, {}, blend_,
                                [this](std::string &) { out_.flushIfFull(); });
        }
    }

private:
    // The faded line shown as the renderer shows its coded text, both made a
    // block at a time.
    void fadeAnsi(std::string_view text)
    {
        tintara::cli::AnsiWriter ansi(out_.buffer());
        tintara::CodedTextRenderer renderer(
            [&ansi](std::string_view shown, const tintara::TextFormat &format) {
                ansi.add(shown, format);
            });
        coded_.clear();
        tintara::appendFade(coded_, options_.colours, text, opening_, closing_, {}, blend_,
                            [&](std::string &block) {
                                renderer.feed(block);
                                block.clear();
                                out_.flushIfFull();
                            });
        renderer.feed(coded_);
        renderer.finish();
        ansi.finish();
        out_.buffer() += '\n';
    }

    const tintara::cli::Options &options_;
    tintara::cli::Output &out_;
    tintara::Blend blend_;
    std::string opening_;
    std::string closing_;
    std::string closingLine_;
    std::string coded_;
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

// Renders the coded text argument, or all of standard input less one final
// line end, as it arrives.
template <typename Writer>
void render(const tintara::cli::Options &options, tintara::cli::Output &out, Writer &writer)
{
    tintara::CodedTextRenderer renderer(
        [&](std::string_view text, const tintara::TextFormat &format) {
            writer.add(text, format);
            out.flushIfFull();
        });
    const auto feed = [&renderer](std::string_view piece) { renderer.feed(piece); };
    if (options.text) {
        feed(*options.text);
    } else {
        tintara::cli::forEachPieceLessFinalLineEnd(STDIN_FILENO, feed);
    }
    renderer.finish();
    writer.finish();
}

int printRendered(const tintara::cli::Options &options)
{
    using namespace tintara::cli;
    try {
        Output out(STDOUT_FILENO);
        if (options.ansi) {
            AnsiWriter ansi(out.buffer());
            render(options, out, ansi);
            out.buffer() += '\n';
        } else {
            RunsJsonWriter json(out.buffer());
            render(options, out, json);
        }
        out.flush();
    } catch (const IoError &error) {
        return fail(error.what());
    } catch (const std::bad_alloc &) {
        return fail("out of memory while rendering the coded text");
    }
    return 0;
}

int fadeAll(const tintara::cli::Options &options)
{
    using namespace tintara::cli;
    Output out(STDOUT_FILENO);
    LineFader fader(options, out);
    tintara::FadeTextCheck check(options.colours.size());
    std::size_t linesDone = 0;
    const auto where = [&] {
        return options.text ? std::string() : "line " + std::to_string(linesDone + 1) + ": ";
    };
    bool contrastFellShort = false;
    const auto fadeAndCheck = [&](std::string_view line) {
        fader.fade(line);
        const std::size_t lineNumber = options.text ? 0 : linesDone + 1;
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
                    fadeAndCheck(line);
                    ++linesDone;
                    check.restart();
                    out.flushIfFull();
                },
                [&check](std::string_view partialLine) { check.checkStart(partialLine); },
                [&out] { out.flush(); });
        }
        out.flush();
    } catch (const tintara::FadeError &error) {
        try {
            out.flush(); // the lines before the faulty one
        } catch (const IoError &writeError) {
            return fail(writeError.what());
        }
        return fail(where() + error.what());
    } catch (const IoError &error) {
        return fail(error.what());
    } catch (const std::bad_alloc &) {
        return fail(where() + "out of memory while fading");
    }
    return contrastFellShort ? 1 : 0;
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
    if (options.ansi) {
        enableTerminalEscapes();
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
    return fadeAll(options);
}

} // namespace

int main(int argc, char **argv)
{
    try {
        std::vector<std::string> args = tintara::cli::prepareConsole(argc, argv);
        std::vector<char *> utf8Argv;
        for (std::string &arg : args) {
            utf8Argv.push_back(arg.data());
        }
        utf8Argv.push_back(nullptr);
        return run(static_cast<int>(args.size()), utf8Argv.data());
    } catch (const std::bad_alloc &) {
        return fail("out of memory");
    }
}
