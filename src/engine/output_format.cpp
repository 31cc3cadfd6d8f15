#include "engine/output_format.h"

#include "engine/fade.h"
#include "engine/graphemes.h"
#include "engine/utf8.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace tintara
{

namespace
{

using Kind = ElementPiece::Kind;

// How a format escapes an element's text: a replacement for each ASCII byte
// that needs one and, for terminals, U+FFFD for the C1 controls.
struct Escaping {
    std::array<std::string_view, 128> ascii{};
    bool c1 = false;
    std::size_t maxGrowth = 1; // the most bytes written for one byte of text
};

constexpr std::string_view kReplacementCharacterUtf8 = "\xEF\xBF\xBD";

// U+2400..U+241F, the pictures of the C0 controls.
constexpr std::array<std::array<char, 3>, 32> kControlPictures = [] {
    std::array<std::array<char, 3>, 32> pictures{};
    for (int c = 0; c < 32; ++c) {
        pictures[c] = {'\xE2', '\x90', static_cast<char>(0x80 + c)};
    }
    return pictures;
}();

constexpr Escaping kHtmlEscaping = [] {
    Escaping e;
    e.ascii['&'] = "&amp;";
    e.ascii['<'] = "&lt;";
    e.ascii['>'] = "&gt;";
    e.ascii['"'] = "&quot;";
    e.maxGrowth = 6;
    return e;
}();

constexpr Escaping kMiniMessageEscaping = [] {
    Escaping e;
    e.ascii['\\'] = "\\\\";
    e.ascii['<'] = "\\<";
    e.maxGrowth = 2;
    return e;
}();

constexpr Escaping kTerminalEscaping = [] {
    Escaping e;
    for (std::size_t c = 0; c < kControlPictures.size(); ++c) {
        if (c != '\t' && c != '\n') {
            e.ascii[c] = std::string_view(kControlPictures[c].data(), 3);
        }
    }
    e.ascii[0x7F] = "\xE2\x90\xA1"; // U+2421, the picture of DEL
    e.c1 = true;
    e.maxGrowth = 3;
    return e;
}();

// Everything that sets one format apart but its element pieces.
struct FormatRules {
    std::string_view name;
    // Underline, strike, italic, bold: opened before the line, outermost
    // first, and closed after it in mirror order.
    std::array<std::string_view, 4> open;
    std::array<std::string_view, 4> close;
    std::string_view reset; // after the line, whatever the styles
    // The same styles for formats whose styles end at each colour: written
    // after every colour, in mirror order (bold first).
    std::array<std::string_view, 4> afterColour;
    const Escaping *escaping; // none: the text goes out as it is
};

// In the order of OutputFormat.
constexpr FormatRules kRules[] = {
    {"font", {"<U>", "<S>", "<I>", "<B>"}, {"</U>", "</S>", "</I>", "</B>"}, {}, {}, nullptr},
    {"span",
     {"<u>", "<s>", "<i>", "<b>"},
     {"</u>", "</s>", "</i>", "</b>"},
     {},
     {},
     &kHtmlEscaping},
    {"bbcode", {"[u]", "[s]", "[i]", "[b]"}, {"[/u]", "[/s]", "[/i]", "[/b]"}, {}, {}, nullptr},
    {"minimessage", {"<u>", "<st>", "<i>", "<b>"}, {}, {}, {}, &kMiniMessageEscaping},
    {"legacy", {}, {}, {}, {"&n", "&m", "&o", "&l"}, nullptr},
    {"section", {}, {}, {}, {"\xC2\xA7n", "\xC2\xA7m", "\xC2\xA7o", "\xC2\xA7l"}, nullptr},
    {"ansi", {"\x1b[4m", "\x1b[9m", "\x1b[3m", "\x1b[1m"}, {}, "\x1b[0m", {}, &kTerminalEscaping},
};
static_assert(std::size(kRules) == kOutputFormats.size());

const FormatRules &rulesOf(OutputFormat format)
{
    return kRules[static_cast<std::size_t>(format)];
}

// Underline, strike, italic, bold, as the tables hold them.
std::array<bool, 4> tickedStyles(const FadeStyles &styles)
{
    return {styles.underline, styles.strike, styles.italic, styles.bold};
}

std::string outermostFirst(const std::array<std::string_view, 4> &codes, const FadeStyles &styles)
{
    const std::array<bool, 4> ticked = tickedStyles(styles);
    std::string text;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (ticked[i]) {
            text += codes[i];
        }
    }
    return text;
}

std::string innermostFirst(const std::array<std::string_view, 4> &codes, const FadeStyles &styles)
{
    const std::array<bool, 4> ticked = tickedStyles(styles);
    std::string text;
    for (std::size_t i = codes.size(); i-- > 0;) {
        if (ticked[i]) {
            text += codes[i];
        }
    }
    return text;
}

ElementPiece literal(std::string text)
{
    return {Kind::Literal, std::move(text)};
}

ElementPiece placeholder(Kind kind)
{
    return {kind, {}};
}

std::vector<ElementPiece> formatPieces(OutputFormat format, const FadeStyles &styles)
{
    const ElementPiece element = placeholder(Kind::Element);
    const ElementPiece lowerHex = placeholder(Kind::LowerHex);
    const std::string afterColour = innermostFirst(rulesOf(format).afterColour, styles);
    switch (format) {
    case OutputFormat::Font:
        return {literal("<Font Color=#"), placeholder(Kind::UpperHex), literal(">"), element,
                literal("</Font>")};
    case OutputFormat::Span:
        return {literal("<span style=\"color:#"), lowerHex, literal("\">"), element,
                literal("</span>")};
    case OutputFormat::BBCode:
        return {literal("[color=#"), lowerHex, literal("]"), element, literal("[/color]")};
    case OutputFormat::MiniMessage:
        return {literal("<#"), lowerHex, literal(">"), element};
    case OutputFormat::Legacy:
        return {literal("&#"), lowerHex, literal(afterColour), element};
    case OutputFormat::Section:
        return {literal("\xC2\xA7x"), placeholder(Kind::SectionHex), literal(afterColour), element};
    case OutputFormat::Ansi:
        return {
            literal("\x1b[38;2;"), placeholder(Kind::Red),  literal(";"), placeholder(Kind::Green),
            literal(";"),          placeholder(Kind::Blue), literal("m"), element};
    }
    return {};
}

bool anyStyle(const FadeStyles &styles)
{
    return styles.bold || styles.italic || styles.strike || styles.underline;
}

// How the elements of one line are written, and what that costs per run.
struct Layout {
    std::vector<ElementPiece> pieces;
    const Escaping *escaping = nullptr;
    std::string opening;
    std::string closing;
    std::size_t fixedBytes = 0;      // of the pieces but the elements, decimals at their widest
    std::size_t fixedCodePoints = 0; // of the pieces but the elements and decimals
    std::size_t elementPieces = 0;
    std::array<std::size_t, 3> decimalPieces{}; // red, green, blue
};

Layout layoutOf(const OutputOptions &options)
{
    Layout layout;
    if (options.step && *options.step == 0) {
        throw FadeError("a step holds 1 element or more");
    }
    if (options.elementTemplate) {
        if (anyStyle(options.styles)) {
            throw FadeError("a template takes no styles");
        }
        layout.pieces = options.elementTemplate->pieces();
    } else {
        layout.pieces = formatPieces(options.format, options.styles);
        layout.escaping = rulesOf(options.format).escaping;
        layout.opening = lineOpening(options.format, options.styles);
        layout.closing = lineClosing(options.format, options.styles);
    }
    for (const ElementPiece &piece : layout.pieces) {
        switch (piece.kind) {
        case Kind::Literal:
            layout.fixedBytes += piece.literal.size();
            layout.fixedCodePoints += utf8Length(piece.literal).value_or(0);
            break;
        case Kind::Element:
            ++layout.elementPieces;
            break;
        case Kind::LowerHex:
        case Kind::UpperHex:
            layout.fixedBytes += 6;
            layout.fixedCodePoints += 6;
            break;
        case Kind::SectionHex:
            layout.fixedBytes += 18;
            layout.fixedCodePoints += 12;
            break;
        case Kind::Red:
        case Kind::Green:
        case Kind::Blue:
            layout.fixedBytes += 3;
            ++layout.decimalPieces[static_cast<std::size_t>(piece.kind) -
                                   static_cast<std::size_t>(Kind::Red)];
            break;
        }
    }
    return layout;
}

char *copyText(char *to, std::string_view text)
{
    if (!text.empty()) { // an empty view may hold a null pointer
        std::memcpy(to, text.data(), text.size());
    }
    return to + text.size();
}

char *writeEscaped(char *to, std::string_view text, const Escaping *escaping)
{
    if (!escaping) {
        return copyText(to, text);
    }
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80 && !escaping->ascii[byte].empty()) {
            to = copyText(to, escaping->ascii[byte]);
        } else if (escaping->c1 && byte == 0xC2 && i + 1 < size &&
                   static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            to = copyText(to, kReplacementCharacterUtf8); // U+0080..U+009F
            ++i;
        } else {
            *to++ = text[i];
        }
    }
    return to;
}

// Writes one run, the text of one or more elements in one colour.
char *writeRun(char *to, const Layout &layout, ColorValue colour, std::string_view text)
{
    const std::array<int, 3> components{colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
    const auto hex = [&to, &components](const std::array<std::array<char, 2>, 256> &pairs) {
        for (const int component : components) {
            std::memcpy(to, pairs[component].data(), 2);
            to += 2;
        }
    };
    for (const ElementPiece &piece : layout.pieces) {
        switch (piece.kind) {
        case Kind::Literal:
            to = copyText(to, piece.literal);
            break;
        case Kind::Element:
            to = writeEscaped(to, text, layout.escaping);
            break;
        case Kind::LowerHex:
            hex(kLowerHexPairs);
            break;
        case Kind::UpperHex:
            hex(kUpperHexPairs);
            break;
        case Kind::SectionHex:
            for (const int component : components) {
                for (const char digit : kLowerHexPairs[component]) {
                    to = copyText(to, "\xC2\xA7");
                    *to++ = digit;
                }
            }
            break;
        case Kind::Red:
        case Kind::Green:
        case Kind::Blue:
            to = std::to_chars(to, to + 3,
                               components[static_cast<std::size_t>(piece.kind) -
                                          static_cast<std::size_t>(Kind::Red)])
                     .ptr;
            break;
        }
    }
    return to;
}

std::size_t decimalDigits(int value)
{
    return value < 10 ? 1 : value < 100 ? 2 : 3;
}

std::size_t runCodePoints(const Layout &layout, ColorValue colour)
{
    return layout.fixedCodePoints + layout.decimalPieces[0] * decimalDigits(colour & 0xFF) +
           layout.decimalPieces[1] * decimalDigits((colour >> 8) & 0xFF) +
           layout.decimalPieces[2] * decimalDigits((colour >> 16) & 0xFF);
}

// Calls onRun(lastElement, colour) for each run that is written as one
// element, in text order: the groups of `step` elements in the colour of their
// last, neighbours of one colour joined when merging.
template <typename OnRun>
void forEachRun(const ElementColours &colours, std::size_t step, bool merge, OnRun onRun)
{
    const std::size_t length = colours.length();
    std::size_t runLast = 0; // none yet
    ColorValue runColour = 0;
    for (std::size_t groupLast = 0; groupLast < length;) {
        groupLast += std::min(step, length - groupLast);
        const ColorValue colour = colours.at(groupLast);
        if (runLast != 0 && merge && colour == runColour) {
            runLast = groupLast;
            continue;
        }
        if (runLast != 0) {
            onRun(runLast, runColour);
        }
        runLast = groupLast;
        runColour = colour;
    }
    if (runLast != 0) {
        onRun(runLast, runColour);
    }
}

// Writes into a string through a raw cursor, making room as it goes.
class Cursor
{
public:
    Cursor(std::string &out, std::size_t expected)
        : out_(out), start_(out.size()), used_(out.size())
    {
        out_.resize(start_ + expected);
    }

    char *room(std::size_t bytes)
    {
        if (out_.size() - used_ < bytes) {
            // At least double what this line holds, so that growing stays linear.
            out_.resize(used_ + std::max(bytes, used_ - start_));
        }
        return out_.data() + used_;
    }

    void movedTo(char *end) { used_ = static_cast<std::size_t>(end - out_.data()); }
    void finish() { out_.resize(used_); }

private:
    std::string &out_;
    std::size_t start_;
    std::size_t used_;
};

// A line's length in code points for any step, from what does not depend on
// the step (worked out once) and the runs.
class LengthMeasure
{
public:
    LengthMeasure(std::span<const ColorValue> colours, std::string_view text, Blend blend,
                  const OutputOptions &options)
        : layout_(layoutOf(options)), colours_(colours, fadeElementCount(colours, text), blend),
          merge_(options.merge)
    {
        std::string escaped(text.size() * (layout_.escaping ? layout_.escaping->maxGrowth : 1),
                            '\0');
        escaped.resize(static_cast<std::size_t>(
            writeEscaped(escaped.data(), text, layout_.escaping) - escaped.data()));
        stepless_ = utf8Length(layout_.opening).value_or(0) +
                    utf8Length(layout_.closing).value_or(0) +
                    layout_.elementPieces * utf8Length(escaped).value_or(0);
    }

    std::size_t elementCount() const { return colours_.length(); }

    std::size_t length(std::optional<std::size_t> step) const
    {
        std::size_t total = stepless_;
        forEachRun(colours_, step.value_or(1), merge_ || step, [&](std::size_t, ColorValue colour) {
            total += runCodePoints(layout_, colour);
        });
        return total;
    }

    // No step gives less: the text, and one run with the shortest decimals.
    std::size_t least() const
    {
        return elementCount() == 0 ? stepless_ : stepless_ + runCodePoints(layout_, 0);
    }

private:
    Layout layout_;
    ElementColours colours_;
    bool merge_;
    std::size_t stepless_;
};

} // namespace

std::string_view outputFormatName(OutputFormat format)
{
    return rulesOf(format).name;
}

std::optional<OutputFormat> parseOutputFormat(std::string_view name)
{
    for (const OutputFormat format : kOutputFormats) {
        if (outputFormatName(format) == name) {
            return format;
        }
    }
    return std::nullopt;
}

std::string lineOpening(OutputFormat format, const FadeStyles &styles)
{
    return outermostFirst(rulesOf(format).open, styles);
}

std::string lineClosing(OutputFormat format, const FadeStyles &styles)
{
    return innermostFirst(rulesOf(format).close, styles) + std::string(rulesOf(format).reset);
}

ElementTemplate::ElementTemplate(std::string_view text)
{
    if (!utf8Length(text)) {
        throw TemplateError("the template is not valid UTF-8");
    }
    static constexpr struct {
        std::string_view name;
        Kind kind;
    } kPlaceholders[] = {{"c", Kind::Element}, {"hex", Kind::LowerHex}, {"HEX", Kind::UpperHex},
                         {"r", Kind::Red},     {"g", Kind::Green},      {"b", Kind::Blue}};
    std::string plain;
    const auto endPlain = [&] {
        if (!plain.empty()) {
            pieces_.push_back(literal(std::move(plain)));
            plain.clear();
        }
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
            plain += c;
            ++i;
        } else if (c == '}') {
            throw TemplateError("a '}' stands alone in the template: write '}}' for a brace");
        } else if (c != '{') {
            plain += c;
        } else {
            const std::size_t close = text.find('}', i);
            if (close == std::string_view::npos) {
                throw TemplateError("a '{' in the template is never closed: write '{{' for a "
                                    "brace");
            }
            const std::string_view name = text.substr(i + 1, close - i - 1);
            const auto known = std::find_if(std::begin(kPlaceholders), std::end(kPlaceholders),
                                            [&](const auto &p) { return p.name == name; });
            if (known == std::end(kPlaceholders)) {
                // The name is shown only when it cannot upset a terminal.
                const bool plainName =
                    name.size() <= 16 && std::all_of(name.begin(), name.end(), [](char n) {
                        return (n >= 'a' && n <= 'z') || (n >= 'A' && n <= 'Z') ||
                               (n >= '0' && n <= '9') || n == '_';
                    });
                throw TemplateError(
                    (plainName ? "the template names {" + std::string(name) + "}"
                               : std::string("the template names an unknown placeholder")) +
                    ": it knows {c}, {hex}, {HEX}, {r}, {g} and {b}");
            }
            endPlain();
            pieces_.push_back(placeholder(known->kind));
            i = close;
        }
    }
    endPlain();
}

void appendFormattedFade(std::string &out, std::span<const ColorValue> colours,
                         std::string_view text, Blend blend, const OutputOptions &options,
                         std::string_view lineEnd)
{
    const bool merge = options.merge || options.step;
    if (options.format == OutputFormat::Font && !options.elementTemplate && !merge) {
        // The coded text keeps its own, faster writer.
        appendFade(out, colours, text, lineOpening(OutputFormat::Font, options.styles),
                   lineClosing(OutputFormat::Font, options.styles) + std::string(lineEnd), {},
                   blend);
        return;
    }
    const Layout layout = layoutOf(options);
    const std::size_t length = fadeElementCount(colours, text);
    const ElementColours elementColours(colours, length, blend);
    const std::size_t step = options.step.value_or(1);
    const std::size_t growth = layout.escaping ? layout.escaping->maxGrowth : 1;

    // Room for every group as a run, and text that needs no escaping.
    const std::size_t groups = length / step + (length % step != 0 ? 1 : 0);
    Cursor cursor(out, layout.opening.size() + groups * layout.fixedBytes +
                           layout.elementPieces * text.size() + layout.closing.size() +
                           lineEnd.size());
    cursor.movedTo(copyText(cursor.room(layout.opening.size()), layout.opening));

    const bool oneBytePerElement = length == text.size();
    const char *from = text.data();
    const char *const end = from + text.size();
    std::size_t done = 0; // elements
    forEachRun(elementColours, step, merge, [&](std::size_t last, ColorValue colour) {
        const char *const runStart = from;
        if (oneBytePerElement) {
            from += last - done;
        } else {
            for (; done < last; ++done) {
                from += graphemeLength({from, static_cast<std::size_t>(end - from)});
            }
        }
        done = last;
        const std::string_view runText(runStart, static_cast<std::size_t>(from - runStart));
        char *to = cursor.room(layout.fixedBytes + layout.elementPieces * growth * runText.size());
        cursor.movedTo(writeRun(to, layout, colour, runText));
    });

    char *to = cursor.room(layout.closing.size() + lineEnd.size());
    cursor.movedTo(copyText(copyText(to, layout.closing), lineEnd));
    cursor.finish();
}

std::string formatFade(std::span<const ColorValue> colours, std::string_view text, Blend blend,
                       const OutputOptions &options)
{
    std::string out;
    appendFormattedFade(out, colours, text, blend, options);
    return out;
}

std::size_t formattedLength(std::span<const ColorValue> colours, std::string_view text, Blend blend,
                            const OutputOptions &options)
{
    return LengthMeasure(colours, text, blend, options).length(options.step);
}

LengthFit fitToLength(std::span<const ColorValue> colours, std::string_view text, Blend blend,
                      const OutputOptions &options, std::size_t maxLength)
{
    const LengthMeasure measure(colours, text, blend, options);
    const std::size_t largest = std::max<std::size_t>(measure.elementCount(), 1);
    // A text longer than the limit on its own is found at once, not step by step.
    if (measure.least() <= maxLength) {
        for (std::size_t step = 1; step <= largest; ++step) {
            const std::size_t length = measure.length(step);
            if (length <= maxLength) {
                return {true, step, length};
            }
        }
    }
    return {false, largest, measure.length(largest)};
}

void appendTerminalSafe(std::string &out, std::string_view text)
{
    const std::size_t start = out.size();
    out.resize(start + text.size() * kTerminalEscaping.maxGrowth);
    char *const end = writeEscaped(out.data() + start, text, &kTerminalEscaping);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

} // namespace tintara
