#pragma once

#include "engine/fade_command.h"

namespace tintara
{

class Forms;

// The fade command's view of the windows: the text, colour count and slots
// of the main window, the style marks of the options menu and the coded-text
// box, each read the moment the command asks. Yielding runs the event loop.
class WorkspaceFadeHost final : public FadeCommandHost
{
public:
    explicit WorkspaceFadeHost(Forms &forms);

    std::string text() override;
    void clearText() override;
    int colourCount() override;
    ColorValue slotColour(int slot) override;
    Blend blend() override;
    bool styleChecked(Style style) override;
    std::string codedText() override;
    void setCodedText(std::string text) override;
    void yield() override;

private:
    Forms &forms_;
};

} // namespace tintara
