#include "app/menu_commands.h"

#include "about/aboutwin.h"
#include "app/display_size.h"
#include "app/fade_set_commands.h"
#include "app/forms.h"
#include "chat/chat_room.h"
#include "engine/contrast.h"
#include "engine/random_colours.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "ui/file_dialog.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>

#include <algorithm>
#include <memory>

namespace tintara
{

namespace
{

template <typename Command> void onEntry(MainMenu &menu, const QString &name, Command command)
{
    QObject::connect(menu.action(name), &QAction::triggered, &menu, std::move(command));
}

// "&save coding...": the coded text and a CRLF line end, in UTF-8, under the
// chosen name with ".html" added unless it ends in exactly ".html". The file
// is replaced whole or not at all, and every failure, cancelling included,
// ends the command silently.
void mnu_savehtml_Click(Forms &forms, FileDialogRequest &commonDialog3)
{
    HtmlWin *coded = forms.htmlwin();
    const QString name =
        chooseSaveName(forms.fileDialog(), coded, commonDialog3, QStringLiteral(".html"));
    if (name.isEmpty()) {
        return;
    }
    const std::string &text = coded->codedText();
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.write("\r\n");
        file.commit();
    }
}

// "randomi&ze colors...": one use of random colours (always thirty draws)
// paints slots 1..count; the slots beyond the count keep their colours.
// Slot 1 is the one being edited afterwards.
void mnu_rand_Click(TintaraWin &win, RandomSource &random)
{
    const Palette drawn = drawRandomPalette(random);
    const int count = win.colourCount();
    for (int slot = 1; slot <= count; ++slot) {
        win.setSlotColour(slot, drawn[slot - 1]);
    }
    win.selectSlot(1);
}

// Up to this many of the characters under the ratio are named one by one.
constexpr std::size_t kNamedCharacters = 20;

QString readabilityLine(const QString &background, const Readability &readability)
{
    const ContrastReport &report = readability.report;
    const QString lowest = QString::fromStdString(formatRatio(report.lowest->ratio));
    const QString ratio = QString::fromStdString(formatRatio(kReadableRatio));
    if (readability.below.empty()) {
        return QStringLiteral("Against %1 the lowest contrast is %2; every character reaches %3.")
            .arg(background, lowest, ratio);
    }
    QStringList named;
    for (std::size_t i = 0; i < std::min(readability.below.size(), kNamedCharacters); ++i) {
        const ElementContrast &element = readability.below[i];
        named.append(QStringLiteral("%1 '%2'")
                         .arg(element.position)
                         .arg(QString::fromUcs4(&element.character, 1)));
    }
    if (readability.below.size() > kNamedCharacters) {
        named.append(
            QStringLiteral("and %1 more").arg(readability.below.size() - kNamedCharacters));
    }
    return QStringLiteral("Against %1 the lowest contrast is %2; %3 characters fall under %4: %5.")
        .arg(background, lowest)
        .arg(readability.below.size())
        .arg(ratio, named.join(QStringLiteral(", ")));
}

// "check &readability...": how readable the current fade (the text box, the
// colours in use and the blend) is on white and on black, in a message box.
void mnu_readable_Click(Forms &forms)
{
    TintaraWin *main = forms.tintarawin();
    std::vector<ColorValue> colours;
    for (int slot = 1; slot <= main->colourCount(); ++slot) {
        colours.push_back(main->slotColour(slot));
    }
    const std::string text = main->txtfade1()->text().toStdString();
    const ReadabilityReport report = readabilityReport(colours, text, forms.mainmenu()->blend());
    const QString message = report.onWhite.report.lowest
                                ? readabilityLine(QStringLiteral("white"), report.onWhite) +
                                      QStringLiteral("\n\n") +
                                      readabilityLine(QStringLiteral("black"), report.onBlack)
                                : QStringLiteral("There is no text to check.");
    QMessageBox::information(forms.htmlwin(), QStringLiteral("check readability"), message);
}

} // namespace

void connectMenuCommands(Forms &forms, MainMenu &menu)
{
    // The menu form lives for the whole run, and so does what its commands
    // keep: the coded-text dialog's last name, the one random generator and
    // the fade-set dialog.
    onEntry(menu, QStringLiteral("mnu_savehtml"),
            [&forms, commonDialog3 = std::make_shared<FileDialogRequest>(
                         FileDialogRequest{QStringLiteral("Save as a html document..."),
                                           QStringLiteral("Html Documents (*.html*)"),
                                           {}})] { mnu_savehtml_Click(forms, *commonDialog3); });
    onEntry(menu, QStringLiteral("mnu_mini"), [&forms] {
        TintaraWin *main = forms.tintarawin();
        main->setWindowState(main->windowState() | Qt::WindowMinimized);
    });
    onEntry(menu, QStringLiteral("mnu_exit"), [&forms] { forms.exitProgram(); });
    // Shown without blocking the other windows; an open one only comes forward.
    onEntry(menu, QStringLiteral("mnu_about"), [&forms] {
        AboutWin *about = forms.aboutwin();
        about->show();
        about->raise();
        about->activateWindow();
    });
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        onEntry(menu, QStringLiteral("mnu_cnum%1").arg(slot),
                [&forms, slot] { forms.tintarawin()->selectSlot(slot); });
    }
    menu.sizeAction(chosenSizePercent())->setChecked(true);
    for (const int percent : kSizePercents) {
        onEntry(menu, QStringLiteral("mnu_size%1").arg(percent),
                [percent] { rememberSizePercent(percent); });
    }
    onEntry(menu, QStringLiteral("mnu_defaults"),
            [&forms] { forms.tintarawin()->restoreDefaults(); });
    onEntry(menu, QStringLiteral("mnu_rand"),
            [&forms, random = std::make_shared<FixedStartRandom>()] {
                mnu_rand_Click(*forms.tintarawin(), *random);
            });
    const auto fadeSets = std::make_shared<FadeSetCommands>(forms);
    onEntry(menu, QStringLiteral("mnu_saveset"), [fadeSets] { fadeSets->mnu_saveset_Click(); });
    onEntry(menu, QStringLiteral("mnu_openpre"), [fadeSets] { fadeSets->mnu_openpre_Click(); });
    onEntry(menu, QStringLiteral("mnu_preview"), [&forms] { forms.runPreview(); });
    // "america online (4/5) chat...": types the coded text into the chat room
    // of a running chat client and sends it; without a client it ends quietly.
    onEntry(menu, QStringLiteral("mnu_readable"), [&forms] { mnu_readable_Click(forms); });
    onEntry(menu, QStringLiteral("mnu_aolchat"), [&forms] {
        sendCodingToChat(forms.htmlwin()->codedText(), forms.chatWindows(), forms.clock());
    });
}

} // namespace tintara
