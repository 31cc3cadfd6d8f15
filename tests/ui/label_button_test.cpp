#include "support/controls.h"
#include "ui/label_button.h"
#include "ui/look.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tintara;

class LabelButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void aLeftClickRunsItsCommandAnyPressDarkensIt()
    {
        QWidget form;
        auto *button = new LabelButton(QStringLiteral("fade"), &form);
        button->resize(40, 15);
        form.show();
        QSignalSpy clicks(button, &LabelButton::clicked);
        QVERIFY(button->font().underline());

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);

        for (const Qt::MouseButton mouse : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mousePress(button, mouse);
            QCOMPARE(textColour(button), kPressedText);
            QTest::mouseRelease(button, mouse);
            QCOMPARE(textColour(button), kText);
        }
        QCOMPARE(clicks.count(), 1);

        // Released away from the label: the colour comes back, no click.
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(textColour(button), kPressedText);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(textColour(button), kText);
        QCOMPARE(clicks.count(), 1);
    }

    void itsAccessKeysClickItAndItsTooltipNamesThem()
    {
        QWidget form;
        auto *button = new LabelButton(QStringLiteral("options"), &form);
        auto *box = new QLineEdit(&form);
        button->setAccessKeys({QKeySequence(Qt::ALT | Qt::Key_O), QKeySequence(Qt::Key_F10)});
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        box->setFocus();
        QSignalSpy clicks(button, &LabelButton::clicked);
        QTest::keyClick(box, Qt::Key_O, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_F10);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(button->toolTip(), "options (Alt+O, F10)");
    }
};

QTEST_MAIN(LabelButtonTest)
#include "label_button_test.moc"
