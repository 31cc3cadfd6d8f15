#include "engine/fade_command.h"
#include "preview/pump_events.h"
#include "preview/rich_text_render.h"

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

using namespace tintara;

namespace
{

// What the box holds: each character with its format.
struct ShownCharacter {
    QChar character;
    QTextCharFormat format;
};

QList<ShownCharacter> shownCharacters(const QTextEdit &box)
{
    QList<ShownCharacter> shown;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (const QChar c : fragment.text()) {
                shown.append({c, fragment.charFormat()});
            }
        }
    }
    return shown;
}

// Coded text asks for Arial; the preview shows the face the program carries.
const QString kArialShown = QStringLiteral("Liberation Sans");

void verifyFormat(const QTextCharFormat &format, const QString &family, bool bold, bool italic,
                  bool underline, bool strike, QColor colour)
{
    QCOMPARE(format.fontFamilies().toStringList(), QStringList{family});
    QCOMPARE(format.fontPointSize(), 10.0);
    QCOMPARE(format.fontWeight(), bold ? QFont::Bold : QFont::Normal);
    QCOMPARE(format.fontItalic(), italic);
    QCOMPARE(format.fontUnderline(), underline);
    QCOMPARE(format.fontStrikeOut(), strike);
    QCOMPARE(format.foreground().color(), colour);
}

} // namespace

class RichTextRenderTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTextEdit> box;

    void render(const std::string &coded) { applyRuns(box.get(), renderCodedText(coded)); }

private slots:
    void init()
    {
        box = std::make_unique<QTextEdit>();
        box->setFont(QFont(QStringLiteral("Verdana"), 8));
        box->setPlainText(QStringLiteral("preview"));
    }

    void cleanup() { box.reset(); }

    void showsEachCharacterInItsFormat()
    {
        const std::optional<std::string> coded =
            fadeLine("Hi", std::vector<ColorValue>{255, 255 << 16},
                     FadeStyles{.bold = true, .italic = true, .strike = true, .underline = true});
        QVERIFY(coded);
        render(*coded);

        QCOMPARE(box->toPlainText(), "Hi");
        const QList<ShownCharacter> shown = shownCharacters(*box);
        QCOMPARE(shown.size(), 2);
        verifyFormat(shown[0].format, kArialShown, true, true, true, true, QColor(128, 0, 128));
        verifyFormat(shown[1].format, kArialShown, true, true, true, true, QColor(0, 0, 255));
    }

    void replacesTheTextAndResetsWhatTypingInserts()
    {
        render("");
        QCOMPARE(box->toPlainText(), QString());
        QCOMPARE(box->font().family(), kArialShown);
        verifyFormat(box->currentCharFormat(), kArialShown, false, false, false, false, Qt::black);

        render(".::html displayer::.");
        QCOMPARE(box->toPlainText(), ".::html displayer::.");
        verifyFormat(shownCharacters(*box).first().format, kArialShown, false, false, false, false,
                     Qt::black);
    }

    void typingAfterwardsContinuesInTheLastFormat()
    {
        render("<Font Face=\"Courier New\"><u>ab</u><font color=#FF8000>c</font>");
        box->setFocus();
        QTest::keyClicks(box.get(), QStringLiteral("d"));
        QCOMPARE(box->toPlainText(), "abcd");
        const QList<ShownCharacter> shown = shownCharacters(*box);
        verifyFormat(shown[0].format, "courier new", false, false, true, false, Qt::black);
        verifyFormat(shown[2].format, "courier new", false, false, false, false,
                     QColor(255, 128, 0));
        verifyFormat(shown[3].format, "courier new", false, false, false, false,
                     QColor(255, 128, 0));
    }

    void aLongFadeGoesInAsOneEditAndStaysWhole()
    {
        std::vector<ColorValue> colours;
        for (int c = 0; c < kMaxColors; ++c) {
            colours.push_back(makeColor(static_cast<std::int16_t>(25 * c), 0, 255));
        }
        const std::string text(3000, 'x');
        const std::optional<std::string> coded = fadeLine(text, colours, FadeStyles{});
        QVERIFY(coded);
        render(*coded);

        QCOMPARE(box->toPlainText(), QString::fromStdString(text));
        const QList<ShownCharacter> shown = shownCharacters(*box);
        verifyFormat(shown.first().format, kArialShown, false, false, false, false,
                     QColor(0, 0, 255));
        verifyFormat(shown.last().format, kArialShown, false, false, false, false,
                     QColor(225, 0, 255));
        // One edit: a single undo takes all of it back.
        box->document()->undo();
        QCOMPARE(box->toPlainText(), QString());
    }

    void showsCharactersBeyondTheBasicPlaneWhole()
    {
        render("<font color=#00ff00>🙂</font>é\u00FF");
        QCOMPARE(box->toPlainText(), QStringLiteral("🙂é\u00FF"));
    }

    void pumpEventsYieldsFiftyTimesToTheEventLoop()
    {
        int yields = 0;
        pumpEvents([&] { ++yields; });
        QCOMPARE(yields, 50);

        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        pumpEvents();
        QVERIFY(ran);
    }
};

QTEST_MAIN(RichTextRenderTest)
#include "rich_text_render_test.moc"
