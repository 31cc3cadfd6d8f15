#include "app/save_coding.h"

#include "menu/mainmenu.h"
#include "ui/file_dialog.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tintara
{

namespace
{

const QString kHtmlSuffix = QStringLiteral(".html");
const QString kDialogTitle = QStringLiteral("Save as a html document...");

} // namespace

QString htmlDocumentName(const QString &chosen)
{
    return chosen.endsWith(kHtmlSuffix, Qt::CaseSensitive) ? chosen : chosen + kHtmlSuffix;
}

bool writeHtmlDocument(const QString &path, const std::string &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.write("\r\n");
    return file.commit();
}

void saveCoding(QWidget *parent, FileDialog &dialog, MainMenu &menu, const std::string &codedText)
{
    const QString chosen = dialog.getSaveFileName(
        parent, {kDialogTitle, QStringLiteral("Html Documents (*.html*)"), menu.codingFileName()});
    if (chosen.isEmpty()) {
        return;
    }
    const QString name = htmlDocumentName(chosen);
    menu.setCodingFileName(name);
    // The dialog asked about the name the user chose; a longer name that
    // already exists is another file, so ask about it too.
    if (name != chosen && QFileInfo::exists(name) &&
        !dialog.confirmOverwrite(parent, kDialogTitle, name)) {
        return;
    }
    writeHtmlDocument(name, codedText);
}

} // namespace tintara
