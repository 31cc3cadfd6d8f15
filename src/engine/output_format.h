#pragma once

#include "engine/blend.h"
#include "engine/color.h"
#include "engine/fade_command.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tintara
{

// The ways a fade can be written out, for the places people paste it into.
// Every format holds the same elements in the same colours as the coded text
// (Font); only the writing differs.
enum class OutputFormat {
    Font,        // <Font Color=#RRGGBB>c</Font>, the coded text
    Span,        // <span style="color:#rrggbb">c</span>, HTML-escaped
    BBCode,      // [color=#rrggbb]c[/color]
    MiniMessage, // <#rrggbb>c, for Minecraft servers
    Legacy,      // &#rrggbb and the & style codes before each element
    Section,     // §x§r§r§g§g§b§b and the § style codes before each element
    Ansi,        // 24-bit terminal colours, controls shown as visible symbols
};

inline constexpr std::array kOutputFormats{
    OutputFormat::Font,   OutputFormat::Span,    OutputFormat::BBCode, OutputFormat::MiniMessage,
    OutputFormat::Legacy, OutputFormat::Section, OutputFormat::Ansi};

// "font", "span", "bbcode", "minimessage", "legacy", "section" or "ansi".
std::string_view outputFormatName(OutputFormat format);

// The format of exactly that name (lower case, as outputFormatName writes it).
std::optional<OutputFormat> parseOutputFormat(std::string_view name);

// What a format writes around the elements of a line for the ticked styles.
std::string lineOpening(OutputFormat format, const FadeStyles &styles);
std::string lineClosing(OutputFormat format, const FadeStyles &styles);

// One part of how an element is written.
struct ElementPiece {
    enum class Kind {
        Literal,    // `literal` as it is
        Element,    // the element's text, escaped as the format asks
        LowerHex,   // rrggbb
        UpperHex,   // RRGGBB
        SectionHex, // §r§r§g§g§b§b
        Red,        // decimal
        Green,
        Blue,
    };
    Kind kind;
    std::string literal;

    friend bool operator==(const ElementPiece &, const ElementPiece &) = default;
};

// A template that is not well formed; the message says what is wrong.
class TemplateError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Each element written through a template of the user's: {c} is the element,
// {hex} and {HEX} its colour as rrggbb and RRGGBB, {r}, {g} and {b} its
// components in decimal; {{ and }} are literal braces.
class ElementTemplate
{
public:
    // Throws TemplateError for any other {...}, a brace standing alone, or
    // text that is not UTF-8.
    explicit ElementTemplate(std::string_view text);

    const std::vector<ElementPiece> &pieces() const { return pieces_; }

private:
    std::vector<ElementPiece> pieces_;
};

struct OutputOptions {
    OutputFormat format = OutputFormat::Font;
    // Writes each element through this instead of the format; it takes no styles.
    std::optional<ElementTemplate> elementTemplate;
    FadeStyles styles;
    // Neighbouring elements of one colour are written as one holding all their text.
    bool merge = false;
    // Every `step` elements (1 or more) share the colour of the last of them,
    // the last group perhaps shorter: element j takes the colour of element
    // min(ceil(j / step) * step, length), so the line still ends on the last
    // colour. A step merges.
    std::optional<std::size_t> step;
};

// Appends the fade of `text` through `colours` as `options` ask, then
// `lineEnd`. The default options give appendFade's coded text, byte for byte
// and as fast. Throws FadeError as fadeElementCount does, for a step of 0, and
// for styles given with a template.
void appendFormattedFade(std::string &out, std::span<const ColorValue> colours,
                         std::string_view text, Blend blend, const OutputOptions &options,
                         std::string_view lineEnd = {});

std::string formatFade(std::span<const ColorValue> colours, std::string_view text, Blend blend,
                       const OutputOptions &options);

// The length of formatFade's result in code points, worked out without
// writing it. Throws as appendFormattedFade does.
std::size_t formattedLength(std::span<const ColorValue> colours, std::string_view text, Blend blend,
                            const OutputOptions &options);

struct LengthFit {
    bool fits;
    std::size_t step;   // the smallest that fits, or the number of elements when none does
    std::size_t length; // of the output with that step, in code points
};

// The smallest step, from 1 up to the number of elements, with which the
// output holds at most maxLength code points; options.step is not looked at.
// Throws as appendFormattedFade does.
LengthFit fitToLength(std::span<const ColorValue> colours, std::string_view text, Blend blend,
                      const OutputOptions &options, std::size_t maxLength);

// Appends valid UTF-8 text with its C0 controls but tab and line feed shown as
// their control pictures (ESC as U+241B), DEL as U+2421 and C1 controls, which
// some terminals obey, as U+FFFD, so that the text cannot drive a terminal.
void appendTerminalSafe(std::string &out, std::string_view text);

} // namespace tintara
