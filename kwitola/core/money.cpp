#include "kwitola/core/money.h"

#include <array>
#include <limits>

namespace kwitola {

namespace {

// 128-bit intermediates keep products and scaled quotients exact.
__extension__ typedef __int128 Wide; // NOLINT(modernize-use-using)

constexpr std::array<qint64, Decimal::kDecimals + 1> kPowers = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000};

std::optional<qint64> narrowed(Wide value)
{
    if (value > std::numeric_limits<qint64>::max() || value < std::numeric_limits<qint64>::min()) {
        return std::nullopt;
    }
    return static_cast<qint64>(value);
}

// numerator / denominator rounded to a whole number, halves away from zero.
Wide divideRounded(Wide numerator, Wide denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Wide quotient = numerator / denominator;
    const Wide remainder = numerator % denominator;
    const Wide twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice >= denominator) {
        return numerator < 0 ? quotient - 1 : quotient + 1;
    }
    return quotient;
}

bool isBlank(QChar ch)
{
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

} // namespace

std::optional<Decimal> Decimal::parse(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    bool negative = false;
    if (begin < end && (text[begin] == QLatin1Char('-') || text[begin] == QLatin1Char('+'))) {
        negative = text[begin] == QLatin1Char('-');
        ++begin;
    }
    Wide units = 0;
    int digits = 0;
    int decimals = -1; // -1 until the comma
    for (qsizetype i = begin; i < end; ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char(',') && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
            return std::nullopt;
        }
        if (decimals >= 0 && ++decimals > kDecimals) {
            if (ch != QLatin1Char('0')) {
                return std::nullopt; // more precision than is held
            }
            continue;
        }
        units = units * 10 + (ch.unicode() - '0');
        if (units > std::numeric_limits<qint64>::max()) {
            return std::nullopt;
        }
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    const int scale = kDecimals - (decimals < 0 ? 0 : std::min(decimals, kDecimals));
    const auto scaled = narrowed(units * kPowers.at(static_cast<std::size_t>(scale)));
    if (!scaled) {
        return std::nullopt;
    }
    return Decimal(negative ? -*scaled : *scaled);
}

Decimal Decimal::rounded(int decimals) const
{
    const qint64 step = kPowers.at(static_cast<std::size_t>(kDecimals - decimals));
    return Decimal(static_cast<qint64>(divideRounded(m_units, step) * step));
}

QString Decimal::fmt() const
{
    const qint64 cents = static_cast<qint64>(divideRounded(m_units, kPowers[kDecimals - 2]));
    // Written from the last digit back: long ledgers format many amounts.
    auto magnitude = cents < 0 ? 0ULL - static_cast<quint64>(cents) : static_cast<quint64>(cents);
    std::array<char16_t, 24> text{};
    std::size_t first = text.size();
    const auto digit = [&] {
        text[--first] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    };
    digit();
    digit();
    text[--first] = u',';
    do {
        digit();
    } while (magnitude != 0);
    if (cents < 0) {
        text[--first] = u'-';
    }
    return QString(reinterpret_cast<const QChar*>(text.data() + first),
                   static_cast<qsizetype>(text.size() - first));
}

std::optional<Decimal> Decimal::plus(Decimal other) const
{
    const auto sum = narrowed(Wide(m_units) + other.m_units);
    return sum ? std::optional(Decimal(*sum)) : std::nullopt;
}

std::optional<Decimal> Decimal::minus(Decimal other) const
{
    const auto difference = narrowed(Wide(m_units) - other.m_units);
    return difference ? std::optional(Decimal(*difference)) : std::nullopt;
}

std::optional<Decimal> Decimal::times(Decimal other) const
{
    // Both factors are below 2^63, so the product fits 127 bits.
    const auto product = narrowed(divideRounded(Wide(m_units) * other.m_units, kOne));
    return product ? std::optional(Decimal(*product)) : std::nullopt;
}

std::optional<Decimal> Decimal::dividedBy(Decimal divisor, int decimals) const
{
    if (divisor.m_units == 0) {
        return std::nullopt;
    }
    // units/kOne / (d/kOne) in steps of 10^-decimals: units * 10^decimals / d.
    const Wide steps = divideRounded(Wide(m_units) * kPowers.at(static_cast<std::size_t>(decimals)),
                                     divisor.m_units);
    const auto units = narrowed(steps * kPowers.at(static_cast<std::size_t>(kDecimals - decimals)));
    return units ? std::optional(Decimal(*units)) : std::nullopt;
}

std::optional<QString> fmtText(QStringView text)
{
    const auto value = Decimal::parse(text);
    return value ? std::optional(value->fmt()) : std::nullopt;
}

} // namespace kwitola
