#pragma once

#include "karoskop/core/vehicledescription.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
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
    // Whether position 9 holds the North American check digit; none for
    // other makers and for a refused line.
    std::optional<bool> checkDigit;
};

// What the output is made from, held elsewhere: a result, or a line and
// the decoder that has just decoded it.
struct LineView
{
    QStringView vin;
    const QString* error = nullptr;                  // the refusal, or none
    const VehicleDescription* description = nullptr; // none for a refused line
    bool severalModels = false;
    bool unknownManufacturer = false;
    std::optional<bool> checkDigit;

    LineView() = default;
    LineView(const LineResult& result); // NOLINT(google-explicit-constructor): a result is a view
};

enum class OutputFormat { Json, Csv };

// One JSON object on one line. The decoding keys of a refused line are null.
void appendJson(QByteArray& out, const LineView& line);

inline constexpr char kDefaultCsvSeparator = ',';

// A column heading from a result window caption: without its trailing
// colon and blanks ("Numer :" gives "Numer").
QString csvHeading(QStringView caption);

// The header row: the result window's captions as headings.
QByteArray csvHeader(char separator = kDefaultCsvSeparator);
// One CSV row; comment lines are joined by a blank, models by "; ". A field
// holding the separator, a quote or a line break is quoted.
void appendCsv(QByteArray& out, const LineView& line, char separator = kDefaultCsvSeparator);

} // namespace karoskop::batch
