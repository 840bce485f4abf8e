#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace kwitola {

// Keeps a second copy of the program from running beside the first. The
// guard is a lock file that names the process holding it, so a copy that
// died without releasing it does not keep the next one from starting.
class SingleInstance final
{
public:
    // lockPath: the lock file; every copy of the program must use the same.
    explicit SingleInstance(QString lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    enum class Outcome {
        Acquired,      // this object holds the guard (now or already)
        HeldElsewhere, // another running copy holds it
        Unavailable,   // the lock file cannot be made at all
    };

    // Takes the guard.
    Outcome tryAcquire();
    // True when this object holds the guard afterwards.
    bool acquire() { return tryAcquire() == Outcome::Acquired; }
    // Gives the guard up; a later acquire by any copy succeeds.
    void release();
    bool isHeld() const;

    const QString& lockPath() const { return m_lockPath; }

    // One file per user in the user's runtime (or temporary) folder.
    static QString defaultLockPath();

private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace kwitola
