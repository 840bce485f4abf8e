#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace common {

// Files the programs read whole are small; anything larger is damage or a
// mistake, and must not be loaded into memory.
inline constexpr qint64 kSmallFileLimit = qint64{64} * 1024;

// Reads the regular file at path whole, up to limit bytes: its bytes, or
// nothing when nothing stands at the path. "Missing" and "could not read"
// are different answers: only a missing file may be replaced without asking.
// A failure's kind is NotRegular (a folder, a pipe, a device or a link to
// nothing), TooLarge (larger than the limit) or Failed (systemError says
// why); its text is a short Polish phrase. Never blocks on a pipe and never
// reads more than limit + 1 bytes of anything.
[[nodiscard]] Result<std::optional<QByteArray>> readSmallFile(const QString& path,
                                                              qint64 limit = kSmallFileLimit);

} // namespace common
