#include "app/single_instance.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <unistd.h>

namespace tintara
{

SingleInstance::SingleInstance(const QString &lockPath) : lock_(lockPath)
{
    // A live owner is told apart by its process, never by the file's age.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

QString SingleInstance::defaultLockPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return runtime + QStringLiteral("/tintara.lock");
    }
    return QDir::tempPath() + QStringLiteral("/tintara-%1.lock").arg(getuid());
}

void endIfAlreadyRunning(SingleInstance &instance)
{
    if (!instance.acquire()) {
        std::exit(0);
    }
}

} // namespace tintara
