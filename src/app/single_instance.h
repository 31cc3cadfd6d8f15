#pragma once

#include <QString>

#include <cstdlib>
#include <memory>

namespace tintara
{

// One running instance per user session. Each system keeps the claim in
// something it lets go of when the process ends, however it ends, so a killed
// instance never blocks the next start:
// - on Linux and other POSIX systems, a lock file in the user's runtime folder
//   (QLockFile: a stale file, whose process is gone, is taken over);
// - on Windows, a named mutex in the session's "Local\" namespace, which the
//   system frees with its last handle. A lock file would not do there: a killed
//   instance leaves it behind, and a later process that happens to get the same
//   process id takes the stale lock for its own running instance.
class SingleInstance
{
public:
    // `name` names the claim: a lock file's path on POSIX systems, a mutex's
    // name on Windows.
    explicit SingleInstance(const QString &name);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this process may run: it now holds the claim, or no claim can
    // be made at all (then running beats refusing to start).
    bool acquire();

    // POSIX: in the user's runtime folder, or in the shared temporary folder
    // with the user's id in the name. Windows: the user's name in the session.
    static QString defaultName();

private:
    struct Claim;
    std::unique_ptr<Claim> claim_;
};

// Ends the process at once, silently, when another instance holds the claim.
inline void endIfAlreadyRunning(SingleInstance &instance)
{
    if (!instance.acquire()) {
        std::exit(0);
    }
}

} // namespace tintara
