#pragma once

#include "ui/file_dialog.h"

namespace tintara
{

class Forms;

// "&save fade set..." and "&open fade set...": the workspace's fade set (the
// colour count and the ten slots of the main window, the style marks of the
// options menu) to and from .tnf files. Both commands show the one fade-set
// dialog (CommonDialog1), which opens with the name chosen last in either of
// them. Neither shows a message: every failure, cancelling included, ends the
// command silently.
class FadeSetCommands
{
public:
    explicit FadeSetCommands(Forms &forms);

    // Saves under the chosen name, ".tnf" added unless it ends in exactly
    // ".tnf". The file is replaced whole or not at all, keeping its other lines.
    void mnu_saveset_Click();
    // Loads the chosen file, whatever its name, as far as it goes: without a
    // count nothing changes; a count alone sets only the count (with its
    // change handling); a whole set also replaces all ten slots and the four
    // style marks and makes slot 1 the one being edited.
    void mnu_openpre_Click();

private:
    Forms &forms_;
    FileDialogRequest commonDialog1_;
};

} // namespace tintara
