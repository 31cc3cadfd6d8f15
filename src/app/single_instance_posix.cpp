#include "app/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <unistd.h>

namespace tintara
{

struct SingleInstance::Claim {
    explicit Claim(const QString &path) : lock(path)
    {
        // A live owner is told apart by its process, never by the file's age.
        lock.setStaleLockTime(0);
    }
    QLockFile lock;
};

SingleInstance::SingleInstance(const QString &name) : claim_(std::make_unique<Claim>(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return claim_->lock.tryLock(0) || claim_->lock.error() != QLockFile::LockFailedError;
}

QString SingleInstance::defaultName()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return runtime + QStringLiteral("/tintara.lock");
    }
    return QDir::tempPath() + QStringLiteral("/tintara-%1.lock").arg(getuid());
}

} // namespace tintara
