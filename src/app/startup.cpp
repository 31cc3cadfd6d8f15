#include "app/startup.h"

#include "app/forms.h"
#include "preview/htmlwin.h"
#include "ui/twips.h"
#include "workspace/tintarawin.h"

#include <QScreen>

namespace tintara
{

namespace
{

constexpr int kGapTwips = 20;

void centrePair(QWidget *upper, QWidget *lower, QScreen *screen)
{
    const QRect area = screen->availableGeometry();
    const int height = upper->height() + twipsToPixels(kGapTwips) + lower->height();
    const QPoint topLeft(area.center().x() - upper->width() / 2, area.center().y() - height / 2);
    upper->move(topLeft);
    lower->move(topLeft.x(), lower->y());
}

} // namespace

void showWorkingWindows(Forms &forms, QScreen *screen)
{
    TintaraWin *main = forms.tintarawin();
    HtmlWin *coded = forms.htmlwin();
    if (screen != nullptr && !main->testAttribute(Qt::WA_Moved)) {
        centrePair(main, coded, screen);
    }
    main->show();
    coded->show();
    const QRect frame = main->frameGeometry();
    coded->move(coded->frameGeometry().x(), frame.y() + frame.height() + twipsToPixels(kGapTwips));
}

} // namespace tintara
