#pragma once

#include "common/core/result.h"

#include <QByteArray>
#include <QString>

namespace common {

// Replaces the file at path with the given bytes so that a crash or a full
// disk leaves either the old file or the new one whole, never a mix.
// When the write fails the old file is intact.
[[nodiscard]] Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace common
