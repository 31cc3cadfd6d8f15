#pragma once

#include <QString>

#include <string>

class QWidget;

namespace tintara
{

class FileDialog;
class MainMenu;

// The name a coded-text document is saved under: ".html" is appended unless
// the name already ends in exactly ".html" (case counts).
QString htmlDocumentName(const QString &chosen);

// Writes the UTF-8 text and a CRLF line end. The file is replaced as a whole
// or not at all, so a failure never leaves a half-written file.
bool writeHtmlDocument(const QString &path, const std::string &text);

// "&save coding...": asks for a name and saves the coded text there. Every
// failure, cancelling included, ends the command silently.
void saveCoding(QWidget *parent, FileDialog &dialog, MainMenu &menu, const std::string &codedText);

} // namespace tintara
