// Any text as a money or quantity text: the program's reader agrees with a
// small reading of its own below, and what it reads is written back with
// two decimals, rounded once, halves away from zero.
#include "fuzz/fuzzcheck.h"
#include "kwitola/core/money.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <limits>
#include <optional>

using namespace kwitola;

namespace {

__extension__ typedef __int128 Wide; // NOLINT(modernize-use-using)

constexpr Wide kOne = 100'000'000; // eight decimals

// Blanks around, an optional sign, digits with at most one decimal comma,
// at least one digit; decimals past the eighth must be zeros; the value
// must fit in 64 bits of hundred-millionths.
std::optional<Wide> reference(const QString& text)
{
    QString body = text;
    while (!body.isEmpty() && (body.front() == u' ' || body.front() == u'\t')) {
        body.remove(0, 1);
    }
    while (!body.isEmpty() && (body.back() == u' ' || body.back() == u'\t')) {
        body.chop(1);
    }
    const bool negative = body.startsWith(u'-');
    if (negative || body.startsWith(u'+')) {
        body.remove(0, 1);
    }
    const QStringList parts = body.split(u',');
    if (parts.size() > 2 || (parts.value(0).isEmpty() && parts.value(1).isEmpty())) {
        return std::nullopt;
    }
    Wide whole = 0;
    for (const QChar c : parts.value(0)) {
        if (!c.isDigit() || c.unicode() > 127) {
            return std::nullopt;
        }
        whole = whole * 10 + (c.unicode() - u'0');
        if (whole > std::numeric_limits<qint64>::max()) {
            return std::nullopt;
        }
    }
    Wide fraction = 0;
    Wide scale = kOne;
    for (const QChar c : parts.value(1)) {
        if (!c.isDigit() || c.unicode() > 127) {
            return std::nullopt;
        }
        if (scale == 1) {
            if (c != u'0') {
                return std::nullopt;
            }
            continue;
        }
        scale /= 10;
        fraction += (c.unicode() - u'0') * scale;
    }
    const Wide value = whole * kOne + fraction;
    if (value > std::numeric_limits<qint64>::max()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

QString twoDecimals(Wide units)
{
    const Wide magnitude = units < 0 ? -units : units;
    const Wide cents = (magnitude + kOne / 200) / (kOne / 100);
    const auto whole = static_cast<qint64>(cents / 100);
    const auto rest = static_cast<int>(cents % 100);
    return QStringLiteral("%1%2,%3")
        .arg(units < 0 && cents != 0 ? QStringLiteral("-") : QString())
        .arg(whole)
        .arg(rest, 2, 10, QLatin1Char('0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = Decimal::parse(text);
    const auto expected = reference(text);
    FUZZ_CHECK(read.has_value() == expected.has_value());
    if (!read) {
        return 0;
    }
    FUZZ_CHECK(read->units() == *expected);
    const QString written = read->fmt();
    FUZZ_CHECK(written == twoDecimals(*expected));
    // What is written reads back as the value rounded to hundredths (away
    // from the very edge of the range, where rounding up leaves it).
    if (*expected<std::numeric_limits<qint64>::max() - kOne&& * expected>
            std::numeric_limits<qint64>::min() +
        kOne) {
        const auto back = Decimal::parse(written);
        FUZZ_CHECK(back && *back == read->rounded(2));
    }
    FUZZ_CHECK(fmtText(text) == written);
    return 0;
}
