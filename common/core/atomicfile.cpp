#include "common/core/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

QString failure(const QString& path, int error)
{
    return QStringLiteral("Nie można zapisać pliku %1: %2")
        .arg(QFileInfo(path).fileName(), QString::fromLocal8Bit(std::strerror(error)));
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

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    // The new content goes to a temporary file beside the target, which then
    // replaces the target in one rename.
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return failure(path, errno);
    }
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
    return std::nullopt;
}

} // namespace common
