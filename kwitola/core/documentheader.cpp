#include "kwitola/core/documentheader.h"

#include <QDate>

namespace kwitola {

namespace {

constexpr std::size_t kParts = 3; // day, month, year

QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

void DocumentHeader::setToday(const QDate& today)
{
    const std::array<QString, kParts> parts = {digits(today.day(), 2), digits(today.month(), 2),
                                               digits(today.year(), 4)};
    for (std::size_t part = 0; part < kParts; ++part) {
        dateParts[part] = parts[part];
        dateParts[kParts + part] = parts[part];
        dateParts[2 * kParts + part] = QStringLiteral("-");
    }
}

void DocumentHeader::copyForward(std::size_t index)
{
    if (index >= kDateParts) {
        return;
    }
    for (std::size_t target = index + kParts; target < kDateParts; target += kParts) {
        dateParts[target] = dateParts[index];
    }
}

PrintDate DocumentHeader::date(Date which) const
{
    const std::size_t first = static_cast<std::size_t>(which) * kParts;
    return {dateParts[first], dateParts[first + 1], dateParts[first + 2]};
}

} // namespace kwitola
