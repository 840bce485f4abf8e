#include "kwitola/core/singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace kwitola {

SingleInstance::SingleInstance(QString lockPath) : m_lockPath(std::move(lockPath)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::tryAcquire()
{
    if (isHeld()) {
        return Outcome::Acquired;
    }
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    auto lock = std::make_unique<QLockFile>(m_lockPath);
    // The program holds the lock for its whole run, so a lock's age says
    // nothing: only a holder that no longer runs makes it stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        return lock->error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere
                                                           : Outcome::Unavailable;
    }
    m_lock = std::move(lock);
    return Outcome::Acquired;
}

void SingleInstance::release()
{
    m_lock.reset(); // unlocks
}

bool SingleInstance::isHeld() const
{
    return m_lock && m_lock->isLocked();
}

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("Kwitola.lock"));
}

} // namespace kwitola
