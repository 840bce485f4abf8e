#include "kwitola/register/core/linesgross.h"

#include "kwitola/core/salesdocument.h"
#include "kwitola/core/tablerecords.h"

#include <array>

namespace kwitola::registry {

namespace {

// The rate each group's VAT is worked out at, in RateGroup order.
constexpr std::array<qint64, kRateGroupCount> kGroupRates = {0, 0, 7, 22};

// The largest amount a document holds: 999 999 999,99.
constexpr Decimal kLargest = Decimal::fromUnits(99'999'999'999 * (Decimal::kOne / 100));
constexpr Decimal kHundredth = Decimal::fromUnits(Decimal::kOne / 100);

std::optional<Decimal> held(std::optional<Decimal> value)
{
    if (!value || *value > kLargest || *value < Decimal::fromUnits(-kLargest.units())) {
        return std::nullopt;
    }
    return value;
}

// The two-decimal value a step shows and the next step reads back.
std::optional<Decimal> cents(std::optional<Decimal> value)
{
    return value ? std::optional(value->rounded(2)) : std::nullopt;
}

std::optional<Decimal> heldSum(std::optional<Decimal> a, std::optional<Decimal> b)
{
    return a && b ? cents(held(a->plus(*b))) : std::nullopt;
}

// net x rate x 0,01, as shown.
std::optional<Decimal> vatOf(Decimal net, Decimal rate)
{
    const auto product = net.times(rate);
    return product ? cents(held(product->times(kHundredth))) : std::nullopt;
}

struct GroupSums
{
    Decimal net;
    Decimal vat;
    Decimal gross;
};

// The net of one line with its own VAT and gross checked; nothing when the
// line would not be added.
std::optional<Decimal> lineNet(const StoredLine& line, Decimal rate)
{
    const auto price = Decimal::parse(line.unitNetPrice);
    const auto quantity = Decimal::parse(line.quantity);
    if (!price || !quantity || *quantity <= Decimal()) {
        return std::nullopt;
    }
    const auto net = cents(held(quantity->times(*price)));
    const auto vat = net ? vatOf(*net, rate) : std::nullopt;
    if (!heldSum(vat, net)) {
        return std::nullopt;
    }
    return net;
}

// The document's net, VAT and gross summed over the groups, each partial
// sum within range; only the gross is kept.
std::optional<Decimal> documentGross(const std::array<GroupSums, kRateGroupCount>& groups)
{
    std::optional<Decimal> net = Decimal();
    std::optional<Decimal> vat = Decimal();
    std::optional<Decimal> gross = Decimal();
    for (const GroupSums& group : groups) {
        net = heldSum(net, group.net);
        vat = heldSum(vat, group.vat);
        gross = heldSum(gross, group.gross);
        if (!net || !vat || !gross) {
            return std::nullopt;
        }
    }
    return gross;
}

} // namespace

std::optional<Decimal> grossOfLines(const StoredDocument& document)
{
    std::array<GroupSums, kRateGroupCount> groups{};
    std::optional<Decimal> gross = Decimal();
    int added = 0;
    for (const StoredLine& line : document.lines) {
        if (line.name.isEmpty()) {
            continue;
        }
        const auto group = rateGroupOf(line.vatRate);
        if (!group || ++added > kMaxDocumentLines) {
            return std::nullopt;
        }
        const auto slot = static_cast<std::size_t>(*group);
        const Decimal rate = Decimal::fromWhole(kGroupRates.at(slot));
        const auto net = lineNet(line, rate);
        GroupSums& sums = groups.at(slot);
        const auto groupNet = heldSum(sums.net, net);
        const auto groupVat = groupNet ? vatOf(*groupNet, rate) : std::nullopt;
        const auto groupGross = heldSum(groupNet, groupVat);
        if (!groupGross) {
            return std::nullopt;
        }
        sums = {*groupNet, *groupVat, *groupGross};
        // Every addition totals the whole document anew.
        gross = documentGross(groups);
        if (!gross) {
            return std::nullopt;
        }
    }
    return gross;
}

} // namespace kwitola::registry
