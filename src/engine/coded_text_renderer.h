#pragma once

#include "engine/color.h"
#include "engine/fade_styles.h"

#include <cstdint>
#include <functional>
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
//
// The coded text may arrive in pieces, split anywhere: the shown characters are
// handed on as they are found, and only an unfinished tag (or character) is
// held back, so coded text of any length renders in little memory.
class CodedTextRenderer
{
public:
    // Receives shown characters (valid UTF-8, never empty) with their format;
    // neighbouring calls may share a format.
    using TextFn = std::function<void(std::string_view text, const TextFormat &format)>;

    explicit CodedTextRenderer(TextFn onText);

    // The next piece of the coded text.
    void feed(std::string_view piece);
    // The coded text has ended: an unfinished tag shows as plain text.
    void finish();
    // The current format; after finish, what text typed after the end gets.
    const TextFormat &format() const { return format_; }

private:
    void show(std::string_view text, bool pieceEnds);
    std::size_t takeFadeElement(std::string_view afterOpen);
    void applyTag(std::string_view tag);

    TextFn onText_;
    TextFormat format_;
    bool inTag_ = false;
    std::string tag_;   // the bytes after the "<" of an unfinished tag
    std::string cut_;   // a character cut off by the end of the last piece
    std::string shown_; // scratch: text made valid UTF-8
};

// The whole coded text at once, as runs of one format each.
RenderedText renderCodedText(std::string_view codedText);

// The value of hexadecimal text, its last 8 characters at most, added up digit
// by digit from the right in single precision. Characters other than 0-9 and
// A-F (after upper-casing) count as 0.
float hexToValue(std::u32string_view text);

} // namespace tintara
