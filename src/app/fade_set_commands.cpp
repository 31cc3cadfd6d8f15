#include "app/fade_set_commands.h"

#include "app/forms.h"
#include "app/workspace_fade_set.h"
#include "engine/file_replace.h"
#include "ui/file_dialog.h"
#include "workspace/tintarawin.h"

#include <QFile>
#include <QFileInfo>

namespace tintara
{

namespace
{

const QString kFilter = QStringLiteral("Tintara Fades (*.tnf*)");
const QString kSaveTitle = QStringLiteral("Save tintara fade...");
const QString kOpenTitle = QStringLiteral("Open a tintara fade...");

std::string localPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

FadeSetCommands::FadeSetCommands(Forms &forms) : forms_(forms) {}

void FadeSetCommands::mnu_saveset_Click()
{
    QWidget *parent = forms_.tintarawin();
    FileDialog &dialog = forms_.fileDialog();
    const QString chosen =
        dialog.getSaveFileName(parent, {kSaveTitle, kFilter, commonDialog1FileName_});
    if (chosen.isEmpty()) {
        return;
    }
    const QString name = QString::fromStdString(withTnfExtension(chosen.toStdString()));
    commonDialog1FileName_ = name;
    // The dialog asked about the name the user chose; a longer name that
    // already exists is another file, so ask about it too.
    if (name != chosen && QFileInfo::exists(name) &&
        !dialog.confirmOverwrite(parent, kSaveTitle, name)) {
        return;
    }
    try {
        saveFadeSetFile(workspaceFadeSet(forms_), localPath(name));
    } catch (const FileError &) {
        // The old file is left exactly as it was; the command stays silent.
    }
}

void FadeSetCommands::mnu_openpre_Click()
{
    const QString chosen = forms_.fileDialog().getOpenFileName(
        forms_.tintarawin(), {kOpenTitle, kFilter, commonDialog1FileName_});
    if (chosen.isEmpty()) {
        return;
    }
    commonDialog1FileName_ = chosen;
    applyFadeSetReading(forms_, loadFadeSetFile(localPath(chosen)));
}

} // namespace tintara
