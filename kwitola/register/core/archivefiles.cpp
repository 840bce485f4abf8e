#include "kwitola/register/core/archivefiles.h"

#include "common/core/fileerrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace kwitola::registry {

namespace {

common::Failure failure(const QString& text, const QString& path, int error)
{
    return common::fail(
        text.arg(QDir::toNativeSeparators(path), common::describeSystemError(error)),
        common::ErrorKind::Failed, error);
}

// Makes a rename or a removal durable; a folder that cannot be synced (some
// file systems refuse) is no reason to report a failure.
void syncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

common::Result<void> ArchiveFiles::write(const QString& path, const QByteArray& bytes)
{
    const QString text = QStringLiteral("Nie można zapisać pliku %1: %2.");
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return failure(text, path, EACCES);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return failure(text, path, errno);
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        const int error = errno != 0 ? errno : EIO;
        file.close();
        return failure(text, path, error);
    }
    file.close();
    syncFolder(path);
    return {};
}

common::Result<void> ArchiveFiles::rename(const QString& from, const QString& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        return failure(QStringLiteral("Nie można umieścić pliku %1 w archiwum: %2."), to, errno);
    }
    syncFolder(to);
    return {};
}

common::Result<void> ArchiveFiles::remove(const QString& path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
        return failure(QStringLiteral("Nie można usunąć pliku %1: %2."), path, errno);
    }
    syncFolder(path);
    return {};
}

ArchiveFiles& diskArchiveFiles()
{
    static ArchiveFiles files;
    return files;
}

} // namespace kwitola::registry
