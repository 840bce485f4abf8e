#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace kwitola {

// An exact decimal number for money, quantities and VAT rates: a whole
// count of hundred-millionths, so that every value written with up to eight
// decimals is held exactly and no binary fraction ever enters a total.
// Arithmetic that would leave the range answers nothing instead of a wrong
// value; callers treat that like a text that is not a number.
class Decimal final
{
public:
    static constexpr int kDecimals = 8;
    static constexpr qint64 kOne = 100'000'000;

    constexpr Decimal() = default;
    static constexpr Decimal fromWhole(qint64 whole) { return Decimal(whole * kOne); }
    static constexpr Decimal fromUnits(qint64 units) { return Decimal(units); }

    // Reads the program's number text: an optional sign, digits with an
    // optional decimal comma, blanks allowed around; no thousands separators
    // and no exponent. Empty, malformed or out-of-range text gives nothing,
    // and so does a text with more decimals than are held.
    [[nodiscard]] static std::optional<Decimal> parse(QStringView text);

    // Fixed notation with exactly two decimals and a decimal comma; the
    // exact value is rounded once, halves away from zero ("fmt").
    [[nodiscard]] QString fmt() const;
    // The value rounded to the given number of decimals (0 to 8), halves
    // away from zero.
    [[nodiscard]] Decimal rounded(int decimals) const;

    [[nodiscard]] std::optional<Decimal> plus(Decimal other) const;
    [[nodiscard]] std::optional<Decimal> minus(Decimal other) const;
    // The product; exact whenever the two factors have eight decimals
    // between them (a quantity with six times a price with two), otherwise
    // rounded to eight decimals.
    [[nodiscard]] std::optional<Decimal> times(Decimal other) const;
    // The exact quotient rounded to the given decimals, halves away from
    // zero; nothing for a zero divisor.
    [[nodiscard]] std::optional<Decimal> dividedBy(Decimal divisor, int decimals) const;

    [[nodiscard]] constexpr qint64 units() const { return m_units; }
    [[nodiscard]] constexpr bool isZero() const { return m_units == 0; }
    [[nodiscard]] constexpr bool isNegative() const { return m_units < 0; }

    constexpr auto operator<=>(const Decimal&) const = default;

private:
    constexpr explicit Decimal(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

// fmt of a number text: the text read and written back with two decimals;
// nothing when it does not read as a number.
[[nodiscard]] std::optional<QString> fmtText(QStringView text);

} // namespace kwitola
