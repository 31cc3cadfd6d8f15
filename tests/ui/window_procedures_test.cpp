#include "ui/window_procedures.h"

#include <QLabel>
#include <QTest>

using namespace tintara;

namespace
{

// Presses `button` on `widget` at `at`, moves by `by` and releases there.
void drag(QWidget *widget, Qt::MouseButton button, QPoint at, QPoint by)
{
    QTest::mousePress(widget, button, {}, at);
    QTest::mouseMove(widget, at + by);
    QTest::mouseRelease(widget, button, {}, at + by);
}

} // namespace

class WindowProceduresTest : public QObject
{
    Q_OBJECT

private slots:
    void keepOnTopLeavesAShownWindowShown()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        keepOnTop(&window);
        QVERIFY(window.isVisible());
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void aWindowMovesByItsBodyOrTitleWithAnyButton()
    {
        QWidget form(nullptr, Qt::Window | Qt::FramelessWindowHint);
        form.setGeometry(100, 100, 160, 120);
        auto *title = new QLabel(QStringLiteral("a title"), &form);
        title->setObjectName(QStringLiteral("title"));
        title->setGeometry(10, 5, 100, 12);
        auto *label = new QLabel(QStringLiteral("a label"), &form);
        label->setGeometry(10, 40, 60, 12);
        auto *control = new QWidget(&form);
        control->setGeometry(10, 70, 60, 20);
        enableDragging(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        drag(title, Qt::LeftButton, QPoint(5, 5), QPoint(30, 20));
        QCOMPARE(form.pos(), QPoint(130, 120));
        drag(&form, Qt::RightButton, QPoint(120, 100), QPoint(10, -10));
        QCOMPARE(form.pos(), QPoint(140, 110));

        // Other labels and controls are not handles for the window.
        for (QWidget *other : {static_cast<QWidget *>(label), control}) {
            drag(other, Qt::LeftButton, QPoint(3, 3), QPoint(20, 10));
            QCOMPARE(form.pos(), QPoint(140, 110));
        }
    }
};

QTEST_MAIN(WindowProceduresTest)
#include "window_procedures_test.moc"
