#include "common/core/smallfile.h"

#include "common/core/fileerrors.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

SmallFile failed(int error)
{
    SmallFile file;
    file.status = SmallFileStatus::Failed;
    file.systemError = error;
    return file;
}

SmallFile withStatus(SmallFileStatus status)
{
    SmallFile file;
    file.status = status;
    return file;
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

SmallFile readSmallFile(const QString& path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat entry
    {
    };
    if (::lstat(name.constData(), &entry) != 0) {
        return errno == ENOENT ? withStatus(SmallFileStatus::Missing) : failed(errno);
    }
    // O_NONBLOCK: a named pipe in the file's place must not stop the program.
    const Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        // A link that points nowhere: there is something, but not a file.
        if (errno == ENOENT && S_ISLNK(entry.st_mode)) {
            return withStatus(SmallFileStatus::NotRegular);
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
        return withStatus(SmallFileStatus::NotRegular);
    }
    if (opened.st_size > limit) {
        return withStatus(SmallFileStatus::TooLarge);
    }
    // The file may grow while it is read: read one byte past the limit at
    // most, to see that it did.
    QByteArray bytes(static_cast<qsizetype>(limit) + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
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
        return withStatus(SmallFileStatus::TooLarge);
    }
    bytes.truncate(static_cast<qsizetype>(got));
    SmallFile result;
    result.status = SmallFileStatus::Read;
    result.bytes = std::move(bytes);
    return result;
}

QString describeSmallFileProblem(const SmallFile& file, qint64 limit)
{
    switch (file.status) {
    case SmallFileStatus::Read:
    case SmallFileStatus::Missing:
        return {};
    case SmallFileStatus::NotRegular:
        return QStringLiteral("to nie jest zwykły plik (folder, potok, urządzenie lub "
                              "dowiązanie do nieistniejącego pliku)");
    case SmallFileStatus::TooLarge:
        return QStringLiteral("plik jest uszkodzony: ma więcej niż %1 KB").arg(limit / 1024);
    case SmallFileStatus::Failed:
        return describeSystemError(file.systemError);
    }
    return {};
}

} // namespace common
