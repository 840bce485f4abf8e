#include "kwitola/legacy/fieldtext.h"

#include "kwitola/legacy/pxlib.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kwitola::legacy {

namespace {

// The Paradox library's day count starts this many days after the
// astronomers' day 0.
constexpr long kDayOffset = 1721425;
constexpr qint64 kMillisecondsPerDay = 86'400'000;

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString shortestFixed(double value)
{
    if (value == 0.0) {
        return QStringLiteral("0"); // also for -0
    }
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace

QString wholeNumberText(qint64 value)
{
    return QString::number(value);
}

QString numberText(double value)
{
    return shortestFixed(value);
}

QString currencyText(double value)
{
    QString text = shortestFixed(value);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0) {
        return text + QStringLiteral(",00");
    }
    const qsizetype decimals = text.size() - comma - 1;
    return decimals < 2 ? text + QString(2 - decimals, QLatin1Char('0')) : text;
}

QString bcdText(const QByteArray& digits)
{
    QByteArray text = digits.trimmed();
    bool negative = false;
    if (text.startsWith('+') || text.startsWith('-')) {
        negative = text.startsWith('-');
        text.remove(0, 1);
    }
    qsizetype start = 0;
    while (start + 1 < text.size() && text.at(start) == '0' && text.at(start + 1) != '.') {
        ++start;
    }
    text.remove(0, start);
    if (text.isEmpty() || text.startsWith('.')) {
        text.prepend('0');
    }
    const bool zero = text.count('0') + text.count('.') == text.size();
    QString result = QString::fromLatin1(text).replace(QLatin1Char('.'), QLatin1Char(','));
    return negative && !zero ? QLatin1Char('-') + result : result;
}

QString dateText(qint64 days)
{
    int year = 0;
    int month = 0;
    int day = 0;
    PX_SdnToGregorian(static_cast<long>(days) + kDayOffset, &year, &month, &day);
    return QStringLiteral("%1-%2-%3")
        .arg(twoDigits(day), twoDigits(month))
        .arg(year, 4, 10, QLatin1Char('0'));
}

QString timeText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(twoDigits(static_cast<int>(seconds / 3600)),
             twoDigits(static_cast<int>(seconds / 60 % 60)),
             twoDigits(static_cast<int>(seconds % 60)));
}

QString timestampText(double milliseconds)
{
    const auto total = static_cast<qint64>(std::floor(milliseconds));
    const qint64 days = total / kMillisecondsPerDay;
    return dateText(days) + QLatin1Char(' ') + timeText(total % kMillisecondsPerDay);
}

} // namespace kwitola::legacy
