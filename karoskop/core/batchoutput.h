#pragma once

#include "karoskop/core/vehicledescription.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace karoskop::batch {

// What the batch decoder tells about one input line.
struct LineResult
{
    QString vin;                  // the line as read
    std::optional<QString> error; // the refusal; no value when the line was decoded
    VehicleDescription description;
    bool severalModels = false;       // the window would ask the user to choose
    bool unknownManufacturer = false; // the window would offer emergency decoding
};

enum class OutputFormat { Json, Csv };

// One JSON object on one line. The decoding keys of a refused line are null.
void appendJson(QByteArray& out, const LineResult& result);

// The header row: the result window's captions.
QByteArray csvHeader();
// One CSV row; comment lines are joined by a blank, models by "; ".
void appendCsv(QByteArray& out, const LineResult& result);

} // namespace karoskop::batch
