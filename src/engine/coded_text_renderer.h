#pragma once

#include "engine/color.h"
#include "engine/fade_styles.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintara
{

// The format of one rendered character.
struct TextFormat {
    std::string font = "Arial";
    int sizePoints = 10;
    FadeStyles styles;
    ColorValue color = 0; // black

    friend bool operator==(const TextFormat &, const TextFormat &) = default;
};

// Adjacent characters (UTF-8) that share one format.
struct FormattedRun {
    std::string text;
    TextFormat format;

    friend bool operator==(const FormattedRun &, const FormattedRun &) = default;
};

struct RenderedText {
    std::vector<FormattedRun> runs; // adjacent runs always differ in format
    TextFormat insertionFormat;     // what text typed after the last character gets
};

// Turns coded text back into formatted characters, the way the preview box is
// filled: characters outside tags take the current format; the tags <b> <i>
// <u> <s> and their closers, <font color=#rrggbb> and <font face="name">
// (compared without regard to case) change it; every other tag is dropped, and
// nothing undoes a colour or font. A "<" without a ">" after it starts plain
// text up to the end. A font-face tag without double quotes takes its name from
// after the "=" (in single quotes, or up to the next space). Invalid UTF-8 shows
// as U+FFFD. The work is linear in the length of the text.
RenderedText renderCodedText(std::string_view codedText);

// The value of hexadecimal text, its last 8 characters at most, added up digit
// by digit from the right in single precision. Characters other than 0-9, A-F
// and a-f count as 0.
float hexToValue(std::u32string_view text);

} // namespace tintara
