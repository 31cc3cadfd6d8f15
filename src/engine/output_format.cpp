#include "engine/output_format.h"

#include "engine/fade.h"
#include "engine/graphemes.h"
#include "engine/utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
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
    // The bytes a replacement adds, by byte, so that the common test is one load.
    std::array<std::uint8_t, 256> growth{};

    constexpr Escaping &finish()
    {
        for (std::size_t byte = 0; byte < ascii.size(); ++byte) {
            growth[byte] =
                static_cast<std::uint8_t>(ascii[byte].empty() ? 0 : ascii[byte].size() - 1);
        }
        return *this;
    }
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
    return e.finish();
}();

constexpr Escaping kMiniMessageEscaping = [] {
    Escaping e;
    e.ascii['\\'] = "\\\\";
    e.ascii['<'] = "\\<";
    return e.finish();
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
    return e.finish();
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

// A fixed block of up to this many bytes is copied whole, in one fixed-size move.
constexpr std::size_t kPadded = 32;

// What is written for each run: literals and hexadecimal digits in a row make
// one fixed block of bytes, into which each run's digits are put, so that a
// run of most formats is a block, its text and another block.
struct WrittenPiece {
    Kind kind; // Literal for a fixed block, or Element, Red, Green or Blue
    std::string bytes{};
    std::array<char, kPadded> padded{};                 // the bytes, if they fit
    std::vector<std::pair<std::size_t, Kind>> digits{}; // where each colour's digits go, and how
};

// How the elements of one line are written, and what that costs per run.
struct Layout {
    std::vector<WrittenPiece> written;
    const Escaping *escaping = nullptr;
    std::string opening;
    std::string closing;
    std::size_t fixedBytes = 0;      // of the pieces but the elements, decimals at their widest
    std::size_t fixedCodePoints = 0; // of the pieces but the elements and decimals
    std::size_t elementPieces = 0;
    std::array<std::size_t, 3> decimalPieces{}; // red, green, blue
};

std::vector<WrittenPiece> writtenPieces(const std::vector<ElementPiece> &pieces)
{
    std::vector<WrittenPiece> written;
    for (const ElementPiece &piece : pieces) {
        const bool fixed = piece.kind == Kind::Literal || piece.kind == Kind::LowerHex ||
                           piece.kind == Kind::UpperHex || piece.kind == Kind::SectionHex;
        if (!fixed) {
            written.push_back({piece.kind});
            continue;
        }
        if (written.empty() || written.back().kind != Kind::Literal) {
            written.push_back({Kind::Literal});
        }
        WrittenPiece &block = written.back();
        if (piece.kind != Kind::Literal) {
            block.digits.emplace_back(block.bytes.size(), piece.kind);
        }
        switch (piece.kind) {
        case Kind::Literal:
            block.bytes += piece.literal;
            break;
        case Kind::SectionHex:
            block.bytes += "\xC2\xA7"
                           "0\xC2\xA7"
                           "0\xC2\xA7"
                           "0\xC2\xA7"
                           "0\xC2\xA7"
                           "0\xC2\xA7"
                           "0";
            break;
        default:
            block.bytes += "000000";
            break;
        }
    }
    for (WrittenPiece &piece : written) {
        std::copy_n(piece.bytes.begin(), std::min(piece.bytes.size(), kPadded),
                    piece.padded.begin());
    }
    return written;
}

Layout layoutOf(const OutputOptions &options)
{
    Layout layout;
    if (options.step && *options.step == 0) {
        throw FadeError("a step holds 1 element or more");
    }
    std::vector<ElementPiece> pieces;
    if (options.elementTemplate) {
        if (anyStyle(options.styles)) {
            throw FadeError("a template takes no styles");
        }
        pieces = options.elementTemplate->pieces();
    } else {
        pieces = formatPieces(options.format, options.styles);
        layout.escaping = rulesOf(options.format).escaping;
        layout.opening = lineOpening(options.format, options.styles);
        layout.closing = lineClosing(options.format, options.styles);
    }
    for (const ElementPiece &piece : pieces) {
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
    layout.written = writtenPieces(pieces);
    return layout;
}

// Whether a C1 control (U+0080..U+009F) starts at text[i].
bool isC1Control(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
           static_cast<unsigned char>(text[i + 1]) < 0xA0;
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
        } else if (escaping->c1 && isC1Control(text, i)) {
            to = copyText(to, kReplacementCharacterUtf8);
            ++i;
        } else {
            *to++ = text[i];
        }
    }
    return to;
}

// The bytes writeEscaped writes for the text.
std::size_t escapedSize(std::string_view text, const Escaping *escaping)
{
    std::size_t size = text.size();
    if (!escaping) {
        return size;
    }
    if (!escaping->c1) { // a sum the compiler can do many bytes at a time
        for (const char c : text) {
            size += escaping->growth[static_cast<unsigned char>(c)];
        }
        return size;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        size += escaping->growth[static_cast<unsigned char>(text[i])];
        if (isC1Control(text, i)) {
            size += kReplacementCharacterUtf8.size() - 2;
            ++i;
        }
    }
    return size;
}

// Puts a colour's digits into a fixed block, where its zeros stand.
[[gnu::always_inline]] inline void putDigits(char *to, Kind kind,
                                             const std::array<int, 3> &components)
{
    for (const int component : components) {
        if (kind == Kind::SectionHex) { // each digit after a section sign
            to[2] = kLowerHexPairs[component][0];
            to[5] = kLowerHexPairs[component][1];
            to += 6;
        } else {
            std::memcpy(
                to, (kind == Kind::LowerHex ? kLowerHexPairs : kUpperHexPairs)[component].data(),
                2);
            to += 2;
        }
    }
}

// Writes an element's text, escaped as the format asks.
[[gnu::always_inline]] inline char *writeElementText(char *to, std::string_view text,
                                                     const Escaping *escaping)
{
    if (text.size() == 1 &&
        (!escaping || escaping->growth[static_cast<unsigned char>(text[0])] == 0)) {
        *to = text[0]; // an ASCII character that stays as it is
        return to + 1;
    }
    return writeEscaped(to, text, escaping);
}

// The built-in formats but ansi write each run as a block holding the
// colour's digits once, the text, and perhaps a block without digits after it.
// With the kind of digits and the block after known at compile time, and the
// blocks held by value (never reloaded after the bytes written), such a run
// is written nearly as fast as the coded text's own writer does.
template <Kind digitsKind, bool blockAfter> struct BlockShape {
    std::array<char, kPadded> before;
    std::size_t beforeSize;
    std::size_t digitsAt;
    std::array<char, kPadded> after;
    std::size_t afterSize;
    const Escaping *escaping;

    static std::optional<BlockShape> of(const std::vector<WrittenPiece> &written,
                                        const Escaping *escaping)
    {
        if (written.size() != (blockAfter ? 3 : 2) || written[0].kind != Kind::Literal ||
            written[0].bytes.size() > kPadded || written[0].digits.size() != 1 ||
            written[0].digits[0].second != digitsKind || written[1].kind != Kind::Element ||
            (blockAfter && (written[2].kind != Kind::Literal || written[2].bytes.size() > kPadded ||
                            !written[2].digits.empty()))) {
            return std::nullopt;
        }
        BlockShape shape{
            written[0].padded, written[0].bytes.size(), written[0].digits[0].first, {}, 0,
            escaping};
        if constexpr (blockAfter) {
            shape.after = written[2].padded;
            shape.afterSize = written[2].bytes.size();
        }
        return shape;
    }

    char *writeRun(char *to, const std::array<int, 3> &components, std::string_view text) const
    {
        std::memcpy(to, before.data(), kPadded);
        putDigits(to + digitsAt, digitsKind, components);
        to = writeElementText(to + beforeSize, text, escaping);
        if constexpr (blockAfter) {
            std::memcpy(to, after.data(), kPadded);
            to += afterSize;
        }
        return to;
    }
};

// Any other pieces, such as ansi's or a template's.
struct AnyShape {
    static char *writeRun(char *to, const WrittenPiece *pieces, std::size_t count,
                          const Escaping *escaping, const std::array<int, 3> &components,
                          std::string_view text)
    {
        for (const WrittenPiece *piece = pieces; piece != pieces + count; ++piece) {
            switch (piece->kind) {
            case Kind::Element:
                to = writeElementText(to, text, escaping);
                break;
            case Kind::Red:
            case Kind::Green:
            case Kind::Blue:
                to = std::to_chars(to, to + 3,
                                   components[static_cast<std::size_t>(piece->kind) -
                                              static_cast<std::size_t>(Kind::Red)])
                         .ptr;
                break;
            default:
                if (piece->bytes.size() <= kPadded) {
                    std::memcpy(to, piece->padded.data(), kPadded);
                } else {
                    copyText(to, piece->bytes);
                }
                for (const auto &[offset, digitsKind] : piece->digits) {
                    putDigits(to + offset, digitsKind, components);
                }
                to += piece->bytes.size();
                break;
            }
        }
        return to;
    }
};

std::size_t decimalDigits(int value)
{
    return value < 10 ? 1 : value < 100 ? 2 : 3;
}

std::size_t runCodePoints(const Layout &layout, const std::array<int, 3> &components)
{
    return layout.fixedCodePoints + layout.decimalPieces[0] * decimalDigits(components[0]) +
           layout.decimalPieces[1] * decimalDigits(components[1]) +
           layout.decimalPieces[2] * decimalDigits(components[2]);
}

// Runs, each written as one element: where it ends and its colour.
struct RunBlock {
    static constexpr std::size_t kSize = ComponentBlock::kSize;
    std::size_t count = 0;
    std::array<std::size_t, kSize> lasts; // the last element of each run
    ComponentBlock colours;
};

// Calls onBlock for the runs of a line, block after block in text order: the
// groups of `step` elements in the colour of their last, neighbours of one
// colour joined when merging.
template <typename OnBlock>
void forEachRunBlock(const ElementColours &colours, std::size_t step, bool merge, OnBlock onBlock)
{
    const std::size_t length = colours.length();
    RunBlock runs;
    if (step == 1 && !merge) { // every element a run of its own
        for (std::size_t first = 1; first <= length; first += RunBlock::kSize) {
            runs.count = std::min(RunBlock::kSize, length - first + 1);
            colours.fill(first, runs.count, runs.colours);
            for (std::size_t i = 0; i < runs.count; ++i) {
                runs.lasts[i] = first + i;
            }
            onBlock(runs);
        }
        return;
    }
    const auto addRun = [&](std::size_t last, ColorValue colour) {
        runs.lasts[runs.count] = last;
        runs.colours.reds[runs.count] = colour & 0xFF;
        runs.colours.greens[runs.count] = (colour >> 8) & 0xFF;
        runs.colours.blues[runs.count] = (colour >> 16) & 0xFF;
        if (++runs.count == RunBlock::kSize) {
            onBlock(runs);
            runs.count = 0;
        }
    };
    std::size_t runLast = 0; // none yet
    ColorValue runColour = 0;
    const auto addGroup = [&](std::size_t last, ColorValue colour) {
        if (runLast != 0 && merge && colour == runColour) {
            runLast = last;
            return;
        }
        if (runLast != 0) {
            addRun(runLast, runColour);
        }
        runLast = last;
        runColour = colour;
    };
    if (step == 1) { // every colour is needed: a block of them at a time
        ComponentBlock block;
        for (std::size_t first = 1; first <= length; first += ComponentBlock::kSize) {
            const std::size_t count = std::min(ComponentBlock::kSize, length - first + 1);
            colours.fill(first, count, block);
            for (std::size_t j = 0; j < count; ++j) {
                addGroup(first + j, block.reds[j] + 256 * block.greens[j] + 65536 * block.blues[j]);
            }
        }
    } else {
        for (std::size_t groupLast = 0; groupLast < length;) {
            groupLast += std::min(step, length - groupLast);
            addGroup(groupLast, colours.at(groupLast));
        }
    }
    if (runLast != 0) {
        addRun(runLast, runColour);
    }
    if (runs.count != 0) {
        onBlock(runs);
    }
}

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
        std::string escaped(escapedSize(text, layout_.escaping), '\0');
        writeEscaped(escaped.data(), text, layout_.escaping);
        stepless_ = utf8Length(layout_.opening).value_or(0) +
                    utf8Length(layout_.closing).value_or(0) +
                    layout_.elementPieces * utf8Length(escaped).value_or(0);
    }

    std::size_t elementCount() const { return colours_.length(); }

    std::size_t length(std::optional<std::size_t> step) const
    {
        std::size_t total = stepless_;
        forEachRunBlock(colours_, step.value_or(1), merge_ || step, [&](const RunBlock &runs) {
            for (std::size_t i = 0; i < runs.count; ++i) {
                total += runCodePoints(
                    layout_, {runs.colours.reds[i], runs.colours.greens[i], runs.colours.blues[i]});
            }
        });
        return total;
    }

    // No step gives less: the text, and one run with the shortest decimals.
    std::size_t least() const
    {
        return elementCount() == 0 ? stepless_ : stepless_ + runCodePoints(layout_, {0, 0, 0});
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

    // Every group as a run of its own is the most the line can take, decimals
    // at their widest; it is sized once, and a fixed block may be copied whole
    // past its end.
    const std::size_t groups = length / step + (length % step != 0 ? 1 : 0);
    const std::size_t escapedTextSize = escapedSize(text, layout.escaping);
    const std::size_t start = out.size();
    out.resize(start + layout.opening.size() + groups * layout.fixedBytes +
               layout.elementPieces * escapedTextSize + layout.closing.size() + lineEnd.size() +
               kPadded);
    char *to = copyText(out.data() + start, layout.opening);

    // Text with nothing to escape, the usual case, needs no look at each byte.
    const Escaping *const escaping = escapedTextSize == text.size() ? nullptr : layout.escaping;
    const bool oneBytePerElement = length == text.size();
    const char *from = text.data();
    const char *const end = from + text.size();
    std::size_t done = 0; // elements
    const WrittenPiece *const pieces = layout.written.data();
    const std::size_t pieceCount = layout.written.size();
    const auto writeRuns = [&](auto writeRun) {
        forEachRunBlock(elementColours, step, merge, [&](const RunBlock &runs) {
            // Local copies of the cursors and the writer stay in registers
            // through the writes.
            const auto write = writeRun;
            char *out = to;
            const char *in = from;
            const char *const textStart = text.data();
            for (std::size_t i = 0; i < runs.count; ++i) {
                const char *runEnd = textStart + runs.lasts[i];
                if (!oneBytePerElement) {
                    for (runEnd = in; done < runs.lasts[i]; ++done) {
                        runEnd += graphemeLength({runEnd, static_cast<std::size_t>(end - runEnd)});
                    }
                }
                out = write(out,
                            {runs.colours.reds[i], runs.colours.greens[i], runs.colours.blues[i]},
                            std::string_view(in, static_cast<std::size_t>(runEnd - in)));
                in = runEnd;
            }
            to = out;
            from = in;
        });
    };
    const auto inShape = [&](const auto &shape) {
        writeRuns(
            [shape](char *at, const std::array<int, 3> &components, std::string_view runText) {
                return shape.writeRun(at, components, runText);
            });
    };
    if (const auto font = BlockShape<Kind::UpperHex, true>::of(layout.written, escaping)) {
        inShape(*font);
    } else if (const auto span = BlockShape<Kind::LowerHex, true>::of(layout.written, escaping)) {
        inShape(*span); // and bbcode
    } else if (const auto mini = BlockShape<Kind::LowerHex, false>::of(layout.written, escaping)) {
        inShape(*mini); // and legacy
    } else if (const auto section =
                   BlockShape<Kind::SectionHex, false>::of(layout.written, escaping)) {
        inShape(*section);
    } else {
        writeRuns([&](char *at, const std::array<int, 3> &components, std::string_view runText) {
            return AnyShape::writeRun(at, pieces, pieceCount, escaping, components, runText);
        });
    }
    to = copyText(copyText(to, layout.closing), lineEnd);
    out.resize(static_cast<std::size_t>(to - out.data()));
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
    out.resize(start + escapedSize(text, &kTerminalEscaping));
    writeEscaped(out.data() + start, text, &kTerminalEscaping);
}

} // namespace tintara
