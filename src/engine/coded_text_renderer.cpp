#include "engine/coded_text_renderer.h"

#include "engine/utf8.h"

#include <algorithm>
#include <cmath>

namespace tintara
{

namespace
{

constexpr auto npos = std::u32string_view::npos;

struct StyleTag {
    std::u32string_view tag;
    bool TextFormat::*flag;
    bool value;
};

constexpr StyleTag kStyleTags[] = {
    {U"u", &TextFormat::underline, true}, {U"/u", &TextFormat::underline, false},
    {U"s", &TextFormat::strike, true},    {U"/s", &TextFormat::strike, false},
    {U"b", &TextFormat::bold, true},      {U"/b", &TextFormat::bold, false},
    {U"i", &TextFormat::italic, true},    {U"/i", &TextFormat::italic, false},
};

// Only ASCII letters change case: tags and hexadecimal digits are ASCII, and
// font names are matched without regard to case anyway.
char32_t toLowerAscii(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

char32_t toUpperAscii(char32_t c)
{
    return c >= U'a' && c <= U'z' ? c - (U'a' - U'A') : c;
}

std::u32string lowerCase(std::u32string_view text)
{
    std::u32string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), toLowerAscii);
    return lowered;
}

void appendRun(std::vector<FormattedRun> &runs, std::u32string_view text, const TextFormat &format)
{
    if (text.empty()) {
        return;
    }
    if (runs.empty() || runs.back().format != format) {
        runs.push_back({{}, format});
    }
    for (const char32_t c : text) {
        appendUtf8(runs.back().text, c);
    }
}

int colourComponent(std::u32string_view digits)
{
    return static_cast<int>(std::nearbyint(hexToValue(digits)));
}

// Six characters after the first "#" (from the start of the tag when there is
// none): red from the first two, green from the next two, blue from the last two.
ColorValue tagColour(std::u32string_view tag)
{
    const std::size_t hash = tag.find(U'#');
    const std::u32string_view hex = tag.substr(hash == npos ? 0 : hash + 1, 6);
    const std::u32string_view red = hex.substr(0, 2);
    const std::u32string_view green = hex.size() > 2 ? hex.substr(2, 2) : std::u32string_view{};
    const std::u32string_view blue = hex.size() >= 2 ? hex.substr(hex.size() - 2) : hex;
    return colourComponent(red) + 256 * colourComponent(green) + 65536 * colourComponent(blue);
}

// The name in double quotes; without them, the value after "=" as HTML reads
// an unquoted or single-quoted attribute. Empty when the tag names no font.
std::u32string_view fontFaceName(std::u32string_view tag)
{
    const std::size_t quote = tag.find(U'"');
    if (quote != npos) {
        const std::u32string_view rest = tag.substr(quote + 1);
        return rest.substr(0, rest.find(U'"'));
    }
    const std::size_t equals = tag.find(U'=');
    if (equals == npos) {
        return {};
    }
    std::u32string_view value = tag.substr(equals + 1);
    value.remove_prefix(std::min(value.find_first_not_of(U' '), value.size()));
    if (value.starts_with(U'\'')) {
        value.remove_prefix(1);
        return value.substr(0, value.find(U'\''));
    }
    return value.substr(0, value.find(U' '));
}

void applyTag(std::u32string_view tag, TextFormat &format)
{
    for (const StyleTag &style : kStyleTags) {
        if (tag == style.tag) {
            format.*style.flag = style.value;
            return;
        }
    }
    if (tag.starts_with(U"font color")) {
        format.color = tagColour(tag);
    }
    if (tag.starts_with(U"font face")) {
        // An empty name would leave the characters without a usable font.
        if (const std::u32string_view name = fontFaceName(tag); !name.empty()) {
            format.font = encodeUtf8(name);
        }
    }
}

} // namespace

RenderedText renderCodedText(std::string_view codedText)
{
    const std::u32string text = decodeUtf8Lossy(codedText);
    const std::u32string_view view = text;
    RenderedText rendered;
    TextFormat format;
    std::size_t pos = 0;
    while (pos < view.size()) {
        const std::size_t open = view.find(U'<', pos);
        appendRun(rendered.runs, view.substr(pos, open - pos), format);
        if (open == npos) {
            break;
        }
        const std::size_t close = view.find(U'>', open + 1);
        if (close == npos) {
            appendRun(rendered.runs, view.substr(open), format);
            break;
        }
        applyTag(lowerCase(view.substr(open + 1, close - open - 1)), format);
        pos = close + 1;
    }
    rendered.insertionFormat = format;
    return rendered;
}

float hexToValue(std::u32string_view text)
{
    if (text.size() > 8) {
        text.remove_prefix(text.size() - 8);
    }
    float result = 0;
    double weight = 1;
    for (std::size_t k = text.size(); k > 0; --k) {
        const double digit = hexDigitValue(toUpperAscii(text[k - 1]));
        result = static_cast<float>(static_cast<double>(result) + digit * weight);
        weight *= 16;
    }
    return result;
}

std::int16_t hexDigitValue(char32_t ch)
{
    if (ch >= U'0' && ch <= U'9') {
        return static_cast<std::int16_t>(ch - U'0');
    }
    if (ch >= U'A' && ch <= U'F') {
        return static_cast<std::int16_t>(ch - U'A' + 10);
    }
    return 0;
}

} // namespace tintara
