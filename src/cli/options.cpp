#include "cli/options.h"

#include "engine/color.h"
#include "engine/contrast.h"
#include "engine/safely_quoted.h"

#include <charconv>

namespace tintara::cli
{

namespace
{

ColorValue parseHtmlColour(std::string item)
{
    const std::string shown = safelyQuoted(item);
    const auto notAColour = [&shown] {
        return UsageError(shown + " is not a colour: use six hexadecimal digits, like ff8000");
    };
    if (!item.empty() && item.front() == '#') {
        item.erase(0, 1);
    }
    if (item.size() != 6) {
        throw notAColour();
    }
    int components[3];
    for (int c = 0; c < 3; ++c) {
        const std::optional<int> high = hexDigitValue(item[2 * c]);
        const std::optional<int> low = hexDigitValue(item[2 * c + 1]);
        if (!high || !low) {
            throw notAColour();
        }
        components[c] = *high * 16 + *low;
    }
    return components[0] + 256 * components[1] + 65536 * components[2];
}

// --runs renders coded text that is already made, so nothing about a fade applies.
void checkRunsOptions(const Options &options, bool coloursGiven, std::size_t operandCount)
{
    if (coloursGiven || options.styles != FadeStyles{} || options.blend || options.contrastCheck) {
        throw UsageError("--runs renders coded text as it is: it takes no --colors, styles, "
                         "--blend or --check-contrast");
    }
    if (operandCount > 1) {
        throw UsageError(
            "give the coded text as one argument (quote it), or none to read standard input");
    }
}

// The value of "--name VALUE" or "--name=VALUE", or nothing when argv[i] is
// another option; i moves past a separate value. A separate value that looks
// like an option is taken for a forgotten value, not for a name.
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
    const std::string value = argv[++i];
    if (value.size() > 1 && value.front() == '-') {
        throw UsageError(name + " needs " + needs + ", not the option " + safelyQuoted(value) +
                         " (for a value that starts with '-', write " + name + "=VALUE)");
    }
    return value;
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
        } else {
            throw UsageError("unknown option " + safelyQuoted(arg));
        }
    }
    if (options.help || options.version) {
        return options;
    }
    checkFadeSetOptions(options, coloursGiven, operands.size());
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
