#pragma once

#include <QByteArray>
#include <QString>

namespace common {

// Files the programs read whole are small; anything larger is damage or a
// mistake, and must not be loaded into memory.
inline constexpr qint64 kSmallFileLimit = 64 * 1024;

// What reading a small file found. "Missing" and "could not read" are
// different answers: only a missing file may be replaced without asking.
enum class SmallFileStatus {
    Read,       // bytes hold the whole file
    Missing,    // nothing at the path
    NotRegular, // a folder, a pipe, a device or a link to nothing
    TooLarge,   // larger than the limit
    Failed,     // exists but could not be read; systemError says why
};

struct SmallFile
{
    SmallFileStatus status = SmallFileStatus::Missing;
    QByteArray bytes;
    int systemError = 0;

    [[nodiscard]] bool ok() const { return status == SmallFileStatus::Read; }
};

// Reads the regular file at path whole, up to limit bytes. Never blocks on a
// pipe and never reads more than limit + 1 bytes of anything.
[[nodiscard]] SmallFile readSmallFile(const QString& path, qint64 limit = kSmallFileLimit);

// Why a read that did not give bytes failed, as a short Polish phrase;
// empty for Read and Missing.
[[nodiscard]] QString describeSmallFileProblem(const SmallFile& file,
                                               qint64 limit = kSmallFileLimit);

} // namespace common
