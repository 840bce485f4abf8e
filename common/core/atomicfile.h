#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace common {

// Replaces the file at path with the given bytes so that a crash or a full
// disk leaves either the old file or the new one whole, never a mix.
// Returns the error text when the write failed; the old file is then intact.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace common
