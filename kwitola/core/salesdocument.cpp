#include "kwitola/core/salesdocument.h"

#include "kwitola/core/stockprices.h"
#include "kwitola/core/tablerecords.h"

namespace kwitola {

namespace {

struct GroupRow
{
    RateGroup group;
    std::array<QStringView, 2> rateTexts;
    qint64 rate;
};

const std::array<GroupRow, kRateGroupCount> kGroupRows = {{
    {RateGroup::Exempt, {u"zw.", u"zw"}, 0},
    {RateGroup::Zero, {u"0", {}}, 0},
    {RateGroup::Seven, {u"7", {}}, 7},
    {RateGroup::TwentyTwo, {u"22", {}}, 22},
}};

constexpr int kLineNumbers = 20;
// The largest amount a document holds: 999 999 999,99.
constexpr Decimal kLargest = Decimal::fromUnits(99'999'999'999 * (Decimal::kOne / 100));
constexpr Decimal kHundredth = Decimal::fromUnits(Decimal::kOne / 100);

// The current line as a goods record or a stored line loads it, before any
// quantity is typed.
CurrentLine lineToLoad(const QString& name, const QString& unitPrice, const QString& unit,
                       const QString& rateText, const QString& symbol)
{
    // The quantity and the amounts stay empty until a quantity is typed.
    return {name, unitPrice, unit, {}, rateText, {}, {}, {}, symbol};
}

std::size_t slot(RateGroup group)
{
    return static_cast<std::size_t>(group);
}

std::optional<Decimal> held(std::optional<Decimal> value)
{
    if (!value || *value > kLargest || *value < Decimal().minus(kLargest).value_or(Decimal())) {
        return std::nullopt;
    }
    return value;
}

// net x rate x 0,01.
std::optional<Decimal> vatOf(Decimal net, Decimal rate)
{
    const auto product = net.times(rate);
    return product ? held(product->times(kHundredth)) : std::nullopt;
}

// fmt(a + sign x b) of two number texts.
std::optional<QString> fmtSum(const QString& a, const QString& b, int sign)
{
    const auto x = Decimal::parse(a);
    const auto y = Decimal::parse(b);
    if (!x || !y) {
        return std::nullopt;
    }
    const auto sum = held(sign < 0 ? x->minus(*y) : x->plus(*y));
    return sum ? std::optional(sum->fmt()) : std::nullopt;
}

QStringList freshLineNumbers()
{
    QStringList numbers;
    for (int i = 1; i <= kLineNumbers; ++i) {
        numbers << QString::number(i);
    }
    return numbers;
}

} // namespace

std::optional<RateGroup> rateGroupOf(QStringView rateText)
{
    for (const GroupRow& row : kGroupRows) {
        for (QStringView text : row.rateTexts) {
            if (!text.isNull() && text == rateText) {
                return row.group;
            }
        }
    }
    return std::nullopt;
}

SalesDocument::SalesDocument()
{
    clear();
}

const Totals& SalesDocument::groupTotals(RateGroup group) const
{
    return m_groups.at(slot(group));
}

Result<void> SalesDocument::loadGoods(const Goods& goods)
{
    // Whatever the outcome, a goods choice ends the line selection, and a
    // refused record leaves no goods loaded.
    m_removalEnabled = false;
    m_hasGoods = false;
    if (!Decimal::parse(goods.Cena_jednostkowa_netto)) {
        return fail(QStringLiteral("Cena jednostkowa netto towaru „%1” nie jest liczbą: „%2”.")
                        .arg(goods.Nazwa_towaru, goods.Cena_jednostkowa_netto));
    }
    const auto rate = rateNumber(goods.Stawka_vat);
    if (!rate) {
        return fail(QStringLiteral("Stawka VAT towaru „%1” nie jest liczbą: „%2”.")
                        .arg(goods.Nazwa_towaru, goods.Stawka_vat));
    }
    loadLine(lineToLoad(goods.Nazwa_towaru, goods.Cena_jednostkowa_netto, goods.Jednostka_miary,
                        goods.Stawka_vat, goods.Symbol_SWW_KU),
             *rate);
    return {};
}

void SalesDocument::loadLine(const CurrentLine& values, Decimal rate)
{
    m_current = values;
    m_rate = rate;
    m_hasGoods = true;
    recompute(QStringLiteral("0"));
}

bool SalesDocument::recompute(const QString& quantity)
{
    m_current.quantity = quantity;
    const auto q = Decimal::parse(quantity);
    const auto price = Decimal::parse(m_current.unitPrice);
    const auto net = q && price ? held(q->times(*price)) : std::nullopt;
    if (!net) {
        return false;
    }
    m_current.net = net->fmt();
    // Each step reads back the two-decimal text of the step before.
    const auto vat = vatOf(*Decimal::parse(m_current.net), m_rate);
    if (!vat) {
        return false;
    }
    m_current.vat = vat->fmt();
    const auto gross = fmtSum(m_current.vat, m_current.net, 1);
    if (!gross) {
        return false;
    }
    m_current.gross = *gross;
    return true;
}

std::optional<AddRefusal> SalesDocument::add(const QString& quantity)
{
    if (!m_hasGoods) {
        return AddRefusal::NoGoods;
    }
    if (quantity.isEmpty()) {
        return AddRefusal::NoQuantity;
    }
    if (m_lines.size() >= kMaxDocumentLines) {
        return AddRefusal::TooManyLines;
    }
    const auto q = Decimal::parse(quantity);
    if (!q || *q <= Decimal()) {
        return AddRefusal::QuantityNotPositive;
    }
    if (!rateGroupOf(m_current.rateText)) {
        return AddRefusal::UnknownRate;
    }
    if (!recompute(quantity)) {
        return AddRefusal::OutOfRange;
    }
    const auto totals = summed(m_current.rateText, m_current.net, 1);
    if (!totals) {
        return AddRefusal::OutOfRange;
    }
    m_lines.push_back({m_current.name, m_current.symbol, m_current.unit, m_current.quantity,
                       m_current.unitPrice, m_current.net, m_current.rateText, m_current.vat,
                       m_current.gross});
    apply(*totals);
    m_totalToPay = m_document.gross;
    return std::nullopt;
}

std::optional<SalesDocument::AllTotals> SalesDocument::summed(const QString& rateText,
                                                              const QString& net, int sign) const
{
    const auto group = rateGroupOf(rateText);
    if (!group) {
        return std::nullopt;
    }
    AllTotals totals{m_groups, m_document};
    Totals& changed = totals.groups.at(slot(*group));
    const auto groupNet = fmtSum(changed.net, net, sign);
    const auto vat = groupNet ? vatOf(*Decimal::parse(*groupNet),
                                      Decimal::fromWhole(kGroupRows.at(slot(*group)).rate))
                              : std::nullopt;
    if (!vat) {
        return std::nullopt;
    }
    changed.net = *groupNet;
    changed.vat = vat->fmt();
    const auto gross = fmtSum(changed.net, changed.vat, 1);
    if (!gross) {
        return std::nullopt;
    }
    changed.gross = *gross;

    QString sums[3] = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    for (const Totals& group : totals.groups) {
        const QString* parts[3] = {&group.net, &group.vat, &group.gross};
        for (int i = 0; i < 3; ++i) {
            const auto sum = fmtSum(sums[i], *parts[i], 1);
            if (!sum) {
                return std::nullopt;
            }
            sums[i] = *sum;
        }
    }
    totals.document = {sums[0], sums[1], sums[2]};
    return totals;
}

void SalesDocument::apply(const AllTotals& totals)
{
    m_groups = totals.groups;
    m_document = totals.document;
}

bool SalesDocument::selectLine(int index)
{
    if (index < 0 || index >= static_cast<int>(m_lines.size())) {
        return false;
    }
    const DocumentLine& line = m_lines.at(static_cast<std::size_t>(index));
    m_selectedIndex = index;
    m_removalEnabled = true;
    loadLine(lineToLoad(line.name, line.unitPrice, line.unit, line.rateText, line.symbol),
             rateNumber(line.rateText).value_or(Decimal()));
    return true;
}

std::optional<Decimal> SalesDocument::selectedQuantity() const
{
    if (!m_removalEnabled || m_selectedIndex >= static_cast<int>(m_lines.size())) {
        return std::nullopt;
    }
    return Decimal::parse(m_lines.at(static_cast<std::size_t>(m_selectedIndex)).quantity);
}

RemovalCheck SalesDocument::checkRemoval(QStringView quantity) const
{
    if (quantity.isEmpty()) {
        return RemovalCheck::NoQuantity;
    }
    const auto q = Decimal::parse(quantity);
    const auto onLine = selectedQuantity();
    if (!q || !onLine) {
        return RemovalCheck::Ignored;
    }
    if (*q <= Decimal()) {
        return RemovalCheck::NotPositive;
    }
    if (*q > *onLine) {
        return RemovalCheck::TooLarge;
    }
    return *q == *onLine ? RemovalCheck::WholeLine : RemovalCheck::Reduce;
}

bool SalesDocument::removeSelectedLine()
{
    if (!selectedQuantity()) {
        return false;
    }
    const auto index = static_cast<std::size_t>(m_selectedIndex);
    // The line's own net value leaves the totals, so that totals and lines
    // always agree, however the line was reduced before.
    const auto totals = summed(m_lines.at(index).rateText, m_lines.at(index).net, -1);
    if (!totals) {
        return false;
    }
    // The line numbers stay 1 to 20: the printout numbers the remaining lines
    // in order.
    m_lines.erase(m_lines.begin() + m_selectedIndex);
    apply(*totals);
    afterRemoval();
    return true;
}

bool SalesDocument::reduceSelectedLine(const QString& quantity)
{
    if (checkRemoval(quantity) != RemovalCheck::Reduce || !recompute(quantity)) {
        return false;
    }
    DocumentLine line = m_lines.at(static_cast<std::size_t>(m_selectedIndex));
    const auto rest = fmtSum(line.quantity, quantity, -1);
    const auto net = fmtSum(line.net, m_current.net, -1);
    const auto vat = fmtSum(line.vat, m_current.vat, -1);
    const auto gross = fmtSum(line.gross, m_current.gross, -1);
    const auto totals = summed(line.rateText, m_current.net, -1);
    if (!rest || !net || !vat || !gross || !totals) {
        return false;
    }
    line.quantity = *rest;
    line.net = *net;
    line.vat = *vat;
    line.gross = *gross;
    m_lines[static_cast<std::size_t>(m_selectedIndex)] = line;
    apply(*totals);
    afterRemoval();
    return true;
}

void SalesDocument::afterRemoval()
{
    m_removalEnabled = false;
    m_current.quantity.clear();
    m_current.net.clear();
    m_current.vat.clear();
    m_current.gross.clear();
    m_hasGoods = false;
    m_totalToPay = m_document.gross;
}

void SalesDocument::dropGoods()
{
    m_hasGoods = false;
    m_removalEnabled = false;
}

void SalesDocument::clear()
{
    const QString zero = QStringLiteral("0");
    m_current = {zero, zero, zero, zero, zero, zero, zero, zero, zero};
    m_rate = Decimal();
    m_hasGoods = false;
    m_lines.clear();
    m_lineNumbers = freshLineNumbers();
    m_groups = {};
    m_document = {};
    m_totalToPay = QStringLiteral("0,00");
    m_removalEnabled = false;
}

bool SalesDocument::refreshAmountInWords()
{
    const auto words = kwitola::amountInWords(m_totalToPay);
    if (!words) {
        m_totalToPay = QStringLiteral("0,00");
        return false;
    }
    m_words = *words;
    m_totalToPay = words->total;
    return true;
}

} // namespace kwitola
