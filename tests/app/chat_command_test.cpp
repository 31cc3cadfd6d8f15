#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "support/controls.h"
#include "support/forms_with_fakes.h"
#include "workspace/tintarawin.h"

#include "support/simulated_chat_client.h"
#include "support/stepping_clock.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

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
        const QString coded = QString::fromStdString(fakes.forms.htmlwin()->codedText());
        QVERIFY(coded.contains(QStringLiteral("</Font>")));

        send(fakes.forms);
        QCOMPARE(client.sentLines().size(), 1u);
        QString expected = coded;
        expected.remove(QStringLiteral("</Font>"));
        QCOMPARE(QString::fromStdString(client.sentLines().front()), expected);
        QCOMPARE(tree.text(room.input), "half a li");
        QCOMPARE(QString::fromStdString(fakes.forms.htmlwin()->codedText()), coded);
    }

    void endsQuietlyWithoutAChatClient()
    {
        FormsWithFakes fakes; // this system's own window layer: no client can be running
        fakes.forms.htmlwin()->setCodedText("<Font Color=#FF0000>x</Font>");
        send(fakes.forms);
        QCOMPARE(QString::fromStdString(fakes.forms.htmlwin()->codedText()),
                 "<Font Color=#FF0000>x</Font>");
    }
};

QTEST_MAIN(ChatCommandTest)
#include "chat_command_test.moc"
