#include "app/single_instance.h"

#include <windows.h>

namespace tintara
{

struct SingleInstance::Claim {
    QString name;
    HANDLE mutex = nullptr;
};

SingleInstance::SingleInstance(const QString &name) : claim_(std::make_unique<Claim>())
{
    claim_->name = name;
}

SingleInstance::~SingleInstance()
{
    if (claim_->mutex != nullptr) {
        CloseHandle(claim_->mutex);
    }
}

bool SingleInstance::acquire()
{
    if (claim_->mutex == nullptr) {
        claim_->mutex =
            CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(claim_->name.utf16()));
        // Whoever made the mutex first runs; every later start finds it there.
        if (claim_->mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
            CloseHandle(claim_->mutex);
            claim_->mutex = nullptr;
            return false;
        }
    }
    return true;
}

QString SingleInstance::defaultName()
{
    // Backslashes are not allowed in a mutex's own name, past its namespace.
    QString user = qEnvironmentVariable("USERNAME");
    user.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("Local\\tintara-deluxe-") + user;
}

} // namespace tintara
