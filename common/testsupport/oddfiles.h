#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <sys/stat.h>
#include <unistd.h>

namespace common::testing {

// Things that can stand where a program expects a small regular file.
enum class OddFile { Folder, NamedPipe, DanglingLink, Huge };

inline const char* describe(OddFile kind)
{
    switch (kind) {
    case OddFile::Folder:
        return "folder";
    case OddFile::NamedPipe:
        return "named pipe";
    case OddFile::DanglingLink:
        return "dangling link";
    case OddFile::Huge:
        return "100 MB file";
    }
    return "?";
}

// Makes kind at path; a huge file is sparse, so it costs no disk space.
inline bool makeOddFile(OddFile kind, const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case OddFile::Folder:
        return QDir().mkdir(path);
    case OddFile::NamedPipe:
        return ::mkfifo(name.constData(), 0644) == 0;
    case OddFile::DanglingLink:
        return ::symlink("nie-ma-takiego-pliku", name.constData()) == 0;
    case OddFile::Huge: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(100LL * 1024 * 1024);
    }
    }
    return false;
}

// What is at path, without following a link: type and size, to see that a
// refused file was left as it was.
inline QString oddFileState(const QString& path)
{
    struct stat entry
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0) {
        return QStringLiteral("<missing>");
    }
    return QStringLiteral("mode %1 size %2 inode %3")
        .arg(entry.st_mode, 0, 8)
        .arg(entry.st_size)
        .arg(entry.st_ino);
}

} // namespace common::testing
