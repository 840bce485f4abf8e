#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QString>

namespace kwitola::registry {

// The file operations the archive is written with, so that a test can make
// any one of them fail. Each reports a failure in Polish and leaves the
// other files as they were.
class ArchiveFiles
{
public:
    ArchiveFiles() = default;
    ArchiveFiles(const ArchiveFiles&) = delete;
    ArchiveFiles& operator=(const ArchiveFiles&) = delete;
    virtual ~ArchiveFiles() = default;

    // Writes the bytes to the path (creating its folder) and flushes them to
    // the disk before answering.
    [[nodiscard]] virtual common::Result<void> write(const QString& path, const QByteArray& bytes);
    // Moves the file into place in one step, replacing a file already there.
    [[nodiscard]] virtual common::Result<void> rename(const QString& from, const QString& to);
    // Removes the file; a file that is not there is no error.
    [[nodiscard]] virtual common::Result<void> remove(const QString& path);
};

// The files of the running system.
[[nodiscard]] ArchiveFiles& diskArchiveFiles();

} // namespace kwitola::registry
