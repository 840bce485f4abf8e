#pragma once

#include "kwitola/core/money.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace kwitola {

// The rate a goods record stands at when the stock card converts prices: an
// empty rate becomes "22".
[[nodiscard]] QString rateForConversion(QStringView rateText);

// The VAT rate as a number: 0 for the exempt texts "zw." and "zw", else the
// text read as a number; nothing when it is neither.
[[nodiscard]] std::optional<Decimal> rateNumber(QStringView rateText);

// gross = net + net x rate / 100, with two decimals; nothing when the net
// price or the rate does not read as a number.
[[nodiscard]] std::optional<QString> grossFromNet(QStringView net, QStringView rateText);

// net = gross / (rate + 100) x 100, with two decimals; a rate that does not
// read as a number counts as 0. Nothing when the gross price does not read
// as a number or the rate is -100.
[[nodiscard]] std::optional<QString> netFromGross(QStringView gross, QStringView rateText);

// A price field's text on leaving it: two decimals when it reads as a
// number, else as typed.
[[nodiscard]] QString normalisedPrice(const QString& text);

} // namespace kwitola
