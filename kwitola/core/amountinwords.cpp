#include "kwitola/core/amountinwords.h"

#include "kwitola/core/money.h"

#include <array>

namespace kwitola {

namespace {

// Every word carries its leading blank; an empty entry adds nothing.
struct DigitWords
{
    const char* units;
    const char* teens;
    const char* tens;
    const char* hundreds;
};

constexpr std::array<DigitWords, 10> kDigitWords = {{
    {"", " dziesięć", "", ""},
    {" jeden", " jedenaście", "", " sto"},
    {" dwa", " dwanaście", " dwadzieścia", " dwieście"},
    {" trzy", " trzynaście", " trzydzieści", " trzysta"},
    {" cztery", " czternaście", " czterdzieści", " czterysta"},
    {" pięć", " piętnaście", " pięćdziesiąt", " pięćset"},
    {" sześć", " szesnaście", " sześćdziesiąt", " sześćset"},
    {" siedem", " siedemnaście", " siedemdziesiąt", " siedemset"},
    {" osiem", " osiemnaście", " osiemdziesiąt", " osiemset"},
    {" dziewięć", " dziewiętnaście", " dziewięćdziesiąt", " dziewięćset"},
}};

struct GroupWords
{
    int divisor;
    const char* exactlyOne; // replaces the group's words
    const char* few;        // after 2, 3, 4 (not 12, 13, 14)
    const char* many;
};

// Millions, thousands, then the units group without a group word.
constexpr std::array<GroupWords, 3> kGroups = {{
    {1'000'000, " jeden milion", " miliony", " milionów"},
    {1'000, " jeden tysiąc", " tysiące", " tysięcy"},
    {1, nullptr, nullptr, nullptr},
}};

constexpr int kLargest = 999'999'999;
constexpr qint64 kWordsLimit = 1'000'000;

QString spelledGroup(int value)
{
    const DigitWords& hundreds = kDigitWords.at(static_cast<std::size_t>(value / 100));
    const int tens = value / 10 % 10;
    const DigitWords& unitsDigit = kDigitWords.at(static_cast<std::size_t>(value % 10));
    return QString::fromUtf8(hundreds.hundreds) +
           QString::fromUtf8(kDigitWords.at(static_cast<std::size_t>(tens)).tens) +
           QString::fromUtf8(tens == 1 ? unitsDigit.teens : unitsDigit.units);
}

QString groupWord(const GroupWords& group, int value)
{
    const int tens = value / 10 % 10;
    const int units = value % 10;
    const bool few = units >= 2 && units <= 4 && tens != 1;
    return QString::fromUtf8(few ? group.few : group.many);
}

} // namespace

QString LiczbaSlownie(int n)
{
    if (n < 0 || n > kLargest) {
        return {};
    }
    if (n == 0) {
        return QStringLiteral(" zero ");
    }
    QString words;
    for (const GroupWords& group : kGroups) {
        const int value = n / group.divisor % 1000;
        if (value == 0) {
            continue;
        }
        if (group.exactlyOne == nullptr) {
            words += spelledGroup(value);
        } else if (value == 1) {
            words += QString::fromUtf8(group.exactlyOne);
        } else {
            words += spelledGroup(value) + groupWord(group, value);
        }
    }
    return words.mid(1);
}

std::optional<AmountInWords> amountInWords(QStringView total)
{
    // A text from "A" on (a letter first) is no amount, as the window has
    // always refused it; the rest must read as a number.
    if (total.compare(u"A", Qt::CaseSensitive) >= 0) {
        return std::nullopt;
    }
    const auto value = Decimal::parse(total);
    if (!value) {
        return std::nullopt;
    }
    // Checked after rounding, so that 999999,995 cannot become a million.
    const Decimal rounded = value->rounded(2);
    if (rounded.isNegative() || rounded >= Decimal::fromWhole(kWordsLimit)) {
        return std::nullopt;
    }
    AmountInWords amount;
    amount.total = rounded.fmt();
    const qsizetype comma = amount.total.indexOf(QLatin1Char(','));
    amount.zlotych = amount.total.left(comma);
    amount.groszy = amount.total.mid(comma + 1, 2) + QStringLiteral("/100");
    amount.slownie_zlotych = LiczbaSlownie(amount.zlotych.toInt());
    return amount;
}

} // namespace kwitola
