#include "preview/htmlwin.h"
#include "support/workspace_driver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace tintara;

Q_DECLARE_METATYPE(tintara::ColorValue)

namespace
{

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The colours of a fade set written the way the program writes one:
// slot k is (20k, 10k + 5, 250 - 15k).
ColorValue writtenColour(int slot)
{
    return rgb(20 * slot, 10 * slot + 5, 250 - 15 * slot);
}

Slots writtenPalette()
{
    Slots palette{};
    for (int slot = 1; slot <= kMaxColors; ++slot) {
        palette[slot - 1] = writtenColour(slot);
    }
    return palette;
}

// Count 4, the colours above and bold on.
QByteArray writtenFile()
{
    QByteArray text = "[famount]\r\nFDAMT=4\r\n";
    const std::array<std::pair<const char *, const char *>, 3> components{
        {{"rdclrs", "RD"}, {"grnclrs", "GRN"}, {"blclrs", "BL"}}};
    for (std::size_t c = 0; c < components.size(); ++c) {
        text += QByteArray("[") + components[c].first + "]\r\n";
        for (int slot = 1; slot <= kMaxColors; ++slot) {
            const RgbTriple colour = splitColor(writtenColour(slot));
            const int value = c == 0 ? colour.red : c == 1 ? colour.green : colour.blue;
            text += components[c].second + QByteArray::number(slot) + "=" +
                    QByteArray::number(value) + "\r\n";
        }
    }
    return text + "[fweight]\r\nBOLD=1\r\nITALIC=0\r\nSTRIKE=0\r\nUNDERLINE=0\r\n";
}

QByteArray edited(QByteArray text, const QByteArray &from, const QByteArray &to)
{
    return text.replace(from, to);
}

bool aDialogIsShown()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->inherits("QDialog")) {
            return true;
        }
    }
    return false;
}

} // namespace

class FadeSetCommandsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WorkspaceDriver> run;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString &name) const { return dir->filePath(name); }
    QStringList files() const
    {
        return QDir(dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    void saveAs(const QString &name)
    {
        run->dialog->setNextFileName(name.isEmpty() ? QString() : path(name));
        run->choose("mnu_saveset");
        QVERIFY(!aDialogIsShown());
    }
    void open(const QString &name)
    {
        run->dialog->setNextFileName(name.isEmpty() ? QString() : path(name));
        run->choose("mnu_openpre");
        QVERIFY(!aDialogIsShown());
    }
    QString fade()
    {
        QTest::mouseClick(control(run->win, "btnfade"), Qt::LeftButton);
        return QString::fromStdString(run->fakes->forms.htmlwin()->codedText());
    }
    // Count 6, slot 6 being edited, every slot (7, 7, 7) and italic on: a
    // state that no test file holds.
    void makeDistinctState()
    {
        run->bar("colors1")->setValue(6);
        for (int slot = 1; slot <= kMaxColors; ++slot) {
            run->win->setSlotColour(slot, rgb(7, 7, 7));
        }
        run->choose("mnu_cnum6");
        run->setStyle(Style::Italic, true);
    }

private slots:
    void init()
    {
        run = std::make_unique<WorkspaceDriver>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void cleanup()
    {
        run.reset();
        dir.reset();
    }

    void aSavedSetOpensAgainAndFadesAlike()
    {
        run->bar("colors1")->setValue(4);
        run->paintSlot(1, 255, 0, 0);
        run->paintSlot(2, 0, 128, 0);
        run->paintSlot(3, 1, 2, 3);
        run->paintSlot(4, 0, 0, 255);
        run->win->setSlotColour(9, rgb(9, 9, 9));
        run->setStyle(Style::Bold, true);
        run->setStyle(Style::Underline, true);
        run->choose("mnu_cnum3");
        run->choose("mnu_blendoklch");
        run->win->txtfade1()->setText(QStringLiteral("round trip"));
        const Slots palette = run->palette();
        const QString coded = fade();

        saveAs("myset");
        QCOMPARE(files(), QStringList({"myset.tnf"}));
        QVERIFY(contents(path("myset.tnf"))
                    .startsWith("[famount]\r\nFDAMT=4\r\n[rdclrs]\r\nRD1=255\r\n"));
        QVERIFY(contents(path("myset.tnf")).contains("[fblend]\r\nBLEND=oklch\r\n"));

        run->choose("mnu_defaults");
        run->choose("mnu_blendrgb");
        run->setStyle(Style::Bold, false);
        QCOMPARE_NE(fade(), coded);

        open("myset.tnf");
        QCOMPARE(run->bar("colors1")->value(), 4);
        QCOMPARE(run->label("lblcolors1"), "use: 4 colors");
        QCOMPARE(run->palette(), palette);
        QVERIFY(run->styleOn(Style::Bold));
        QVERIFY(!run->styleOn(Style::Italic));
        QVERIFY(!run->styleOn(Style::Strike));
        QVERIFY(run->styleOn(Style::Underline));
        QCOMPARE(run->menu->blend(), Blend::OkLch);
        QVERIFY(run->editing(1));
        QCOMPARE(run->bar("red1")->value(), 255);
        QCOMPARE(fade(), coded);
        run->win->tmrclr_Timer();
        QCOMPARE(run->palette(), palette);
    }

    void theDialogOffersTheLastNameAndSavesUnderATnfName()
    {
        saveAs("myset");
        saveAs("other.tnf");
        saveAs("MYSET.TNF");
        QCOMPARE(files(), QStringList({"myset.tnf", "MYSET.TNF.tnf", "other.tnf"}));
        open("other.tnf");
        saveAs(QString());
        open(QString());

        const QList<FileDialogRequest> &requests = run->dialog->requests;
        QCOMPARE(requests.size(), 6);
        const QStringList offered = {"",
                                     path("myset.tnf"),
                                     path("other.tnf"),
                                     path("MYSET.TNF.tnf"),
                                     path("other.tnf"),
                                     path("other.tnf")};
        for (int i = 0; i < requests.size(); ++i) {
            QCOMPARE(requests[i].fileName, offered[i]);
            QCOMPARE(requests[i].filter, "Tintara Fades (*.tnf*)");
        }
        QCOMPARE(requests[0].title, "Save tintara fade...");
        QCOMPARE(requests[3].title, "Open a tintara fade...");
        QVERIFY(run->dialog->overwriteQuestions.isEmpty());
    }

    void cancellingChangesNothing()
    {
        makeDistinctState();
        const Slots before = run->palette();
        saveAs(QString());
        QVERIFY(files().isEmpty());
        open(QString());
        QCOMPARE(run->palette(), before);
        QCOMPARE(run->bar("colors1")->value(), 6);
        QVERIFY(run->editing(6));
    }

    void aFileThatCannotBeReadChangesNothing()
    {
        makeDistinctState();
        const Slots before = run->palette();
        QVERIFY(QDir(dir->path()).mkdir("folder.tnf"));
        for (const char *name : {"missing.tnf", "folder.tnf"}) {
            open(name);
            QCOMPARE(run->palette(), before);
            QCOMPARE(run->bar("colors1")->value(), 6);
            QVERIFY(run->editing(6));
            QVERIFY(run->styleOn(Style::Italic));
        }
    }

    void handEditedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("loaded"); // palette and styles replaced
        QTest::addColumn<ColorValue>("slot3");
        QTest::addColumn<bool>("bold");

        const QByteArray file = writtenFile();
        const ColorValue slot3 = writtenColour(3);
        QTest::newRow("as written") << file << 4 << true << slot3 << true;
        QTest::newRow("the count already set")
            << edited(file, "FDAMT=4", "FDAMT=6") << 6 << true << slot3 << true;
        QTest::newRow("a count out of range")
            << edited(file, "FDAMT=4", "FDAMT=11") << 6 << false << slot3 << false;
        QTest::newRow("no BL7") << edited(file, "BL7=145\r\n", "") << 4 << false << slot3 << false;
        QTest::newRow("foreign INI file")
            << QByteArray("[boot]\r\nshell=Explorer.exe\r\n") << 6 << false << slot3 << false;
    }

    void handEditedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        QFETCH(bool, loaded);
        QFETCH(ColorValue, slot3);
        QFETCH(bool, bold);

        makeDistinctState();
        const Slots before = run->palette();
        write(path("hand.tnf"), file);
        open("hand.tnf");

        QCOMPARE(run->bar("colors1")->value(), count);
        QCOMPARE(run->label("lblcolors1"), QStringLiteral("use: %1 colors").arg(count));
        for (int slot = 1; slot <= kMaxColors; ++slot) {
            QCOMPARE(run->menu->cnum(slot)->isEnabled(), slot <= count);
        }
        Slots expected = before;
        if (loaded) {
            expected = writtenPalette();
            expected[2] = slot3;
        }
        QCOMPARE(run->palette(), expected);
        QCOMPARE(run->styleOn(Style::Bold), bold);
        QCOMPARE(run->styleOn(Style::Italic), !loaded);
        QVERIFY(!run->styleOn(Style::Strike));
        QVERIFY(!run->styleOn(Style::Underline));
        // Loading or a new count makes slot 1 current; nothing at all keeps slot 6.
        QVERIFY(run->editing(loaded || count != 6 ? 1 : 6));
        QCOMPARE(contents(path("hand.tnf")), file);
    }

    void loadingWhileSlotSixIsCurrentPutsTheFileColourInSlotSix()
    {
        QByteArray file = edited(writtenFile(), "FDAMT=4", "FDAMT=8");
        write(path("eight.tnf"), file);
        run->bar("colors1")->setValue(6);
        run->choose("mnu_cnum6");
        run->editColour(1, 2, 3); // not yet stored by a tick
        open("eight.tnf");
        run->win->tmrclr_Timer();
        QCOMPARE(run->win->slotColour(6), writtenColour(6));
        QCOMPARE(run->palette(), writtenPalette());
        QVERIFY(run->editing(1));
    }

    void aFailedSaveLeavesTheOldFileAndSaysNothing()
    {
        write(path("locked.tnf"), "[famount]\r\nFDAMT=7\r\n");
        QVERIFY(QFile::setPermissions(path("locked.tnf"), QFile::ReadOwner | QFile::ReadGroup));
        saveAs("locked.tnf");
        QCOMPARE(contents(path("locked.tnf")), QByteArray("[famount]\r\nFDAMT=7\r\n"));

        QVERIFY(QDir(dir->path()).mkdir("taken.tnf"));
        saveAs("taken.tnf");
        QVERIFY(QFileInfo(path("taken.tnf")).isDir());

        saveAs("missing/set.tnf");
        QCOMPARE(files(), QStringList({"locked.tnf", "taken.tnf"}));
        QVERIFY(QDir(path("taken.tnf")).isEmpty());
        QVERIFY(run->editing(1));
    }
};

QTEST_MAIN(FadeSetCommandsTest)
#include "fade_set_commands_test.moc"
