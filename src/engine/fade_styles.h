#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tintara
{

// The style toggles; bold is wrapped innermost and underline outermost.
struct FadeStyles {
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool underline = false;

    friend bool operator==(const FadeStyles &, const FadeStyles &) = default;
};

enum class Style { Bold, Italic, Strike, Underline };

// How each style is named, innermost first: `name` is its key in a fade set
// and the caption of its menu entry, `tag` the letter of its HTML tag.
struct StyleEntry {
    Style style;
    bool FadeStyles::*flag;
    std::string_view name;
    char tag;
};

inline constexpr std::array<StyleEntry, 4> kStyles{{
    {Style::Bold, &FadeStyles::bold, "bold", 'B'},
    {Style::Italic, &FadeStyles::italic, "italic", 'I'},
    {Style::Strike, &FadeStyles::strike, "strike", 'S'},
    {Style::Underline, &FadeStyles::underline, "underline", 'U'},
}};

constexpr const StyleEntry &styleEntry(Style style)
{
    return kStyles[static_cast<std::size_t>(style)];
}

static_assert(styleEntry(Style::Bold).style == Style::Bold &&
                  styleEntry(Style::Italic).style == Style::Italic &&
                  styleEntry(Style::Strike).style == Style::Strike &&
                  styleEntry(Style::Underline).style == Style::Underline,
              "kStyles lists the styles in the order of Style");

} // namespace tintara
