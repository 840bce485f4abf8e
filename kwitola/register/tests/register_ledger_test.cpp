#include "kwitola/register/core/ledgercsv.h"
#include "kwitola/register/core/ledgerread.h"
#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/tests/registertestfolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

LedgerRow row(const char* number, const char* day, const char* month, const char* year,
              const char* net22, const char* vat22, const char* gross)
{
    LedgerRow r;
    r.documentNumber = QString::fromUtf8(number);
    r.issueDay = QString::fromUtf8(day);
    r.issueMonth = QString::fromUtf8(month);
    r.issueYear = QString::fromUtf8(year);
    r.recipientName = QStringLiteral("Odbiorca ") + r.documentNumber;
    r.recipientNip = QStringLiteral("784-000-11-22");
    r.recipientAddress = QStringLiteral("ul. Długa 5");
    r.recipientPostalCode = QStringLiteral("62-200");
    r.recipientTown = QStringLiteral("Gniezno");
    r.net22 = QString::fromUtf8(net22);
    r.vat22 = QString::fromUtf8(vat22);
    r.vatTotal = r.vat22;
    r.grossTotal = QString::fromUtf8(gross);
    return r;
}

Month march()
{
    return *Month::parse(QStringLiteral("2026-03"));
}

TEST(MonthText, readsOnlyAFourDigitYearAndATwoDigitMonth)
{
    struct Case
    {
        const char* text;
        int year; // 0: refused
        int month;
    };
    const Case cases[] = {
        {"2026-03", 2026, 3}, {" 2026-12 ", 2026, 12}, {"2026-01", 2026, 1}, {"2026-13", 0, 0},
        {"2026-00", 0, 0},    {"2026-3", 0, 0},        {"26-03", 0, 0},      {"2026/03", 0, 0},
        {"", 0, 0},           {"2026-03-01", 0, 0},    {"marzec", 0, 0},
    };
    for (const Case& c : cases) {
        const auto month = Month::parse(QString::fromUtf8(c.text));
        if (c.year == 0) {
            EXPECT_FALSE(month) << c.text;
        } else {
            ASSERT_TRUE(month) << c.text;
            EXPECT_EQ(month->year, c.year) << c.text;
            EXPECT_EQ(month->month, c.month) << c.text;
        }
    }
    EXPECT_EQ(Month::parse(QStringLiteral("2028-02"))->last(), QDate(2028, 2, 29));
    EXPECT_EQ(march().title(), QStringLiteral("marzec 2026"));
}

TEST(MonthLedger, takesTheMonthsRowsByIssueDateAndSumsThemExactly)
{
    const std::vector<LedgerRow> rows = {
        row("1/2026 FV", "31", "03", "2026", "0,10", "0,02", "0,12"),
        row("2/2026 FV", "28", "02", "2026", "5,00", "1,10", "6,10"),
        row("3/2026 FV", "1", "3", "2026", "0,20", "0,04", "0,24"),
        row("4/2026 RU", "01", "04", "2026", "7,00", "1,54", "8,54"),
        row("5/2026 FV", "-", "03", "2026", "9,00", "1,98", "10,98"),
        row("6/2026 FV", "31", "03", "2026", "0,30", "0,07", "0,37"),
        row("7/2025 FV", "15", "03", "2025", "1,00", "0,22", "1,22"),
    };
    const auto ledger = monthLedger(rows, march());
    ASSERT_TRUE(ledger.ok()) << ledger.error().toStdString();
    ASSERT_EQ(ledger->entries.size(), 3U);
    // By issue date; rows of one day stay in table order.
    EXPECT_EQ(ledger->entries.at(0).number, QStringLiteral("3/2026 FV"));
    EXPECT_EQ(ledger->entries.at(1).number, QStringLiteral("1/2026 FV"));
    EXPECT_EQ(ledger->entries.at(2).number, QStringLiteral("6/2026 FV"));
    EXPECT_EQ(ledger->entries.at(0).issueDate, QDate(2026, 3, 1));
    EXPECT_EQ(ledger->entries.at(0).recipientAddress,
              QStringLiteral("ul. Długa 5, 62-200 Gniezno"));
    // 0,10 + 0,20 + 0,30 is 0,60 exactly, as binary fractions would not give.
    EXPECT_EQ(ledger->totals.at(static_cast<std::size_t>(Amount::Net22)).fmt(),
              QStringLiteral("0,60"));
    EXPECT_EQ(ledger->totals.at(static_cast<std::size_t>(Amount::Gross)).fmt(),
              QStringLiteral("0,73"));
    EXPECT_EQ(ledger->totals.at(static_cast<std::size_t>(Amount::Net7)).fmt(),
              QStringLiteral("0,00"));
}

TEST(MonthLedger, anAmountThatIsNotANumberFailsTheLedgerAndAnEmptyOneIsZero)
{
    std::vector<LedgerRow> rows = {row("1/2026 FV", "05", "03", "2026", "", "", "1,00"),
                                   row("2/2026 FV", "06", "03", "2026", "1,0O", "0,22", "1,22")};
    const auto refused = monthLedger(rows, march());
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error().contains(QStringLiteral("2/2026 FV")));
    EXPECT_TRUE(refused.error().contains(QStringLiteral("1,0O")));
    // The same row in another month does not stop this month's ledger.
    rows.at(1).issueMonth = QStringLiteral("04");
    const auto ledger = monthLedger(rows, march());
    ASSERT_TRUE(ledger.ok()) << ledger.error().toStdString();
    EXPECT_EQ(ledger->entries.at(0).amount(Amount::Net22), Decimal());
}

TEST(LedgerCsv, quotesOnlyTheFieldsThatNeedIt)
{
    const std::pair<QStringList, QString> cases[] = {
        {{QStringLiteral("a"), QStringLiteral("1,50")}, QStringLiteral("a;1,50\r\n")},
        {{QStringLiteral("a;b")}, QStringLiteral("\"a;b\"\r\n")},
        {{QStringLiteral("Firma \"Żuraw\"")}, QStringLiteral("\"Firma \"\"Żuraw\"\"\"\r\n")},
        {{QStringLiteral("dwa\nwiersze"), QString()}, QStringLiteral("\"dwa\nwiersze\";\r\n")},
        {{QStringLiteral(" spacja")}, QStringLiteral("\" spacja\"\r\n")},
        {{QString(), QString()}, QStringLiteral(";\r\n")},
    };
    for (const auto& [fields, expected] : cases) {
        EXPECT_EQ(csvRecord(fields), expected) << expected.toStdString();
    }
}

// Reads the file with an independent CSV reader and answers its rows.
std::optional<QJsonArray> readWithPythonCsv(const QString& path)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(python,
                  {QStringLiteral("-c"),
                   QStringLiteral("import csv,json,sys\n"
                                  "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                  "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n"),
                   path});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput()).array();
}

TEST(LedgerCsv, readBackByACsvReaderGivesTheLedgersValuesAndTotals)
{
    std::vector<LedgerRow> rows = {
        row("1/2026 FV", "31", "03", "2026", "100,00", "22,00", "122,00"),
        row("2/2026 FV", "02", "03", "2026", "0,10", "0,02", "0,12")};
    rows.at(0).recipientName = QStringLiteral("PHU \"Łoś; syn\"\nsp. j.");
    rows.at(1).net7 = QStringLiteral("10,00");
    rows.at(1).vat7 = QStringLiteral("0,70");
    const auto ledger = monthLedger(rows, march());
    ASSERT_TRUE(ledger.ok());
    const QByteArray bytes = ledgerCsv(*ledger);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rejestr.csv"));
    ASSERT_TRUE(writeLedgerCsv(*ledger, path).ok());
    const auto read = readWithPythonCsv(path);
    if (!read) {
        GTEST_SKIP() << "python3 is not installed";
    }
    ASSERT_EQ(read->size(), 4);
    const auto cell = [&](int r, int c) {
        return read->at(r).toArray().at(c).toString();
    };
    struct Cell
    {
        int row;
        int column;
        const char* text;
    };
    const Cell expected[] = {
        {0, 0, "Lp."},
        {0, 13, "Brutto"},
        {1, 1, "2/2026 FV"},
        {1, 2, "2026-03-02"},
        {1, 8, "10,00"},
        {2, 4, "PHU \"Łoś; syn\"\nsp. j."},
        {2, 5, "ul. Długa 5, 62-200 Gniezno"},
        {2, 13, "122,00"},
        {3, 1, "Razem"},
        {3, 6, "100,10"},
        {3, 9, "0,70"},
        {3, 13, "122,12"},
    };
    for (const Cell& c : expected) {
        EXPECT_EQ(cell(c.row, c.column), QString::fromUtf8(c.text)) << c.row << ", " << c.column;
    }
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(read->at(r).toArray().size(), kLedgerColumnCount) << r;
    }
}

TEST(LedgerCsv, aFileInAMissingFolderFailsWithAMessage)
{
    QTemporaryDir dir;
    const auto ledger = monthLedger({}, march());
    ASSERT_TRUE(ledger.ok());
    const auto refused = writeLedgerCsv(*ledger, dir.filePath(QStringLiteral("brak/rejestr.csv")));
    EXPECT_FALSE(refused.ok());
    EXPECT_FALSE(refused.error().isEmpty());
    // A month without rows is still a header and a zero totals row.
    EXPECT_EQ(ledgerCsv(*ledger).count("\r\n"), 2);
}

} // namespace

namespace {

// The stored issue dates of rows in and around March 2026 in the shapes the
// store may hold them: padded, blank-surrounded, with a sign, with leading
// zeros, a tab or a non-breaking space, blanks inside, empty, out of range,
// and of other months and years.
std::vector<test::Posted> datesAroundMarch()
{
    const std::vector<std::array<const char*, 3>> dates = {
        {"05", "03", "2026"},  {" 6", " 3 ", "2026 "},   {"7", "3", "02026"},
        {"8", "+3", "+2026"},  {"9", "\u00A03", "2026"}, {"10", "13", "2026"},
        {"11", "03", "12026"}, {"12", "3a", "2026"},     {"31", "02", "2026"},
        {"05", "03", "2025"},  {"05", "04", "2026"},     {"01", "03", "2027"},
        {"02", "11", "2026"},  {"28", "03", "2026"},     {"03", "003", "2026"},
        {"04", "\t3", "2026"}, {"05", "30", "2026"},     {"06", "3", "20 26"},
        {"07", "", "2026"},
    };
    std::vector<test::Posted> posted;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const auto& [day, month, year] = dates.at(i);
        posted.push_back({QStringLiteral("%1/2026 FV").arg(i + 1),
                          QStringLiteral("Faktura VAT"),
                          QString::fromUtf8(day),
                          QString::fromUtf8(month),
                          QString::fromUtf8(year),
                          QStringLiteral("Odbiorca"),
                          {},
                          QStringLiteral("%1,00").arg(i + 10)});
    }
    return posted;
}

QStringList numbersOf(const MonthLedger& ledger)
{
    QStringList numbers;
    for (const LedgerEntry& entry : ledger.entries) {
        numbers << entry.number;
    }
    return numbers;
}

} // namespace

TEST(MonthLedgerRows, theMonthsRowsReadAloneMakeTheSameLedgerAsTheWholeLedger)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeTables(dir.path(), datesAroundMarch()));
    const auto all = readPostedTables(dir.path(), {}, PostedParts::LedgerAndIssuers);
    ASSERT_TRUE(all) << all.error().toStdString();
    const auto rows = readLedgerRowsOfMonth(dir.path(), march());
    ASSERT_TRUE(rows) << rows.error().toStdString();
    EXPECT_LT(rows->size(), all->ledger.size());

    const auto whole = monthLedger(all->ledger, march());
    const auto alone = monthLedger(*rows, march());
    ASSERT_TRUE(whole);
    ASSERT_TRUE(alone);
    EXPECT_EQ(numbersOf(*alone),
              (QStringList{QStringLiteral("15/2026 FV"), QStringLiteral("16/2026 FV"),
                           QStringLiteral("1/2026 FV"), QStringLiteral("2/2026 FV"),
                           QStringLiteral("3/2026 FV"), QStringLiteral("4/2026 FV"),
                           QStringLiteral("5/2026 FV"), QStringLiteral("14/2026 FV")}))
        << numbersOf(*alone).join(u' ').toStdString();
    EXPECT_EQ(numbersOf(*alone), numbersOf(*whole));
    EXPECT_EQ(alone->totals, whole->totals);
}

TEST(MonthLedgerRows, aFolderWithoutTablesIsAPolishFailure)
{
    QTemporaryDir dir;
    const auto rows = readLedgerRowsOfMonth(dir.filePath(QStringLiteral("brak")), march());
    ASSERT_FALSE(rows);
    EXPECT_FALSE(rows.error().isEmpty());
}
