#pragma once

#include <QLockFile>
#include <QString>

namespace tintara
{

// One running instance per user, decided by a lock file that the operating
// system releases with the process: a crashed instance leaves a stale file,
// which the next start recognises and takes over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath);

    // True when this process may run: it now holds the lock, or no lock file
    // can be made at all (then running beats refusing to start).
    bool acquire();

    // In the user's runtime folder, or in the shared temporary folder with
    // the user's id in the name.
    static QString defaultLockPath();

private:
    QLockFile lock_;
};

// Ends the process at once, silently, when another instance holds the lock.
void endIfAlreadyRunning(SingleInstance &instance);

} // namespace tintara
