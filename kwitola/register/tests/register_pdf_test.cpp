#include "common/printing/pagerenderer.h"
#include "common/testsupport/textink.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/register/core/ledgerpages.h"
#include "kwitola/register/core/monthledger.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

// A March ledger of count rows; row i has a net 22% of i,01 and VAT 0,22.
MonthLedger marchLedger(int count)
{
    std::vector<LedgerRow> rows;
    for (int i = 1; i <= count; ++i) {
        LedgerRow r;
        r.documentNumber = QStringLiteral("%1/2026 FV").arg(i);
        r.issueDay = QString::number(1 + (i - 1) * 30 / std::max(count, 1));
        r.issueMonth = QStringLiteral("03");
        r.issueYear = QStringLiteral("2026");
        r.recipientName = QStringLiteral("Przedsiębiorstwo Produkcyjno-Handlowo-Usługowe "
                                         "„Żuraw” spółka z ograniczoną odpowiedzialnością nr %1")
                              .arg(i);
        r.recipientNip = QStringLiteral("784-000-11-22");
        r.recipientAddress = QStringLiteral("ul. Generała Władysława Sikorskiego 125/17");
        r.recipientPostalCode = QStringLiteral("62-200");
        r.recipientTown = QStringLiteral("Gniezno");
        r.net22 = QStringLiteral("%1,01").arg(i);
        r.vat22 = QStringLiteral("0,22");
        r.vatTotal = r.vat22;
        r.grossTotal = QStringLiteral("%1,23").arg(i);
        rows.push_back(r);
    }
    return *monthLedger(rows, {2026, 3});
}

QString text(const common::Page& page, const QString& name)
{
    const common::PageElement* element = page.find(name);
    return element ? element->text : QStringLiteral("<brak>");
}

constexpr int kNet22 = 6;
constexpr int kGross = 13;

TEST(LedgerPages, carryTheSumsFromPageToPageAndEndWithTheTotals)
{
    const int first = ledgerRowsOnPage(0);
    const int second = ledgerRowsOnPage(1);
    ASSERT_GT(first, 10);
    const MonthLedger ledger = marchLedger(first + second + 3);
    const auto pages = ledgerPages(ledger, {QStringLiteral("Firma Sprzedawca")});
    ASSERT_EQ(pages.size(), 3U);
    for (const common::Page& page : pages) {
        EXPECT_GT(page.width, page.height);
    }
    // Page one: rows 1..first, carried out their sums; nothing carried in.
    EXPECT_EQ(pages[0].find(QStringLiteral("carriedIn.0")), nullptr);
    EXPECT_EQ(text(pages[0], QStringLiteral("cell.0.0")), QStringLiteral("1"));
    EXPECT_EQ(text(pages[0], QStringLiteral("cell.%1.1").arg(first - 1)),
              QStringLiteral("%1/2026 FV").arg(first));
    EXPECT_EQ(pages[0].find(QStringLiteral("cell.%1.0").arg(first)), nullptr);
    // Rows 1..n net i,01: n(n+1)/2 + n x 0,01.
    const auto netOf = [](int n) {
        return QStringLiteral("%1,%2").arg(n * (n + 1) / 2).arg(n % 100, 2, 10, QLatin1Char('0'));
    };
    EXPECT_EQ(text(pages[0], QStringLiteral("carriedOut.%1").arg(kNet22)), netOf(first));
    EXPECT_EQ(text(pages[0], QStringLiteral("carriedOut.0")), QStringLiteral("Do przeniesienia:"));
    // Page two starts from what page one carried out.
    EXPECT_EQ(text(pages[1], QStringLiteral("carriedIn.%1").arg(kNet22)), netOf(first));
    EXPECT_EQ(text(pages[1], QStringLiteral("carriedIn.0")), QStringLiteral("Z przeniesienia:"));
    EXPECT_EQ(text(pages[1], QStringLiteral("cell.0.0")), QString::number(first + 1));
    EXPECT_EQ(text(pages[1], QStringLiteral("carriedOut.%1").arg(kNet22)), netOf(first + second));
    // The last page ends with the month's totals, not a carried row.
    EXPECT_EQ(pages[2].find(QStringLiteral("carriedOut.0")), nullptr);
    EXPECT_EQ(text(pages[2], QStringLiteral("total.0")), QStringLiteral("Razem:"));
    EXPECT_EQ(text(pages[2], QStringLiteral("total.%1").arg(kNet22)), netOf(first + second + 3));
    EXPECT_EQ(text(pages[2], QStringLiteral("total.%1").arg(kGross)),
              ledger.totals.at(static_cast<std::size_t>(Amount::Gross)).fmt());
    EXPECT_EQ(text(pages[2], QString::fromLatin1(ledgerpage::kPageNumber)),
              QStringLiteral("Strona 3 z 3"));
    EXPECT_EQ(text(pages[0], QString::fromLatin1(ledgerpage::kTitle)),
              QStringLiteral("Rejestr sprzedaży VAT — marzec 2026"));
}

TEST(LedgerPages, aFullLastPageEndsWithTheTotalsAndAnEmptyMonthIsOnePage)
{
    const auto full = ledgerPages(marchLedger(ledgerRowsOnPage(0)), {});
    ASSERT_EQ(full.size(), 1U);
    EXPECT_NE(full[0].find(QStringLiteral("total.0")), nullptr);
    EXPECT_EQ(full[0].find(QString::fromLatin1(ledgerpage::kSeller)), nullptr);

    const auto empty = ledgerPages(marchLedger(0), {});
    ASSERT_EQ(empty.size(), 1U);
    EXPECT_NE(empty[0].find(QString::fromLatin1(ledgerpage::kNoRows)), nullptr);
    EXPECT_EQ(text(empty[0], QStringLiteral("total.%1").arg(kGross)), QStringLiteral("0,00"));
}

// The texts of the page cut off, but for the recipient's name and address,
// which wrap onto two lines and may end cut with an ellipsis.
QStringList cutBesidesNames(const common::Page& page)
{
    QStringList unexpected;
    for (const QString& c : common::testing::cutTexts(page, 2200)) {
        const QString column = c.section(u':', 0, 0).section(u'.', 2, 2);
        if (!c.startsWith(QStringLiteral("cell.")) ||
            (column != QStringLiteral("4") && column != QStringLiteral("5"))) {
            unexpected << c;
        }
    }
    return unexpected;
}

TEST(LedgerPages, longNamesAndLargeSumsAreDrawnWholeOnThePage)
{
    MonthLedger ledger = marchLedger(3);
    // The largest sums a month can reach in practice.
    ledger.totals.fill(*Decimal::parse(QStringLiteral("-99999999,99")));
    const auto pages = ledgerPages(ledger, {QStringLiteral("Firma Sprzedawca")});
    ASSERT_EQ(pages.size(), 1U);
    const QStringList unexpected = cutBesidesNames(pages[0]);
    EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join(u'\n').toStdString();
}

// A month of ten thousand documents numbers its rows up to 10000 and its
// documents up to "10000/2026 FV": the last page shows both whole.
TEST(LedgerPages, aMonthOfTenThousandRowsShowsTheirOrdinalsAndNumbersWhole)
{
    const auto pages = ledgerPages(marchLedger(10'000), {QStringLiteral("Firma Sprzedawca")});
    ASSERT_GT(pages.size(), 400U);
    const QStringList unexpected = cutBesidesNames(pages.back());
    EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join(u'\n').toStdString();
}

TEST(LedgerPages, theWrittenPdfReadsBackThroughPdftotext)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    const MonthLedger ledger = marchLedger(ledgerRowsOnPage(0) + 2);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rejestr.pdf"));
    ASSERT_TRUE(common::writePdf(ledgerPages(ledger, {QStringLiteral("Firma Sprzedawca")}), path));
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList pages = out.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Rejestr sprzedaży VAT — marzec 2026")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Do przeniesienia:")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("1/2026 FV")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Netto 22%")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Z przeniesienia:")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Razem:")));
    EXPECT_TRUE(pages[1].contains(ledger.totals.at(static_cast<std::size_t>(Amount::Gross)).fmt()));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Strona 2 z 2")));
    EXPECT_TRUE(out.contains(QStringLiteral("05-03-2026")) ||
                out.contains(QStringLiteral("01-03-2026")));
}

} // namespace
