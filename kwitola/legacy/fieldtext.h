#pragma once

#include <QByteArray>
#include <QString>

namespace kwitola::legacy {

// How the values of Paradox fields become the texts the program stores.

// Whole numbers and record numbers: plain decimal text.
QString wholeNumberText(qint64 value);
// Numbers: the shortest decimal that reads back as the same value, with a
// decimal comma and no exponent, e.g. "12,5", "-0,001", "3".
QString numberText(double value);
// Currency: the same, with at least two decimals, e.g. "12,50", "3,14159".
QString currencyText(double value);
// A BCD value as the Paradox library writes it ("-000123.45"): leading
// zeros and the plus sign dropped, its decimals kept, a decimal comma.
QString bcdText(const QByteArray& digits);
// A date as the count of days in the field: "DD-MM-YYYY".
QString dateText(qint64 days);
// A time of day in milliseconds since midnight: "HH:MM:SS".
QString timeText(qint64 milliseconds);
// A timestamp in milliseconds: "DD-MM-YYYY HH:MM:SS".
QString timestampText(double milliseconds);

} // namespace kwitola::legacy
