#include "app/single_instance.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace tintara;

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void aSecondInstanceIsRefusedUntilTheFirstEnds()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath("tintara.lock");
        auto first = std::make_unique<SingleInstance>(lock);
        QVERIFY(first->acquire());
        SingleInstance second(lock);
        QVERIFY(!second.acquire());
        first.reset();
        QVERIFY(second.acquire());
    }

    void aLockLeftByAKilledInstanceIsTakenOver()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath("tintara.lock");
        const pid_t child = fork();
        if (child == 0) {
            QLockFile held(lock);
            _exit(held.tryLock(0) ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(lock));

        SingleInstance next(lock);
        QVERIFY(next.acquire());
    }

    void withoutAPlaceForTheLockTheProgramStillRuns()
    {
        SingleInstance instance(QStringLiteral("/nonexistent-folder/tintara.lock"));
        QVERIFY(instance.acquire());
    }

    void theLockIsPerUser()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QCOMPARE(SingleInstance::defaultName(), runtime.filePath("tintara.lock"));
        qunsetenv("XDG_RUNTIME_DIR");
        QVERIFY(SingleInstance::defaultName().endsWith(
            QStringLiteral("/tintara-%1.lock").arg(getuid())));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
