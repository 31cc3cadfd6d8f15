#pragma once

#include "engine/fade.h"
#include "engine/fade_styles.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintara
{

// The opening tags of the ticked styles, outermost first ("<U><S><I><B>"),
// and their closers in mirror order ("</B></I></S></U>").
std::string openingTags(const FadeStyles &styles);
std::string closingTags(const FadeStyles &styles);

// The text with every space (code 32) removed; yields once per removed space.
std::string stripSpaces(std::string_view text, const YieldFn &yield = {});

// Whether a line is empty or spaces only, with nothing to fade.
bool isBlankLine(std::string_view text);

// The whole coded text of one line, or nothing when the line is blank (empty
// or spaces only) and there is nothing to fade. Throws FadeError like appendFade.
std::optional<std::string> fadeLine(std::string_view text, std::span<const ColorValue> colours,
                                    const FadeStyles &styles, const YieldFn &yield = {});

// What the fade command reads and writes. The command reads each value at the
// moment it needs it, so a change made while it yields is seen by later reads.
class FadeCommandHost
{
public:
    virtual ~FadeCommandHost() = default;
    virtual std::string text() = 0;
    virtual void clearText() = 0;
    virtual int colourCount() = 0;
    virtual ColorValue slotColour(int slot) = 0; // slots 1..10
    // How the colours are mixed; a host that offers no choice fades in rgb.
    virtual Blend blend() { return Blend::Rgb; }
    virtual bool styleChecked(Style style) = 0;
    virtual std::string codedText() = 0;
    virtual void setCodedText(std::string text) = 0;
    virtual void yield() = 0;
};

// The fade command: a blank text empties the text box; otherwise the text is
// faded with the colour count and slots as they are when each is read, and the
// result, wrapped in the ticked styles, replaces the coded text.
void runFadeCommand(FadeCommandHost &host);

} // namespace tintara
