#include "common/core/atomicfile.h"

#include "common/core/fileerrors.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

Failure failure(const QString& path, int error)
{
    return fail(QStringLiteral("Nie można zapisać pliku %1: %2.")
                    .arg(QFileInfo(path).fileName(), describeSystemError(error)),
                ErrorKind::Failed, error);
}

constexpr int kTempSuffixLength = 6; // mkstemp's XXXXXX

bool isTempSuffix(const char* suffix)
{
    int n = 0;
    for (; suffix[n] != '\0'; ++n) {
        const char c = suffix[n];
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum || n >= kTempSuffixLength) {
            return false;
        }
    }
    return n == kTempSuffixLength;
}

bool olderThan(const struct stat& a, const struct stat& b)
{
    return a.st_mtim.tv_sec < b.st_mtim.tv_sec ||
           (a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec < b.st_mtim.tv_nsec);
}

// Removes temporary files an earlier write of the same target left behind
// when it was killed: regular files named exactly "<target>.XXXXXX" that
// are older than the temporary file of this write, so that a write running
// at the same time in another process keeps its own.
void removeLeftovers(const QByteArray& folder, const QByteArray& fileName, const struct stat& ours)
{
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr) {
        return;
    }
    const QByteArray prefix = fileName + '.';
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strncmp(name, prefix.constData(), static_cast<size_t>(prefix.size())) != 0 ||
            !isTempSuffix(name + prefix.size())) {
            continue;
        }
        struct stat found
        {
        };
        if (::fstatat(::dirfd(dir), name, &found, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(found.st_mode) && olderThan(found, ours)) {
            ::unlinkat(::dirfd(dir), name, 0);
        }
    }
    ::closedir(dir);
}

// Makes the rename itself durable: without this a power cut soon after can
// bring back the old directory entry.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The file is already in place; a folder that cannot be synced
        // (some file systems refuse) is no reason to report a failure.
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes every byte or reports why not; a short write (full disk, size
// limit) is an error, not a success.
bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

} // namespace

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    // The new content goes to a temporary file beside the target, which then
    // replaces the target in one rename.
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return failure(path, errno);
    }
    struct stat ours
    {
    };
    ::fstat(fd, &ours);
    // mkstemp makes the file private; give it the target's permissions.
    struct stat existing
    {
    };
    const mode_t mode =
        ::stat(target.constData(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.constData());
        return failure(path, error);
    }
    if (::close(fd) != 0 || std::rename(temp.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        return failure(path, error);
    }
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    syncFolder(folder);
    removeLeftovers(folder, QFile::encodeName(info.fileName()), ours);
    return {};
}

} // namespace common
