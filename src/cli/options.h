#pragma once

#include "engine/blend.h"
#include "engine/fade_command.h"
#include "engine/output_format.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tintara::cli
{

// A mistake on the command line; the message says what is wrong.
class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// --check-contrast BG[:RATIO]: the background and the least contrast a
// character may have against it.
struct ContrastCheck {
    ColorValue background;
    double minimumRatio;
};

struct Options {
    bool help = false;
    bool version = false;
    std::vector<ColorValue> colours;
    FadeStyles styles;
    std::optional<std::string> text;        // absent: fade standard input line by line
    std::optional<std::string> setFile;     // take colours and styles from this fade set
    std::optional<std::string> saveSetFile; // write a fade set here instead of fading
    bool runs = false;                      // render the coded text given instead of fading
    bool ansi = false;          // show the result as a colour terminal would, not as code
    std::optional<Blend> blend; // absent: the fade set's blend, or rgb
    std::optional<ContrastCheck> contrastCheck;
    OutputOptions output;                 // its styles are left to `styles`
    std::optional<std::size_t> maxLength; // of a line's output, in code points
    bool fit = false;                     // the smallest step within maxLength, line by line
};

Options parseOptions(int argc, char **argv);

// "ff0000,#00ff00": two to ten HTML colours (red first), '#' optional, any case.
std::vector<ColorValue> parseColourList(const std::string &list);

// "ffffff" or "ffffff:4.5": an HTML colour and a ratio from 1 to 21 (4.5 when
// left out).
ContrastCheck parseContrastCheck(const std::string &text);

} // namespace tintara::cli
