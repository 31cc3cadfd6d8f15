#include "menu/mainmenu.h"
#include "preview/htmlwin.h"
#include "support/forms_with_fakes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tintara;

namespace
{

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class SaveCodingTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWithFakes> fakes;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString &name) const { return dir->filePath(name); }
    void saveAs(const QString &name)
    {
        fakes->dialog->setNextFileName(name.isEmpty() ? QString() : path(name));
        fakes->forms.mainmenu()->action("mnu_savehtml")->trigger();
    }
    QStringList files() const
    {
        return QDir(dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        fakes = std::make_unique<FormsWithFakes>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void cleanup()
    {
        fakes.reset();
        dir.reset();
    }

    void theBoxIsSavedWithOneLineEndAfterTheDialogAsked()
    {
        saveAs("page");
        QCOMPARE(contents(path("page.html")), QByteArray(".::html displayer::.\r\n"));
        QCOMPARE(files(), QStringList({"page.html"}));
        QCOMPARE(fakes->dialog->requests.size(), 1);
        const FileDialogRequest &request = fakes->dialog->requests.first();
        QCOMPARE(request.title, "Save as a html document...");
        QCOMPARE(request.filter, "Html Documents (*.html*)");
        QCOMPARE(request.fileName, "");
        QVERIFY(fakes->dialog->overwriteQuestions.isEmpty());
    }

    void anEmptyBoxGivesTwoBytesAndTextIsWrittenAsUtf8()
    {
        fakes->forms.htmlwin()->setCodedText("");
        saveAs("empty.html");
        QCOMPARE(contents(path("empty.html")), QByteArray("\r\n"));

        fakes->forms.htmlwin()->setCodedText("<Font Color=#FF0000>é</Font>");
        saveAs("PAGE.HTML");
        QCOMPARE(contents(path("PAGE.HTML.html")),
                 QByteArray("<Font Color=#FF0000>\xc3\xa9</Font>\r\n"));
    }

    void aSecondSaveOffersTheLastNameAndReplacesTheFile()
    {
        saveAs("page");
        fakes->forms.htmlwin()->setCodedText("second");
        saveAs("page.html");
        QCOMPARE(fakes->dialog->requests.at(1).fileName, path("page.html"));
        QCOMPARE(contents(path("page.html")), QByteArray("second\r\n"));
        QVERIFY(fakes->dialog->overwriteQuestions.isEmpty());
    }

    void cancellingWritesNothing()
    {
        saveAs(QString());
        QVERIFY(files().isEmpty());
    }

    void aFailedSaveIsSilentAndLeavesNothingBehind()
    {
        saveAs("missing/page.html");
        QVERIFY(files().isEmpty());

        // A name taken by a folder cannot be replaced by a file.
        QVERIFY(QDir(dir->path()).mkdir("taken.html"));
        saveAs("taken.html");
        QCOMPARE(files(), QStringList({"taken.html"}));
        QVERIFY(QFileInfo(path("taken.html")).isDir());
    }
};

QTEST_MAIN(SaveCodingTest)
#include "save_coding_test.moc"
