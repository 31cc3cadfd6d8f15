#include "about/aboutwin.h"
#include "app/introduction.h"
#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "preview/previewwin.h"
#include "support/controls.h"
#include "support/forms_with_fakes.h"
#include "ui/artwork.h"
#include "ui/label_button.h"
#include "workspace/tintarawin.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>

using namespace tintara;

// Every caption the program can show fits its control with the fonts the
// program carries. ctest runs this at scale 1 and 2 (QT_SCALE_FACTOR).
class CaptionFitTest : public QObject
{
    Q_OBJECT

private:
    QStringList misfits;

    void checkText(const QString &where, const QString &text, const QFont &font, QSizeF room)
    {
        const QFontMetricsF metrics(font);
        const QSizeF needed(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
        if (needed.width() > room.width() || needed.height() > room.height() + 1) {
            misfits.append(QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                               .arg(where, text)
                               .arg(needed.width())
                               .arg(needed.height())
                               .arg(room.width())
                               .arg(room.height()));
        }
    }

    void checkLabels(const QWidget *form)
    {
        for (const QLabel *label : form->findChildren<QLabel *>()) {
            if (!label->text().isEmpty()) {
                checkLabel(form, label);
            }
        }
    }

    void checkLabel(const QWidget *form, const QLabel *label)
    {
        checkText(form->objectName() + QLatin1Char('.') + label->objectName(), label->text(),
                  label->font(), label->contentsRect().size());
    }

    void checkMenu(const QMenu *menu)
    {
        for (const QAction *entry : menu->actions()) {
            if (entry->isSeparator()) {
                continue;
            }
            QString caption = entry->text();
            caption.remove(QLatin1Char('&'));
            checkText(entry->objectName(), caption, menu->font(),
                      menu->actionGeometry(const_cast<QAction *>(entry)).size());
            if (entry->menu() != nullptr) {
                checkMenu(entry->menu());
            }
        }
    }

private slots:
    void everyCaptionFitsItsControl()
    {
        FormsWithFakes fakes;
        checkLabels(fakes.forms.tintarawin());
        checkLabels(fakes.forms.htmlwin());
        checkLabels(fakes.forms.previewwin());
        checkMenu(fakes.forms.mainmenu()->mnu());
        checkMenu(fakes.forms.mainmenu()->mnu2());

        fakes.forms.mainmenu()->action(QStringLiteral("mnu_about"))->trigger();
        const QPointer<AboutWin> about = fakes.forms.aboutwin();
        checkLabels(about);
        // The title steps through its 35 credit captions; the last click closes.
        auto *label1 = control<QLabel>(about, "Label1");
        for (int click = 1; click < 35; ++click) {
            QTest::mouseClick(label1, Qt::LeftButton);
            checkLabel(about, label1);
        }
        QCOMPARE(label1->text(), "close");

        Introduction splash;
        for (const SplashCaption &caption : splashCaptions(splash.size())) {
            if (!QRectF(QPointF(0, 0), splash.size()).contains(caption.box)) {
                misfits.append(
                    QStringLiteral("introduction \"%1\" leaves the splash").arg(caption.text));
            }
            checkText(QStringLiteral("introduction"), caption.text, caption.font,
                      caption.box.size());
        }

        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
    }

    // Captions keep clear of what is around them: a label button's caption
    // has room on its plate, and the colour count stays below its bar.
    void captionsDoNotTouchTheirSurroundings()
    {
        FormsWithFakes fakes;
        for (const FramelessForm *form : {static_cast<FramelessForm *>(fakes.forms.tintarawin()),
                                          static_cast<FramelessForm *>(fakes.forms.htmlwin()),
                                          static_cast<FramelessForm *>(fakes.forms.previewwin())}) {
            const QList<LabelButton *> buttons = form->findChildren<LabelButton *>();
            QCOMPARE(form->plates().size(), buttons.size());
            for (qsizetype i = 0; i < buttons.size(); ++i) {
                const QFontMetrics metrics(buttons[i]->font());
                QRect caption(QPoint(), QSize(metrics.horizontalAdvance(buttons[i]->text()),
                                              metrics.height()));
                caption.moveCenter(buttons[i]->geometry().center());
                QVERIFY2(form->plates()[i].adjusted(2, 1, -2, 0).contains(caption),
                         qPrintable(buttons[i]->text()));
            }
        }
        const TintaraWin *main = fakes.forms.tintarawin();
        const auto *count = control<QLabel>(main, "lblcolors1");
        // The letters' top, where the label's alignment sets the caption.
        const QFontMetrics metrics = count->fontMetrics();
        const QRect caption =
            metrics.boundingRect(count->contentsRect(), int(count->alignment()), count->text());
        const int inkTop = count->y() + caption.top() + metrics.ascent() +
                           metrics.tightBoundingRect(count->text()).top();
        QVERIFY(inkTop > control(main, "colors1")->geometry().bottom());
        QVERIFY(count->geometry().bottom() < main->txtfade1()->geometry().top());
    }
};

QTEST_MAIN(CaptionFitTest)
#include "caption_fit_test.moc"
