#include "kwitola/testsupport/documentsession.h"

#include <array>
#include <utility>

namespace kwitola::testing {

namespace {

struct GoodsRow
{
    const char* name;
    const char* price;
    const char* rate;
};

constexpr std::array<GoodsRow, 10> kPool = {{
    {"Śruba", "0,20", "22"},
    {"Farba", "10,00", "7"},
    {"Książka", "25,00", "0"},
    {"Usługa", "100,00", "zw."},
    {"Porada", "33,33", "zw"},
    {"Drut", "0,333", "22"},
    {"Klej", "1,005", "7"},
    {"Zepsuty", "dziesięć", "22"},
    {"Bez stawki", "5,00", "dużo"},
    {"Obca stawka", "5,00", "23"},
}};

constexpr std::array<const char*, 16> kQuantities = {{
    "1",
    "2",
    "3",
    "0,5",
    "1,125",
    "0,333",
    "12,5",
    "0",
    "-1",
    "",
    "abc",
    "1,2,3",
    "0,000001",
    "1,23456789",
    "2,",
    " 4 ",
}};

} // namespace

DocumentSession::DocumentSession(Draw draw) : m_draw(std::move(draw)), m_pool(goodsPool()) {}

std::vector<Goods> DocumentSession::goodsPool()
{
    std::vector<Goods> pool;
    for (const GoodsRow& row : kPool) {
        Goods goods;
        goods.Nazwa_towaru = QString::fromUtf8(row.name);
        goods.Cena_jednostkowa_netto = QString::fromUtf8(row.price);
        goods.Stawka_vat = QString::fromUtf8(row.rate);
        goods.Jednostka_miary = QStringLiteral("szt.");
        pool.push_back(goods);
    }
    return pool;
}

QString DocumentSession::typedQuantity()
{
    // Mostly the listed texts; now and then a random whole or fractional one.
    const std::uint32_t pick = m_draw(kQuantities.size() + 2);
    if (pick < kQuantities.size()) {
        return QString::fromUtf8(kQuantities.at(pick));
    }
    if (pick == kQuantities.size()) {
        return QString::number(m_draw(500) + 1);
    }
    return QStringLiteral("%1,%2").arg(m_draw(100)).arg(m_draw(1000), 3, 10, QLatin1Char('0'));
}

std::string DocumentSession::step()
{
    switch (m_draw(8)) {
    case 0: {
        const std::uint32_t pick = m_draw(static_cast<std::uint32_t>(m_pool.size()) + 1);
        if (pick == m_pool.size()) {
            m_document.dropGoods(); // the list shows no choice
            return "no goods chosen";
        }
        (void)m_document.loadGoods(m_pool.at(pick));
        return "choose " + m_pool.at(pick).Nazwa_towaru.toStdString();
    }
    case 1:
        m_quantity = typedQuantity();
        if (!m_quantity.isEmpty() && m_document.hasGoods()) {
            m_document.recompute(m_quantity);
        }
        return "type '" + m_quantity.toStdString() + "'";
    case 2:
    case 3:
        if (!m_document.add(m_quantity)) {
            (void)m_document.refreshAmountInWords();
        }
        return "add '" + m_quantity.toStdString() + "'";
    case 4: {
        const int line = static_cast<int>(m_draw(kMaxDocumentLines + 2)) - 1;
        m_document.selectLine(line);
        return "click line " + std::to_string(line);
    }
    case 5:
        if (m_document.checkRemoval(m_quantity) == RemovalCheck::Reduce &&
            m_document.reduceSelectedLine(m_quantity)) {
            (void)m_document.refreshAmountInWords();
        }
        return "reduce by '" + m_quantity.toStdString() + "'";
    case 6:
        // The user typically types the line's own quantity to remove it.
        if (m_document.removalEnabled() && m_draw(2) == 0) {
            m_quantity = m_document.lines()
                             .at(static_cast<std::size_t>(m_document.selectedIndex()))
                             .quantity;
        }
        if (m_document.checkRemoval(m_quantity) == RemovalCheck::WholeLine &&
            m_document.removeSelectedLine()) {
            (void)m_document.refreshAmountInWords();
        }
        return "remove whole '" + m_quantity.toStdString() + "'";
    default:
        if (m_draw(8) == 0) {
            m_document.clear();
            return "clear";
        }
        return "nothing";
    }
}

} // namespace kwitola::testing
