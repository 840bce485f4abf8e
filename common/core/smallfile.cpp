#include "common/core/smallfile.h"

#include "common/core/fileerrors.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

Failure failed(int error)
{
    return fail(describeSystemError(error), ErrorKind::Failed, error);
}

Failure notRegular()
{
    return fail(QStringLiteral("to nie jest zwykły plik (folder, potok, urządzenie lub "
                               "dowiązanie do nieistniejącego pliku)"),
                ErrorKind::NotRegular);
}

Failure tooLarge(qint64 limit)
{
    return fail(QStringLiteral("plik jest uszkodzony: ma więcej niż %1 KB").arg(limit / 1024),
                ErrorKind::TooLarge);
}

// Closes the descriptor however the read ends.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

} // namespace

Result<std::optional<QByteArray>> readSmallFile(const QString& path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat entry
    {
    };
    if (::lstat(name.constData(), &entry) != 0) {
        if (errno == ENOENT) {
            return std::optional<QByteArray>();
        }
        return failed(errno);
    }
    // O_NONBLOCK: a named pipe in the file's place must not stop the program.
    const Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        // A link that points nowhere: there is something, but not a file.
        if (errno == ENOENT && S_ISLNK(entry.st_mode)) {
            return notRegular();
        }
        return failed(errno);
    }
    struct stat opened
    {
    };
    if (::fstat(file.fd, &opened) != 0) {
        return failed(errno);
    }
    if (!S_ISREG(opened.st_mode)) {
        return notRegular();
    }
    if (opened.st_size > limit) {
        return tooLarge(limit);
    }
    // Room for the size the file has now and one byte more; a file that
    // grows while it is read gets more room, up to one byte past the limit,
    // which tells that it grew too large.
    QByteArray bytes(static_cast<qsizetype>(opened.st_size) + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (true) {
        if (got == bytes.size()) {
            if (bytes.size() > limit) {
                break;
            }
            bytes.resize(
                static_cast<qsizetype>(std::min<qint64>(qint64{bytes.size()} * 2, limit + 1)));
        }
        const ssize_t n =
            ::read(file.fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return failed(errno);
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    if (got > limit) {
        return tooLarge(limit);
    }
    bytes.truncate(static_cast<qsizetype>(got));
    return std::optional<QByteArray>(std::move(bytes));
}

} // namespace common
