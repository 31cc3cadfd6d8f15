#include "engine/fade_command.h"

#include "engine/output_format.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tintara
{

std::string openingTags(const FadeStyles &styles)
{
    return lineOpening(OutputFormat::Font, styles);
}

std::string closingTags(const FadeStyles &styles)
{
    return lineClosing(OutputFormat::Font, styles);
}

std::string stripSpaces(std::string_view text, const YieldFn &yield)
{
    std::string stripped;
    stripped.reserve(text.size());
    for (const char c : text) {
        if (c == ' ') {
            if (yield) {
                yield();
            }
        } else {
            stripped.push_back(c);
        }
    }
    return stripped;
}

bool isBlankLine(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

std::optional<std::string> fadeLine(std::string_view text, std::span<const ColorValue> colours,
                                    const FadeStyles &styles, const YieldFn &yield)
{
    if (isBlankLine(text)) {
        if (yield) {
            for (std::size_t n = text.size(); n > 0; --n) {
                yield();
            }
        }
        return std::nullopt;
    }
    std::string out;
    appendFade(out, colours, text, openingTags(styles), closingTags(styles), yield);
    return out;
}

void runFadeCommand(FadeCommandHost &host)
{
    const std::string text = host.text();
    if (stripSpaces(text, [&host] { host.yield(); }).empty()) {
        host.clearText();
        return;
    }

    // A finished fade is written to the coded-text box before anything else can
    // run, but the style wrapping that follows at once is folded into the same
    // write, so the box is normally set only once.
    std::optional<std::string> unwritten;
    const auto flush = [&] {
        if (unwritten) {
            host.setCodedText(std::move(*unwritten));
            unwritten.reset();
        }
    };
    const YieldFn yield = [&] {
        flush();
        host.yield();
    };

    for (int count = kMinColors; count <= kMaxColors; ++count) {
        if (host.colourCount() != count) {
            continue;
        }
        std::array<ColorValue, kMaxColors> colours{};
        for (int slot = 1; slot <= count; ++slot) {
            colours[slot - 1] = host.slotColour(slot);
        }
        const Blend blend = host.blend();
        const std::string toFade = host.text();
        std::string coded = fadeColors(std::span(colours.data(), count), toFade, yield, blend);
        flush();
        unwritten = std::move(coded);
    }

    FadeStyles styles;
    styles.bold = host.styleChecked(Style::Bold);
    styles.italic = host.styleChecked(Style::Italic);
    styles.strike = host.styleChecked(Style::Strike);
    styles.underline = host.styleChecked(Style::Underline);
    const std::string opening = openingTags(styles);
    if (opening.empty()) {
        flush();
        return;
    }
    const std::string run = unwritten ? std::move(*unwritten) : host.codedText();
    unwritten.reset();
    const std::string closing = closingTags(styles);
    std::string wrapped;
    wrapped.reserve(opening.size() + run.size() + closing.size());
    wrapped.append(opening).append(run).append(closing);
    host.setCodedText(std::move(wrapped));
}

} // namespace tintara
