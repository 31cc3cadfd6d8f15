#include "app/workspace_fade_host.h"

#include "app/forms.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLineEdit>

namespace tintara
{

WorkspaceFadeHost::WorkspaceFadeHost(Forms &forms) : forms_(forms) {}

std::string WorkspaceFadeHost::text()
{
    return forms_.tintarawin()->txtfade1()->text().toStdString();
}

void WorkspaceFadeHost::clearText()
{
    forms_.tintarawin()->txtfade1()->setText(QString());
}

int WorkspaceFadeHost::colourCount()
{
    return forms_.tintarawin()->colourCount();
}

ColorValue WorkspaceFadeHost::slotColour(int slot)
{
    return forms_.tintarawin()->slotColour(slot);
}

Blend WorkspaceFadeHost::blend()
{
    return forms_.mainmenu()->blend();
}

bool WorkspaceFadeHost::styleChecked(Style style)
{
    return forms_.mainmenu()->styleAction(style)->isChecked();
}

std::string WorkspaceFadeHost::codedText()
{
    return forms_.htmlwin()->codedText();
}

void WorkspaceFadeHost::setCodedText(std::string text)
{
    HtmlWin *coded = forms_.htmlwin();
    coded->setCodedText(std::move(text));
    // A coded-text window the user closed comes back, where it was, with the
    // next fade; it stays away while the main window is hidden or minimised.
    const TintaraWin *main = forms_.tintarawin();
    if (coded->isHidden() && main->isVisible() && !main->isMinimized()) {
        coded->show();
    }
}

void WorkspaceFadeHost::yield()
{
    forms_.yieldToEvents();
}

} // namespace tintara
