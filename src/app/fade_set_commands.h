#pragma once

#include <QString>

namespace tintara
{

class Forms;

// "&save fade set..." and "&open fade set...": the workspace's fade set to
// and from .tnf files. Both commands show the one fade-set dialog
// (CommonDialog1), which opens with the name chosen last in either of them.
// Neither shows a message: every failure, cancelling included, ends the
// command silently.
class FadeSetCommands
{
public:
    explicit FadeSetCommands(Forms &forms);

    // Saves under the chosen name, ".tnf" added unless it ends in exactly
    // ".tnf". The file is replaced whole or not at all, keeping its other lines.
    void mnu_saveset_Click();
    // Loads the chosen file, whatever its name.
    void mnu_openpre_Click();

private:
    Forms &forms_;
    QString commonDialog1FileName_;
};

} // namespace tintara
