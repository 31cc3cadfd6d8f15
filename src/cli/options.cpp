#include "cli/options.h"

#include "engine/contrast.h"

#include <cctype>
#include <charconv>

namespace tintara::cli
{

namespace
{

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return -1;
}

ColorValue parseHtmlColour(std::string item)
{
    const std::string shown = item;
    if (!item.empty() && item.front() == '#') {
        item.erase(0, 1);
    }
    if (item.size() != 6) {
        throw UsageError("'" + shown +
                         "' is not a colour: use six hexadecimal digits, like ff8000");
    }
    int components[3];
    for (int c = 0; c < 3; ++c) {
        const int high = hexValue(item[2 * c]);
        const int low = hexValue(item[2 * c + 1]);
        if (high < 0 || low < 0) {
            throw UsageError("'" + shown +
                             "' is not a colour: use six hexadecimal digits, like ff8000");
        }
        components[c] = high * 16 + low;
    }
    return components[0] + 256 * components[1] + 65536 * components[2];
}

// --runs renders coded text that is already made, so nothing about a fade applies.
void checkRunsOptions(const Options &options, bool coloursGiven, std::size_t operandCount)
{
    const FadeStyles &styles = options.styles;
    if (coloursGiven || styles.bold || styles.italic || styles.strike || styles.underline ||
        options.blend || options.contrastCheck) {
        throw UsageError("--runs renders coded text as it is: it takes no --colors, styles, "
                         "--blend or --check-contrast");
    }
    if (operandCount > 1) {
        throw UsageError(
            "give the coded text as one argument (quote it), or none to read standard input");
    }
}

// The value of "--name VALUE" or "--name=VALUE", or nothing when argv[i] is
// another option; i moves past a separate value.
std::optional<std::string> optionValue(const std::string &name, const std::string &needs, int argc,
                                       char **argv, int &i)
{
    const std::string arg = argv[i];
    if (arg.starts_with(name + "=")) {
        return arg.substr(name.size() + 1);
    }
    if (arg != name) {
        return std::nullopt;
    }
    if (i + 1 >= argc) {
        throw UsageError(name + " needs " + needs);
    }
    return std::string(argv[++i]);
}

// --set replaces --colors; --save-set writes the set of --colors and fades nothing.
void checkFadeSetOptions(const Options &options, bool coloursGiven, std::size_t operandCount)
{
    if (options.setFile && coloursGiven) {
        throw UsageError("--set and --colors both give the colours: use one of them");
    }
    if (options.saveSetFile && options.setFile) {
        throw UsageError("--save-set writes the colours of --colors: it takes no --set");
    }
    if ((options.setFile || options.saveSetFile) && options.runs) {
        throw UsageError("--runs renders coded text as it is: it takes no fade set");
    }
    if (options.saveSetFile && (operandCount > 0 || options.ansi || options.contrastCheck)) {
        throw UsageError("--save-set writes a fade set and fades no text");
    }
}

// "256": a whole number of at least `least`.
std::size_t parseCount(const std::string &text, std::size_t least, const std::string &mistake)
{
    std::size_t count = 0;
    const char *last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, count);
    if (text.empty() || error != std::errc() || end != last || count < least) {
        throw UsageError(mistake);
    }
    return count;
}

// The output options against each other and against what fades nothing.
void checkOutputOptions(const Options &options, bool formatGiven)
{
    const OutputOptions &output = options.output;
    const FadeStyles &styles = options.styles;
    if (output.elementTemplate && formatGiven) {
        throw UsageError("--template writes each element its own way: it takes no --format");
    }
    if (output.elementTemplate &&
        (styles.bold || styles.italic || styles.strike || styles.underline)) {
        throw UsageError("--template writes each element its own way: it takes no style options");
    }
    if (options.fit && !options.maxLength) {
        throw UsageError("--fit needs --max-length");
    }
    if (options.fit && output.step) {
        throw UsageError("--fit picks the step itself: it takes no --step");
    }
    if (options.ansi && (formatGiven || output.elementTemplate || options.maxLength)) {
        throw UsageError("--ansi shows the faded line as it looks: it takes no --format, "
                         "--template, --max-length or --fit");
    }
    if (options.contrastCheck && (output.step || options.fit)) {
        throw UsageError("--check-contrast checks the colours of the whole fade: it takes no "
                         "--step or --fit");
    }
    const bool anyOutputOption = formatGiven || output.elementTemplate || output.merge ||
                                 output.step || options.maxLength || options.fit;
    if (anyOutputOption && (options.runs || options.saveSetFile)) {
        throw UsageError(std::string(options.runs ? "--runs renders coded text as it is"
                                                  : "--save-set writes a fade set") +
                         ": it takes no --format, --template, --merge, --step, --max-length "
                         "or --fit");
    }
}

} // namespace

std::vector<ColorValue> parseColourList(const std::string &list)
{
    std::vector<ColorValue> colours;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        colours.push_back(parseHtmlColour(list.substr(start, comma - start)));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (colours.size() < kMinColors || colours.size() > kMaxColors) {
        throw UsageError("--colors takes 2 to 10 colours, not " + std::to_string(colours.size()));
    }
    return colours;
}

ContrastCheck parseContrastCheck(const std::string &text)
{
    const std::size_t colon = text.find(':');
    ContrastCheck check{parseHtmlColour(text.substr(0, colon)), kReadableRatio};
    if (colon != std::string::npos) {
        const char *first = text.data() + colon + 1;
        const char *last = text.data() + text.size();
        const auto [end, error] = std::from_chars(first, last, check.minimumRatio);
        // Contrast ratios run from 1 to 21; the comparison also turns away NaN.
        if (first == last || error != std::errc() || end != last ||
            !(check.minimumRatio >= 1 && check.minimumRatio <= 21)) {
            throw UsageError("--check-contrast takes a ratio from 1 to 21 after the colour, "
                             "like ffffff:4.5");
        }
    }
    return check;
}

Options parseOptions(int argc, char **argv)
{
    Options options;
    bool coloursGiven = false;
    bool formatGiven = false;
    std::vector<std::string> operands;
    bool onlyOperands = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (onlyOperands || arg.empty() || arg[0] != '-' || arg == "-") {
            operands.push_back(arg);
        } else if (arg == "--") {
            onlyOperands = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--bold") {
            options.styles.bold = true;
        } else if (arg == "--italic") {
            options.styles.italic = true;
        } else if (arg == "--strike") {
            options.styles.strike = true;
        } else if (arg == "--underline") {
            options.styles.underline = true;
        } else if (arg == "--runs") {
            options.runs = true;
        } else if (arg == "--ansi") {
            options.ansi = true;
        } else if (auto colours = optionValue("--colors", "a list of colours", argc, argv, i)) {
            options.colours = parseColourList(*colours);
            coloursGiven = true;
        } else if (auto file = optionValue("--set", "a fade-set file", argc, argv, i)) {
            options.setFile = *file;
        } else if (auto file = optionValue("--save-set", "a file name", argc, argv, i)) {
            options.saveSetFile = *file;
        } else if (auto name = optionValue("--blend", "rgb, oklab or oklch", argc, argv, i)) {
            options.blend = parseBlend(*name);
            if (!options.blend) {
                throw UsageError("--blend takes rgb, oklab or oklch");
            }
        } else if (auto check = optionValue("--check-contrast", "a background colour, like ffffff",
                                            argc, argv, i)) {
            options.contrastCheck = parseContrastCheck(*check);
        } else if (arg == "--merge") {
            options.output.merge = true;
        } else if (arg == "--fit") {
            options.fit = true;
        } else if (auto name = optionValue("--format", "a format name", argc, argv, i)) {
            const std::optional<OutputFormat> format = parseOutputFormat(*name);
            if (!format) {
                std::string names;
                for (const OutputFormat known : kOutputFormats) {
                    names += (names.empty() ? "" : ", ") + std::string(outputFormatName(known));
                }
                throw UsageError("--format takes " + names);
            }
            options.output.format = *format;
            formatGiven = true;
        } else if (auto text = optionValue("--template", "a template, like '{c}'", argc, argv, i)) {
            try {
                options.output.elementTemplate.emplace(*text);
            } catch (const TemplateError &error) {
                throw UsageError(std::string("--template: ") + error.what());
            }
        } else if (auto step = optionValue("--step", "a number of characters", argc, argv, i)) {
            options.output.step =
                parseCount(*step, 1, "--step takes a whole number of characters from 1 up, like 3");
        } else if (auto limit =
                       optionValue("--max-length", "a number of code points", argc, argv, i)) {
            options.maxLength =
                parseCount(*limit, 0, "--max-length takes a whole number of code points, like 256");
        } else {
            throw UsageError("unknown option '" + arg + "'");
        }
    }
    if (options.help || options.version) {
        return options;
    }
    checkFadeSetOptions(options, coloursGiven, operands.size());
    checkOutputOptions(options, formatGiven);
    if (options.runs) {
        checkRunsOptions(options, coloursGiven, operands.size());
        if (!operands.empty()) {
            options.text = operands.front();
        }
        return options;
    }
    if (!coloursGiven && !options.setFile) {
        throw UsageError("--colors is missing");
    }
    if (operands.size() > 1) {
        throw UsageError("give the text as one argument (quote it), or none to read lines");
    }
    if (!operands.empty()) {
        options.text = operands.front();
    }
    return options;
}

} // namespace tintara::cli
