#pragma once

#include "common/core/result.h"
#include "karoskop/core/vin.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace karoskop {

// The last-number file: seventeen lines, one VIN position each, every line
// ended by CR LF, in code page 1250. It lives in the working folder.
inline constexpr const char* kLastNumberFileName = "test.kfx";

QString lastNumberPath(const QString& folder);

// The file's bytes for a number.
QByteArray encodeLastNumber(const Vin& number);

// The number in the file's bytes. Lines may end in CR LF, LF or CR; lines
// missing at the end read as empty, lines after the seventeenth are
// ignored, and a longer line is kept whole.
Vin decodeLastNumber(const QByteArray& bytes);

// The number in the folder's file; no value when there is no file.
common::Result<std::optional<Vin>> readLastNumber(const QString& folder);

// Replaces the file atomically; when that fails, the old file is left whole.
common::Result<void> writeLastNumber(const QString& folder, const Vin& number);

} // namespace karoskop
