#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "shell/controls.h"
#include "shell/fake_seams.h"
#include "workspace/tintarawin.h"

#include "chat/simulated_chat_client.h"
#include "chat/stepping_clock.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace tintara;

class ChatCommandTest : public QObject
{
    Q_OBJECT

private:
    static void send(Forms &forms)
    {
        forms.mainmenu()->action(QStringLiteral("mnu_aolchat"))->trigger();
    }

private slots:
    void sendsTheFadedLineToTheChatRoomAndPutsTheUsersTextBack()
    {
        FormsWithFakes fakes;
        auto windows = std::make_unique<FakeWindowSystem>();
        FakeWindowSystem &tree = *windows;
        SimulatedChatClient client(tree);
        client.addDocument(RoomChildren{.statics = 1}); // an instant message, not the room
        const SimulatedChatClient::Room room = client.addChatRoom("half a li");
        fakes.forms.setChatWindows(std::move(windows));
        SteppingClock clock(1000.0, 0.1);
        fakes.forms.setClock(clock);

        TintaraWin *main = fakes.forms.tintarawin();
        main->txtfade1()->setText(QStringLiteral("hi"));
        QTest::keyClick(main->txtfade1(), Qt::Key_Return);
        const QString coded = fakes.forms.htmlwin()->codedText();
        QVERIFY(coded.contains(QStringLiteral("</Font>")));

        send(fakes.forms);
        QCOMPARE(client.sentLines().size(), 1u);
        QString expected = coded;
        expected.remove(QStringLiteral("</Font>"));
        QCOMPARE(QString::fromStdString(client.sentLines().front()), expected);
        QCOMPARE(tree.text(room.input), "half a li");
        QCOMPARE(fakes.forms.htmlwin()->codedText(), coded);
    }

    void thePauseBetweenReadsRunsEventsAndEndsOnExit()
    {
        FormsWithFakes fakes; // this system's own window layer, pausing in the program's loop
        WindowSystem &windows = fakes.forms.chatWindows();
        bool ran = false;
        QTimer::singleShot(5, [&ran] { ran = true; }); // due while the pause lasts
        windows.yieldFor(std::chrono::milliseconds(50));
        QVERIFY(ran);

        QTimer::singleShot(0, [&fakes] { fakes.forms.exitProgram(); });
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, windows.yieldFor(std::chrono::milliseconds(50)));
    }

    void endsQuietlyWithoutAChatClient()
    {
        FormsWithFakes fakes; // this system's own window layer: no client can be running
        fakes.forms.htmlwin()->setCodedText(QStringLiteral("<Font Color=#FF0000>x</Font>"));
        send(fakes.forms);
        QCOMPARE(fakes.forms.htmlwin()->codedText(), "<Font Color=#FF0000>x</Font>");
    }
};

QTEST_MAIN(ChatCommandTest)
#include "chat_command_test.moc"
