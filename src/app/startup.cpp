#include "app/startup.h"

#include "app/forms.h"
#include "preview/htmlwin.h"
#include "ui/twips.h"
#include "workspace/tintarawin.h"

#include <QScreen>

#include <algorithm>

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

void placeBelow(QWidget *lower, const QWidget *upper)
{
    const QRect above = upper->frameGeometry();
    QRect placed = lower->frameGeometry();
    placed.moveTopLeft(QPoint(above.x(), above.bottom() + 1 + twipsToPixels(kGapTwips)));
    if (const QScreen *screen = upper->screen()) {
        const QRect area = screen->availableGeometry();
        placed.moveRight(std::min(placed.right(), area.right()));
        placed.moveBottom(std::min(placed.bottom(), area.bottom()));
        placed.moveLeft(std::max(placed.left(), area.left()));
        placed.moveTop(std::max(placed.top(), area.top()));
    }
    lower->move(placed.topLeft());
}

} // namespace tintara
