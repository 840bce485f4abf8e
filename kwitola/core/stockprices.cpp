#include "kwitola/core/stockprices.h"

namespace kwitola {

namespace {

const Decimal kHundred = Decimal::fromWhole(100);

bool isExempt(QStringView rateText)
{
    return rateText == u"zw." || rateText == u"zw";
}

} // namespace

QString rateForConversion(QStringView rateText)
{
    return rateText.isEmpty() ? QStringLiteral("22") : rateText.toString();
}

std::optional<Decimal> rateNumber(QStringView rateText)
{
    return isExempt(rateText) ? std::optional(Decimal()) : Decimal::parse(rateText);
}

std::optional<QString> grossFromNet(QStringView net, QStringView rateText)
{
    const auto price = Decimal::parse(net);
    const auto rate = rateNumber(rateText);
    if (!price || !rate) {
        return std::nullopt;
    }
    // net x rate / 100 exactly, then added: one rounding at the end.
    const auto vat = price->times(*rate);
    const auto hundredths = vat ? vat->dividedBy(kHundred, Decimal::kDecimals) : std::nullopt;
    const auto gross = hundredths ? price->plus(*hundredths) : std::nullopt;
    return gross ? std::optional(gross->fmt()) : std::nullopt;
}

std::optional<QString> netFromGross(QStringView gross, QStringView rateText)
{
    const auto price = Decimal::parse(gross);
    if (!price) {
        return std::nullopt;
    }
    const Decimal rate = rateNumber(rateText).value_or(Decimal());
    const auto divisor = rate.plus(kHundred);
    const auto scaled = price->times(kHundred);
    if (!divisor || !scaled) {
        return std::nullopt;
    }
    const auto net = scaled->dividedBy(*divisor, 2);
    return net ? std::optional(net->fmt()) : std::nullopt;
}

QString normalisedPrice(const QString& text)
{
    return fmtText(text).value_or(text);
}

} // namespace kwitola
