#include "ui/window_procedures.h"

#include <QLabel>
#include <QMouseEvent>
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

// A mouse event at `global`, with `buttons` held once it has happened.
void sendMouse(QWidget *form, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(global - form->pos()), QPointF(global), button, buttons, {});
    QCoreApplication::sendEvent(form, &event);
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

    // However the press ends, the window stops following the pointer: a tap
    // (press and release with no move between), a release that never comes
    // but a move without buttons, or losing the grab or the focus.
    void aWindowFollowsThePointerOnlyWhileAButtonIsHeld_data()
    {
        QTest::addColumn<QEvent::Type>("end");
        QTest::newRow("a release before any move") << QEvent::MouseButtonRelease;
        QTest::newRow("a move without buttons") << QEvent::MouseMove;
        QTest::newRow("the grab lost") << QEvent::UngrabMouse;
        QTest::newRow("the window deactivated") << QEvent::WindowDeactivate;
    }

    void aWindowFollowsThePointerOnlyWhileAButtonIsHeld()
    {
        QFETCH(QEvent::Type, end);
        QWidget form(nullptr, Qt::Window | Qt::FramelessWindowHint);
        form.setGeometry(100, 100, 160, 120);
        enableDragging(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        sendMouse(&form, QEvent::MouseButtonPress, QPoint(150, 150), Qt::LeftButton);
        if (end == QEvent::MouseMove || end == QEvent::MouseButtonRelease) {
            sendMouse(&form, end, QPoint(150, 150), Qt::NoButton);
        } else {
            QEvent lost(end);
            QCoreApplication::sendEvent(&form, &lost);
        }
        sendMouse(&form, QEvent::MouseMove, QPoint(200, 180), Qt::NoButton);
        QCOMPARE(form.pos(), QPoint(100, 100));
        // Even a held button does not revive the ended drag.
        sendMouse(&form, QEvent::MouseMove, QPoint(220, 190), Qt::LeftButton);
        QCOMPARE(form.pos(), QPoint(100, 100));
    }
};

QTEST_MAIN(WindowProceduresTest)
#include "window_procedures_test.moc"
