#include "support/fake_seams.h"
#include "ui/file_dialog.h"

#include "ui/frameless_form.h"
#include "ui/look.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tintara;

class FileDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void aSaveNameGainsTheSuffixAndALongerNameThatExistsIsAskedAbout_data()
    {
        QTest::addColumn<QString>("chosen"); // in the dialog; "" cancels
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("existing"); // a file there before
        QTest::addColumn<bool>("replace");     // the answer to a question
        QTest::addColumn<QString>("name");     // to save under; "" for none
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("offeredNext"); // by the next dialog

        QTest::newRow("suffix added") << "page"
                                      << ".html"
                                      << "" << false << "page.html" << false << "page.html";
        QTest::newRow("suffix there")
            << "page.html"
            << ".html"
            << "page.html" << false << "page.html" << false << "page.html";
        QTest::newRow("case counts")
            << "PAGE.HTML"
            << ".html"
            << "" << false << "PAGE.HTML.html" << false << "PAGE.HTML.html";
        QTest::newRow("another suffix")
            << "a.tnf.bak"
            << ".tnf"
            << "" << false << "a.tnf.bak.tnf" << false << "a.tnf.bak.tnf";
        QTest::newRow("the suffix alone") << ".tnf"
                                          << ".tnf"
                                          << "" << false << ".tnf" << false << ".tnf";
        QTest::newRow("a longer name that exists, kept")
            << "myset"
            << ".tnf"
            << "myset.tnf" << false << "" << true << "myset.tnf";
        QTest::newRow("a longer name that exists, replaced")
            << "myset"
            << ".tnf"
            << "myset.tnf" << true << "myset.tnf" << true << "myset.tnf";
        QTest::newRow("cancelled") << ""
                                   << ".tnf"
                                   << "" << false << "" << false << "last.tnf";
    }

    void aSaveNameGainsTheSuffixAndALongerNameThatExistsIsAskedAbout()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, suffix);
        QFETCH(QString, existing);
        QFETCH(bool, replace);
        QFETCH(QString, name);
        QFETCH(bool, asked);
        QFETCH(QString, offeredNext);

        QTemporaryDir dir;
        const auto path = [&dir](const QString &file) {
            return file.isEmpty() ? QString() : dir.filePath(file);
        };
        if (!existing.isEmpty()) {
            QFile file(path(existing));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ScriptedFileDialog dialog;
        dialog.setNextFileName(path(chosen));
        dialog.setOverwriteAnswer(replace);
        FileDialogRequest request{QStringLiteral("Save..."), QStringLiteral("Any (*)"),
                                  path(QStringLiteral("last.tnf"))};

        QCOMPARE(chooseSaveName(dialog, nullptr, request, suffix), path(name));
        QCOMPARE(dialog.requests.size(), 1);
        QCOMPARE(dialog.requests.first().fileName, path(QStringLiteral("last.tnf")));
        QCOMPARE(dialog.overwriteQuestions, asked ? QStringList{path(existing)} : QStringList());
        QCOMPARE(request.fileName, path(offeredNext));
    }

    // Opened from a form, the real dialog keeps the desktop's look (its name
    // box is not drawn in the forms' grey) and opens wide enough for its
    // size and type columns.
    void theRealDialogLooksLikeTheDesktopsAndHasRoomForItsColumns()
    {
        FramelessForm form(QStringLiteral("form"), QStringLiteral("form"), QSize(150, 100));
        form.show();
        QColor nameBox;
        int width = 0;
        QTimer fish;
        QObject::connect(&fish, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                nameBox = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                              ->palette()
                              .color(QPalette::Base);
                width = dialog->width();
                dialog->reject();
            }
        });
        fish.start(10);
        SystemFileDialog system;
        QCOMPARE(system.getSaveFileName(&form, {QStringLiteral("Save"), {}, {}}), QString());
        QVERIFY(nameBox.isValid());
        QVERIFY(nameBox != QColor(kFormBack));
        QVERIFY(width >= QFontMetrics(QApplication::font()).averageCharWidth() * 90);
    }
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
