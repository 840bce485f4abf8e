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

    // Takes the guard. False when another running copy holds it (or the lock
    // file cannot be created at all); true when this object now holds it or
    // already did.
    bool acquire();
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
