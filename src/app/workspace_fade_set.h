#pragma once

#include "engine/fade_set.h"

namespace tintara
{

class Forms;

// The fade set the windows hold: the colour count and the ten slots of the
// main window, and the style marks of the options menu.
FadeSet workspaceFadeSet(Forms &forms);

// Puts what was read from a fade-set file into the windows, as far as it
// goes: without a count nothing changes; a count alone sets only the count
// (with its change handling); a whole set also replaces all ten slots and the
// four style marks and makes slot 1 the one being edited.
void applyFadeSetReading(Forms &forms, const FadeSetReading &reading);

} // namespace tintara
