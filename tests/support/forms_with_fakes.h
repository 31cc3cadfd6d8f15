#pragma once

// The program's windows as the app joins them, with every seam faked.

#include "app/forms.h"
#include "support/fake_seams.h"

#include <memory>

namespace tintara
{

// Thrown where the real program would end the process on the spot.
struct ProgramEnded {
};

// The program's windows with every seam replaced: dialogs answered from the
// test, the clipboard recorded, and quitting counted instead of done.
struct FormsWithFakes {
    FormsWithFakes()
    {
        auto scripted = std::make_unique<ScriptedFileDialog>();
        dialog = scripted.get();
        forms.setFileDialog(std::move(scripted));
        auto recording = std::make_unique<RecordingClipboard>();
        clipboard = recording.get();
        forms.setClipboard(std::move(recording));
        forms.setQuitHandler([this] { ++quits; });
        forms.setEndHandler([] { throw ProgramEnded(); });
    }

    Forms forms;
    ScriptedFileDialog *dialog;
    RecordingClipboard *clipboard;
    int quits = 0;
};

} // namespace tintara
