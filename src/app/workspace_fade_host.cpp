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
    forms_.htmlwin()->setCodedText(std::move(text));
}

void WorkspaceFadeHost::yield()
{
    forms_.yieldToEvents();
}

} // namespace tintara
