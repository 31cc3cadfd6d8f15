#include "engine/coded_text_renderer.h"

#include "engine/ascii_case.h"
#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tintara
{

namespace
{

constexpr auto npos = std::string_view::npos;

// Whether the text starts with `lower`, a lower-case word, in any case.
bool startsWithInAnyCase(std::string_view text, std::string_view lower)
{
    return text.size() >= lower.size() &&
           std::equal(lower.begin(), lower.end(), text.begin(), equalIgnoringAsciiCase);
}

// At most two digits: the value is a whole number below 256, exact in single precision.
int colourComponent(std::u32string_view digits)
{
    return static_cast<int>(hexToValue(digits));
}

// Six characters after the first "#" (from the start of the tag when there is
// none): red from the first two, green from the next two, blue from the last two.
ColorValue tagColour(std::string_view tag)
{
    const std::size_t hash = tag.find('#');
    std::string_view rest = tag.substr(hash == npos ? 0 : hash + 1);
    std::array<char32_t, 6> characters{};
    std::size_t count = 0;
    while (count < characters.size() && !rest.empty()) {
        if (static_cast<unsigned char>(rest.front()) < 0x80) { // the usual case, at once
            characters[count++] = static_cast<unsigned char>(rest.front());
            rest.remove_prefix(1);
            continue;
        }
        const Utf8Character character = firstCharacter(rest);
        characters[count++] = character.value;
        rest.remove_prefix(character.length);
    }
    const std::u32string_view hex(characters.data(), count);
    const std::u32string_view red = hex.substr(0, 2);
    const std::u32string_view green = hex.size() > 2 ? hex.substr(2, 2) : std::u32string_view{};
    const std::u32string_view blue = hex.size() >= 2 ? hex.substr(hex.size() - 2) : hex;
    return colourComponent(red) + 256 * colourComponent(green) + 65536 * colourComponent(blue);
}

// The name in double quotes; without them, the value after "=" as HTML reads
// an unquoted or single-quoted attribute. Empty when the tag names no font.
std::string_view fontFaceName(std::string_view tag)
{
    const std::size_t quote = tag.find('"');
    if (quote != npos) {
        const std::string_view rest = tag.substr(quote + 1);
        return rest.substr(0, rest.find('"'));
    }
    const std::size_t equals = tag.find('=');
    if (equals == npos) {
        return {};
    }
    std::string_view value = tag.substr(equals + 1);
    value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
    if (value.starts_with('\'')) {
        value.remove_prefix(1);
        return value.substr(0, value.find('\''));
    }
    return value.substr(0, value.find(' '));
}

// Where the byte is, or npos. Tags and the text between them are mostly short,
// so the first bytes are looked at here before a library search is called.
std::size_t findByte(std::string_view text, char byte)
{
    const std::size_t near = std::min<std::size_t>(text.size(), 32);
    for (std::size_t i = 0; i < near; ++i) {
        if (text[i] == byte) {
            return i;
        }
    }
    return text.find(byte, near);
}

// The colour of a tag exactly as a fade writes it, "Font Color=#" and six
// upper-case digits, or nothing. What the general reading gives, sooner.
std::optional<ColorValue> fadeTagColour(std::string_view tag)
{
    constexpr std::string_view kStart = "Font Color=#";
    if (tag.size() != kStart.size() + 6 || !tag.starts_with(kStart)) {
        return std::nullopt;
    }
    const std::string_view digits = tag.substr(kStart.size());
    const auto isDigit = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    if (!std::all_of(digits.begin(), digits.end(), isDigit)) {
        return std::nullopt;
    }
    const auto component = [digits](std::size_t at) {
        return hexDigitValue(digits[at]).value_or(0) * 16 +
               hexDigitValue(digits[at + 1]).value_or(0);
    };
    return component(0) + 256 * component(2) + 65536 * component(4);
}

// The length of a character at the end of the text that the end cuts off, or 0.
std::size_t cutOffTail(std::string_view text)
{
    const std::size_t most = std::min<std::size_t>(3, text.size());
    for (std::size_t length = 1; length <= most; ++length) {
        const auto byte = static_cast<unsigned char>(text[text.size() - length]);
        if ((byte & 0xC0) != 0x80) { // where the last character starts
            return firstCharacter(text.substr(text.size() - length)).cutShort ? length : 0;
        }
    }
    return 0;
}

} // namespace

CodedTextRenderer::CodedTextRenderer(TextFn onText) : onText_(std::move(onText)) {}

void CodedTextRenderer::feed(std::string_view piece)
{
    while (true) {
        if (inTag_) {
            const std::size_t close = findByte(piece, '>');
            if (close == npos) {
                tag_.append(piece);
                return;
            }
            if (tag_.empty()) {
                applyTag(piece.substr(0, close)); // the whole tag is in this piece
            } else {
                tag_.append(piece.substr(0, close));
                applyTag(tag_);
                tag_.clear();
            }
            inTag_ = false;
            piece.remove_prefix(close + 1);
        } else {
            const std::size_t open = findByte(piece, '<');
            show(piece.substr(0, open), open == npos);
            if (open == npos) {
                return;
            }
            piece.remove_prefix(open + 1);
            if (const std::size_t taken = takeFadeElement(piece)) {
                piece.remove_prefix(taken);
            } else {
                inTag_ = true;
            }
        }
    }
}

void CodedTextRenderer::finish()
{
    if (inTag_) {
        inTag_ = false;
        tag_.insert(0, 1, '<');
        show(tag_, false);
        tag_.clear();
    } else {
        show({}, false);
    }
}

// Hands on text as valid UTF-8. A character cut off by the end of the piece
// waits for the next one; before a tag, or at the end, it is ill-formed.
void CodedTextRenderer::show(std::string_view text, bool pieceEnds)
{
    if (text.empty() && cut_.empty()) {
        return;
    }
    shown_.clear();
    if (!cut_.empty()) {
        // A character needs at most three bytes after the one held back.
        std::string head = cut_;
        head.append(text.substr(0, 3));
        const Utf8Character character = firstCharacter(head);
        if (character.cutShort && pieceEnds) {
            cut_ = head;
            return;
        }
        if (character.wellFormed) {
            shown_.append(head, 0, character.length);
        } else {
            appendUtf8(shown_, kReplacementCharacter);
        }
        text.remove_prefix(character.length - cut_.size());
        cut_.clear();
    }
    const std::size_t tail = pieceEnds ? cutOffTail(text) : 0;
    const std::string_view body = text.substr(0, text.size() - tail);
    if (shown_.empty() && wellFormedPrefix(body).bytes == body.size()) {
        if (!body.empty()) {
            onText_(body, format_);
        }
    } else {
        appendUtf8Lossy(shown_, body);
        onText_(shown_, format_);
    }
    cut_.assign(text.substr(body.size()));
}

// A fade writes one element per character. Read in one step, such an element
// gives what its tags and its character give when read one by one (the colour,
// the character, and a closing tag that changes nothing), a good deal sooner.
// Returns how many bytes after the "<" it took, or 0 for anything else.
std::size_t CodedTextRenderer::takeFadeElement(std::string_view afterOpen)
{
    constexpr std::size_t kTagLength = 18; // "Font Color=#RRGGBB"
    constexpr std::string_view kClose = "</Font>";
    if (afterOpen.size() < kTagLength + 2 || afterOpen[kTagLength] != '>') {
        return 0;
    }
    const std::optional<ColorValue> colour = fadeTagColour(afterOpen.substr(0, kTagLength));
    const std::string_view rest = afterOpen.substr(kTagLength + 1);
    std::size_t length = 1; // an ASCII character, the usual case
    if (static_cast<unsigned char>(rest.front()) >= 0x80) {
        const Utf8Character character = firstCharacter(rest);
        length = character.wellFormed ? character.length : 0;
    }
    if (!colour || length == 0 || rest.front() == '<' ||
        rest.substr(length, kClose.size()) != kClose) {
        return 0;
    }
    format_.color = *colour;
    onText_(rest.substr(0, length), format_);
    return kTagLength + 1 + length + kClose.size();
}

void CodedTextRenderer::applyTag(std::string_view tag)
{
    // "<b>" switches its style on and "</b>" off, in either case.
    const bool closing = tag.starts_with('/');
    const std::string_view name = closing ? tag.substr(1) : tag;
    for (const StyleEntry &entry : kStyles) {
        if (name.size() == 1 && equalIgnoringAsciiCase(name[0], entry.tag)) {
            format_.styles.*entry.flag = !closing;
            return;
        }
    }
    if (startsWithInAnyCase(tag, "font color")) {
        format_.color = tagColour(tag);
    }
    if (startsWithInAnyCase(tag, "font face")) {
        // An empty name would leave the characters without a usable font.
        if (const std::string_view name = fontFaceName(tag); !name.empty()) {
            format_.font.clear();
            appendUtf8Lossy(format_.font, name);
            std::transform(format_.font.begin(), format_.font.end(), format_.font.begin(),
                           asciiLower<char>);
        }
    }
}

RenderedText renderCodedText(std::string_view codedText)
{
    RenderedText rendered;
    CodedTextRenderer renderer([&rendered](std::string_view text, const TextFormat &format) {
        if (rendered.runs.empty() || rendered.runs.back().format != format) {
            rendered.runs.push_back({{}, format});
        }
        rendered.runs.back().text += text;
    });
    renderer.feed(codedText);
    renderer.finish();
    rendered.insertionFormat = renderer.format();
    return rendered;
}

float hexToValue(std::u32string_view text)
{
    if (text.size() <= 6) {
        // Every sum stays below 2^24, so single precision holds it exactly; this is the usual
        // case (a colour component), and integers add up faster.
        std::int32_t value = 0;
        for (const char32_t c : text) {
            value = value * 16 + hexDigitValue(c).value_or(0);
        }
        return static_cast<float>(value);
    }
    if (text.size() > 8) {
        text.remove_prefix(text.size() - 8);
    }
    float result = 0;
    double weight = 1;
    for (std::size_t k = text.size(); k > 0; --k) {
        const double digit = hexDigitValue(text[k - 1]).value_or(0);
        result = static_cast<float>(static_cast<double>(result) + digit * weight);
        weight *= 16;
    }
    return result;
}

} // namespace tintara
