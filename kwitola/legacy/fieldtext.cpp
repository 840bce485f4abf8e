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

// Writes value with at least width digits, zeros in front, at the end of
// out; a fraction of the cost of formatting with arguments, and dates come
// with every record.
void appendDigits(QString& out, int value, int width)
{
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const auto count = static_cast<int>(end - digits.data());
    for (int i = count; i < width; ++i) {
        out.append(QLatin1Char('0'));
    }
    out.append(QLatin1StringView(digits.data(), count));
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
    QString text;
    text.reserve(10);
    appendDigits(text, day, 2);
    text.append(QLatin1Char('-'));
    appendDigits(text, month, 2);
    text.append(QLatin1Char('-'));
    appendDigits(text, year, 4);
    return text;
}

QString timeText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    QString text;
    text.reserve(8);
    appendDigits(text, static_cast<int>(seconds / 3600), 2);
    text.append(QLatin1Char(':'));
    appendDigits(text, static_cast<int>(seconds / 60 % 60), 2);
    text.append(QLatin1Char(':'));
    appendDigits(text, static_cast<int>(seconds % 60), 2);
    return text;
}

QString timestampText(double milliseconds)
{
    const auto total = static_cast<qint64>(std::floor(milliseconds));
    const qint64 days = total / kMillisecondsPerDay;
    return dateText(days) + QLatin1Char(' ') + timeText(total % kMillisecondsPerDay);
}

} // namespace kwitola::legacy
