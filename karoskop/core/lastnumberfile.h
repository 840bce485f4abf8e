#pragma once

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

struct LastNumberRead
{
    enum class Status { Ok, Missing, Failed };
    Status status = Status::Missing;
    Vin number;    // valid when status is Ok
    QString error; // the reason when status is Failed
};

LastNumberRead readLastNumber(const QString& folder);

// Replaces the file atomically; returns the error text when that failed,
// in which case the old file is left whole.
std::optional<QString> writeLastNumber(const QString& folder, const Vin& number);

} // namespace karoskop
