#include "kwitola/testsupport/documentcheck.h"

#include "kwitola/core/salesdocument.h"

#include <QString>
#include <array>
#include <cstdint>

namespace kwitola::testing {

namespace {

// A two-decimal money text ("-12,30") in hundredths; "0" as the untouched
// totals show it. Nothing for any other text.
std::optional<std::int64_t> hundredths(const QString& text)
{
    if (text == QStringLiteral("0")) {
        return 0;
    }
    const QString body = text.startsWith(u'-') ? text.mid(1) : text;
    const qsizetype comma = body.indexOf(u',');
    if (comma < 1 || body.size() - comma != 3) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (i == comma) {
            continue;
        }
        const QChar c = body.at(i);
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return text.startsWith(u'-') ? -value : value;
}

// net x rate / 100 in hundredths, halves away from zero.
std::int64_t vatOf(std::int64_t net, std::int64_t rate)
{
    const std::int64_t product = net * rate;
    const std::int64_t magnitude = (product < 0 ? -product : product) + 50;
    return (product < 0 ? -1 : 1) * (magnitude / 100);
}

struct GroupRule
{
    RateGroup group;
    std::int64_t rate;
    const char16_t* texts[2];
};

constexpr std::array<GroupRule, 4> kGroups = {{
    {RateGroup::Exempt, 0, {u"zw.", u"zw"}},
    {RateGroup::Zero, 0, {u"0", u"0"}},
    {RateGroup::Seven, 7, {u"7", u"7"}},
    {RateGroup::TwentyTwo, 22, {u"22", u"22"}},
}};

std::string describe(const char* what, const QString& shown, std::int64_t expected)
{
    return std::string(what) + ": shows " + shown.toStdString() + ", expected " +
           std::to_string(expected) + " hundredths";
}

} // namespace

std::optional<std::string> brokenInvariant(const SalesDocument& document)
{
    const auto& lines = document.lines();
    if (lines.size() > static_cast<std::size_t>(kMaxDocumentLines)) {
        return "more than 15 lines: " + std::to_string(lines.size());
    }
    if (document.lineNumbers().size() != 20 || document.lineNumbers().first() != u"1" ||
        document.lineNumbers().last() != u"20") {
        return "line numbers are not 1 to 20";
    }
    if (document.removalEnabled() && (document.selectedIndex() < 0 ||
                                      document.selectedIndex() >= static_cast<int>(lines.size()))) {
        return "selected line " + std::to_string(document.selectedIndex()) + " of " +
               std::to_string(lines.size());
    }
    std::array<std::int64_t, 4> nets{};
    for (const DocumentLine& line : lines) {
        const auto net = hundredths(line.net);
        if (!net) {
            return "line net is not money: " + line.net.toStdString();
        }
        bool grouped = false;
        for (std::size_t g = 0; g < kGroups.size(); ++g) {
            if (line.rateText == QString::fromUtf16(kGroups[g].texts[0]) ||
                line.rateText == QString::fromUtf16(kGroups[g].texts[1])) {
                nets[g] += *net;
                grouped = true;
            }
        }
        if (!grouped) {
            return "line at a rate of no group: " + line.rateText.toStdString();
        }
    }
    std::int64_t net = 0;
    std::int64_t vat = 0;
    std::int64_t gross = 0;
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        const Totals& shown = document.groupTotals(kGroups[g].group);
        const std::int64_t groupVat = vatOf(nets[g], kGroups[g].rate);
        const std::int64_t groupGross = nets[g] + groupVat;
        if (hundredths(shown.net) != nets[g]) {
            return describe("group net", shown.net, nets[g]);
        }
        if (hundredths(shown.vat) != groupVat) {
            return describe("group VAT", shown.vat, groupVat);
        }
        if (hundredths(shown.gross) != groupGross) {
            return describe("group gross", shown.gross, groupGross);
        }
        net += nets[g];
        vat += groupVat;
        gross += groupGross;
    }
    const Totals& total = document.documentTotals();
    if (hundredths(total.net) != net) {
        return describe("document net", total.net, net);
    }
    if (hundredths(total.vat) != vat) {
        return describe("document VAT", total.vat, vat);
    }
    if (hundredths(total.gross) != gross) {
        return describe("document gross", total.gross, gross);
    }
    // A total the words cannot be given for (negative, or a million and
    // more) is shown as "0,00".
    const bool spellable = gross >= 0 && gross < 100'000'000;
    if (!spellable && document.totalToPay() == QStringLiteral("0,00")) {
        return std::nullopt;
    }
    if (hundredths(document.totalToPay()) != gross) {
        return describe("total to pay", document.totalToPay(), gross);
    }
    return std::nullopt;
}

} // namespace kwitola::testing
