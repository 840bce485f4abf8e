#include "common/testsupport/resultexpect.h"
#include "kwitola/core/posting.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/tests/storefixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace kwitola;
using testsupport::found;

namespace {

struct LineSpec
{
    const char* name;
    const char* quantity;
};

std::unique_ptr<TableStore> openStore(const QString& folder)
{
    auto store = std::make_unique<TableStore>();
    store->setPassword(QString(kTablePassword));
    const auto opened = store->open(folder);
    EXPECT_TRUE(opened) << opened.error().toStdString();
    return store;
}

// A digest of the bytes of every file in the folder: the six tables, and any
// journal left behind.
std::map<std::string, std::string> snapshot(const QString& folder)
{
    std::map<std::string, std::string> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(folder).filePath(name));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        files[name.toStdString()] =
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().toStdString();
    }
    return files;
}

RecordId addGoods(TableStore& store, const QString& name, const QString& stock)
{
    Goods goods;
    goods.Nazwa_towaru = name;
    goods.Stan_poczatkowy = stock;
    goods.Cena_jednostkowa_netto = QStringLiteral("10,00");
    goods.Stawka_vat = QStringLiteral("22");
    return *store.insertRecord(goods);
}

QString stockOf(const TableStore& store, RecordId id)
{
    const auto goods = found(store.get<Goods>(id));
    return goods ? goods->Stan_poczatkowy : QStringLiteral("<brak>");
}

// A posting request as the print flow makes one; kindName empty is a
// goods-issue note.
PostingRequest request(const QString& kindName, const QString& storedNumber, const QString& number,
                       RecordId recipient, std::initializer_list<LineSpec> lines,
                       const QString& issueDate = QStringLiteral("05-03-2001"))
{
    PostingRequest r;
    r.document.Numer_faktury = storedNumber;
    r.document.kindName = kindName;
    r.document.issueDate = issueDate;
    r.document.recipientName = QStringLiteral("Odbiorca");
    std::size_t i = 0;
    for (const LineSpec& line : lines) {
        r.document.lines.at(i).name = QString::fromUtf8(line.name);
        r.document.lines.at(i).quantity = QString::fromUtf8(line.quantity);
        ++i;
    }
    r.recipientId = recipient;
    r.recipientPhone = QStringLiteral("61 111 22 33");
    if (kindName.isEmpty()) {
        r.replaces = goodsIssuePostings(number);
    } else {
        r.replaces = invoiceOrBillPostings(number);
        LedgerRow row;
        row.documentNumber = storedNumber;
        row.grossTotal = QStringLiteral("36,60");
        r.ledgerRow = row;
    }
    return r;
}

PostingRequest invoice(const QString& number, RecordId recipient,
                       std::initializer_list<LineSpec> lines)
{
    return request(QString(kInvoiceKindName), number + kInvoiceSuffix, number, recipient, lines);
}

class Posting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        store = openStore(dir.path());
        Recipient chosen;
        chosen.Nazwa_firmy = QStringLiteral("Odbiorca");
        chosen.Telefon_firmy = QStringLiteral("stary");
        Recipient other = chosen;
        other.Nazwa_firmy = QStringLiteral("Inny");
        recipient = *store->insertRecord(chosen);
        otherRecipient = *store->insertRecord(other);
        bolts = addGoods(*store, QStringLiteral("Śruba"), QStringLiteral("100,00"));
        nuts = addGoods(*store, QStringLiteral("Nakrętka"), QStringLiteral("50,00"));
        service = addGoods(*store, QStringLiteral("Usługa"), QString());
    }

    qint64 count(Table table) const { return *store->count(table); }

    QTemporaryDir dir;
    std::unique_ptr<TableStore> store;
    RecordId recipient = 0;
    RecordId otherRecipient = 0;
    RecordId bolts = 0;
    RecordId nuts = 0;
    RecordId service = 0;
};

TEST_F(Posting, StoresTheDocumentLedgerRowRecipientDateAndStockOfEveryLine)
{
    auto r = invoice(QStringLiteral("12/2001"), recipient,
                     {{"Śruba", "3"}, {"Nakrętka", "2,5"}, {"Usługa", "1"}, {"Nieznany", "4"}});
    ASSERT_TRUE(postDocument(*store, r));

    const auto docs = *store->all<StoredDocument>();
    ASSERT_EQ(docs.size(), 1U);
    EXPECT_EQ(docs[0].Numer_faktury, QStringLiteral("12/2001 FV"));
    EXPECT_EQ(docs[0].lines[3].name, QStringLiteral("Nieznany"));
    const auto ledger = *store->all<LedgerRow>();
    ASSERT_EQ(ledger.size(), 1U);
    EXPECT_EQ(ledger[0].grossTotal, QStringLiteral("36,60"));

    EXPECT_EQ(stockOf(*store, bolts), QStringLiteral("97,00"));
    EXPECT_EQ(stockOf(*store, nuts), QStringLiteral("47,50"));
    EXPECT_EQ(stockOf(*store, service), QString()); // no stock kept: skipped

    const auto chosen = found(store->get<Recipient>(recipient));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->Ostatnia_transakcja, QStringLiteral("05-03-2001"));
    EXPECT_EQ(chosen->Telefon_firmy, QStringLiteral("61 111 22 33"));
    const auto other = found(store->get<Recipient>(otherRecipient));
    ASSERT_TRUE(other);
    EXPECT_EQ(other->Ostatnia_transakcja, QString());
    EXPECT_EQ(other->Telefon_firmy, QStringLiteral("stary"));
}

TEST_F(Posting, RepostingANumberReplacesTheEarlierPostingWhole)
{
    ASSERT_TRUE(postDocument(*store, invoice(QStringLiteral("7"), recipient, {{"Śruba", "3"}})));
    ASSERT_TRUE(postDocument(
        *store, invoice(QStringLiteral("7"), recipient, {{"Śruba", "5"}, {"Nakrętka", "1"}})));

    EXPECT_EQ(count(Table::Faktury), 1);
    EXPECT_EQ(count(Table::Sprzedaz), 1);
    EXPECT_EQ(stockOf(*store, bolts), QStringLiteral("95,00"));
    EXPECT_EQ(stockOf(*store, nuts), QStringLiteral("49,00"));
    EXPECT_EQ(store->all<StoredDocument>()->front().lines[1].name, QStringLiteral("Nakrętka"));
}

TEST_F(Posting, ABillAndAnInvoiceOfOneNumberReplaceEachOther)
{
    ASSERT_TRUE(postDocument(*store, invoice(QStringLiteral("12"), recipient, {{"Śruba", "1"}})));
    ASSERT_TRUE(postDocument(*store, request(QString(kBillKindName), QStringLiteral("12 RU"),
                                             QStringLiteral("12"), recipient, {{"Śruba", "2"}})));

    const auto docs = *store->all<StoredDocument>();
    ASSERT_EQ(docs.size(), 1U);
    EXPECT_EQ(docs[0].Numer_faktury, QStringLiteral("12 RU"));
    const auto ledger = *store->all<LedgerRow>();
    ASSERT_EQ(ledger.size(), 1U);
    EXPECT_EQ(ledger[0].documentNumber, QStringLiteral("12 RU"));
    EXPECT_EQ(stockOf(*store, bolts), QStringLiteral("98,00"));
}

TEST_F(Posting, AGoodsIssueNoteReplacesOnlyAGoodsIssueNote)
{
    ASSERT_TRUE(postDocument(*store, invoice(QStringLiteral("12"), recipient, {{"Śruba", "1"}})));
    // A note whose bare number reads like the invoice's stored number.
    ASSERT_TRUE(
        postDocument(*store, request(QString(), QStringLiteral("12 FV"), QStringLiteral("12 FV"),
                                     recipient, {{"Śruba", "2"}})));
    ASSERT_TRUE(
        postDocument(*store, request(QString(), QStringLiteral("12 FV"), QStringLiteral("12 FV"),
                                     recipient, {{"Śruba", "4"}})));

    const auto docs = *store->all<StoredDocument>();
    ASSERT_EQ(docs.size(), 2U);
    EXPECT_EQ(docs[0].kindName, QString(kInvoiceKindName));
    EXPECT_EQ(docs[1].kindName, QString());
    EXPECT_EQ(docs[1].lines[0].quantity, QStringLiteral("4"));
    EXPECT_EQ(count(Table::Sprzedaz), 1);
    EXPECT_EQ(stockOf(*store, bolts), QStringLiteral("95,00"));
}

TEST_F(Posting, AFailureLeavesEveryTableAsItWas)
{
    ASSERT_TRUE(postDocument(*store, invoice(QStringLiteral("1"), recipient, {{"Śruba", "3"}})));
    ASSERT_TRUE(store->update(Table::Magazyn, nuts,
                              {{QStringLiteral("Stan_poczatkowy"), QStringLiteral("dużo")}}));
    const auto before = snapshot(dir.path());

    // A stock that is not a number, a quantity that is not one, a recipient
    // that is gone: each fails the posting whole, re-posting included.
    const std::vector<PostingRequest> failing = {
        invoice(QStringLiteral("1"), recipient, {{"Śruba", "1"}, {"Nakrętka", "1"}}),
        invoice(QStringLiteral("1"), recipient, {{"Śruba", "x"}}),
        invoice(QStringLiteral("1"), 999, {{"Śruba", "1"}}),
    };
    for (const PostingRequest& r : failing) {
        EXPECT_FALSE(postDocument(*store, r));
        EXPECT_EQ(snapshot(dir.path()), before);
    }
    EXPECT_EQ(stockOf(*store, bolts), QStringLiteral("97,00"));
}

TEST_F(Posting, AReprintLeavesTheStockAsTheFirstPostingLeftIt)
{
    const RecordId wire = addGoods(*store, QStringLiteral("Drut"), QStringLiteral("85,88"));
    const auto document =
        invoice(QStringLiteral("9"), recipient, {{"Drut", "0,333"}, {"Drut", "1,125"}});
    ASSERT_TRUE(postDocument(*store, document));
    EXPECT_EQ(stockOf(*store, wire), QStringLiteral("84,43"));
    for (int reprint = 0; reprint < 3; ++reprint) {
        ASSERT_TRUE(postDocument(*store, document));
        EXPECT_EQ(stockOf(*store, wire), QStringLiteral("84,43")) << "reprint " << reprint;
    }
    // A changed document moves the stock by the difference alone, rounded once:
    // 84,43 + 1,458 - 0,5 = 85,388.
    ASSERT_TRUE(postDocument(*store, invoice(QStringLiteral("9"), recipient, {{"Drut", "0,5"}})));
    EXPECT_EQ(stockOf(*store, wire), QStringLiteral("85,39"));
    EXPECT_EQ(count(Table::Faktury), 1);
}

TEST_F(Posting, AnEarlierPostingOfAnotherIssueDateIsReplacedOnlyWithConsent)
{
    auto lastYear = invoice(QStringLiteral("1"), recipient, {{"Śruba", "3"}});
    lastYear.document.issueDate = QStringLiteral("02-01-2000");
    ASSERT_TRUE(postDocument(*store, lastYear));
    const auto before = snapshot(dir.path());

    auto thisYear = invoice(QStringLiteral("1"), recipient, {{"Śruba", "1"}});
    const auto earlier = earlierPostings(*store, thisYear);
    ASSERT_TRUE(earlier.ok());
    ASSERT_EQ(earlier->size(), 1u);
    const StoredDocument* other = postingOfAnotherDate(*earlier, thisYear);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->Numer_faktury, QStringLiteral("1 FV"));
    EXPECT_EQ(other->issueDate, QStringLiteral("02-01-2000"));

    const auto refused = postDocument(*store, thisYear);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
              QStringLiteral("Dokument nr 1 FV z dnia 02-01-2000 jest już zaksięgowany."));
    EXPECT_EQ(snapshot(dir.path()), before);

    thisYear.replaceOtherIssueDate = true;
    ASSERT_TRUE(postDocument(*store, thisYear));
    EXPECT_EQ(count(Table::Faktury), 1);
    EXPECT_EQ(count(Table::Sprzedaz), 1);
    EXPECT_EQ(stockOf(*store, bolts), QStringLiteral("99,00"));

    // A reprint of the same issue date needs no consent.
    thisYear.replaceOtherIssueDate = false;
    EXPECT_EQ(postingOfAnotherDate(*earlierPostings(*store, thisYear), thisYear), nullptr);
    EXPECT_TRUE(postDocument(*store, thisYear));
}

// Renames the table inside one file past the store, so that its reads fail.
void renameTable(const QString& path, const QString& from, const QString& to)
{
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(from, to)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

TEST_F(Posting, AReadThatFailsFailsThePostingInsteadOfFindingNothing)
{
    ASSERT_TRUE(postDocument(*store, invoice(QStringLiteral("5"), recipient, {{"Śruba", "1"}})));
    // Goods whose stock cannot be read are not "goods that are gone": the
    // posting fails instead of skipping the reduction.
    const QString goods = dir.filePath(QStringLiteral("magazyn.db"));
    renameTable(goods, QStringLiteral("Magazyn"), QStringLiteral("Ukryta"));
    EXPECT_FALSE(postDocument(*store, invoice(QStringLiteral("5"), recipient, {{"Śruba", "2"}})));
    renameTable(goods, QStringLiteral("Ukryta"), QStringLiteral("Magazyn"));

    EXPECT_EQ(count(Table::Faktury), 1);
    EXPECT_EQ(count(Table::Sprzedaz), 1);
    EXPECT_EQ(stockOf(*store, bolts), QStringLiteral("99,00"));
}

// One run per write of a re-posting: the write fails, and every table file
// stays byte for byte as it was.
TEST_F(Posting, AFaultAtAnySingleWriteLeavesTheFilesByteIdentical)
{
    ASSERT_TRUE(postDocument(
        *store, invoice(QStringLiteral("3"), recipient, {{"Śruba", "3"}, {"Nakrętka", "1"}})));
    const auto repost = invoice(QStringLiteral("3"), recipient,
                                {{"Śruba", "2"}, {"Nakrętka", "2"}, {"Śruba", "1"}});
    int writes = 0;
    QTemporaryDir probe;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
        ASSERT_TRUE(QFile::copy(dir.filePath(name), probe.filePath(name)));
    }
    {
        auto copy = openStore(probe.path());
        copy->setWriteCheck([&](Table) -> Result<void> {
            ++writes;
            return {};
        });
        ASSERT_TRUE(postDocument(*copy, repost));
    }
    // ledger delete, record delete, recipient, record, the nuts' net change
    // (the bolts' is nought), ledger row
    ASSERT_EQ(writes, 6);

    const auto before = snapshot(dir.path());
    for (int failAt = 1; failAt <= writes; ++failAt) {
        int seen = 0;
        store->setWriteCheck([&](Table) -> Result<void> {
            if (++seen == failAt) {
                return fail(QStringLiteral("wstrzyknięty błąd"));
            }
            return {};
        });
        EXPECT_FALSE(postDocument(*store, repost)) << "write " << failAt;
        EXPECT_EQ(snapshot(dir.path()), before) << "write " << failAt;
    }
    store->setWriteCheck({});
    EXPECT_TRUE(postDocument(*store, repost));
    EXPECT_EQ(stockOf(*store, bolts), QStringLiteral("97,00"));
}

// Consistency of the tables the crash test's child writes: documents "0 FV"
// to "2 FV", each line of one unit, stock starting at 100.
void expectWholePostings(const TableStore& store, RecordId recipient, RecordId goods)
{
    const auto docs = store.all<StoredDocument>();
    const auto ledger = store.all<LedgerRow>();
    ASSERT_TRUE(docs.ok() && ledger.ok());
    ASSERT_EQ(docs->size(), ledger->size());
    int taken = 0;
    QString latest;
    int latestRound = -1;
    QStringList numbers;
    for (const StoredDocument& doc : *docs) {
        numbers << doc.Numer_faktury;
        ASSERT_EQ(std::count_if(ledger->begin(), ledger->end(),
                                [&](const LedgerRow& row) {
                                    return row.documentNumber == doc.Numer_faktury &&
                                           row.grossTotal == doc.advanceDate;
                                }),
                  1);
        for (const StoredLine& line : doc.lines) {
            taken += line.name.isEmpty() ? 0 : 1;
        }
        if (doc.advanceDate.toInt() > latestRound) {
            latestRound = doc.advanceDate.toInt();
            latest = doc.issueDate;
        }
    }
    numbers.removeDuplicates();
    EXPECT_EQ(numbers.size(), static_cast<qsizetype>(docs->size()));
    EXPECT_EQ(stockOf(store, goods), QStringLiteral("%1,00").arg(100 - taken));
    EXPECT_EQ(found(store.get<Recipient>(recipient))->Ostatnia_transakcja, latest);
}

TEST_F(Posting, AKilledPostingLeavesTablesWhollyPostedOrWhollyUnposted)
{
    store->close();
    int interrupted = 0;
    for (int run = 0; run < 50; ++run) {
        // The child says when its tables are open, so that the kill lands
        // among the postings however slowly it starts (under a sanitizer too).
        int ready[2] = {-1, -1};
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            TableStore writer;
            kwitola::testing::openOrExit(writer, dir.path());
            const char opened = 1;
            if (::write(ready[1], &opened, 1) != 1) {
                ::_exit(1);
            }
            for (int round = run * 100000;; ++round) {
                const int lines = 1 + round % 4;
                PostingRequest r = invoice(QString::number(round % 3), recipient, {});
                for (int i = 0; i < lines; ++i) {
                    r.document.lines.at(static_cast<std::size_t>(i)).name = QStringLiteral("Śruba");
                    r.document.lines.at(static_cast<std::size_t>(i)).quantity = QStringLiteral("1");
                }
                r.document.issueDate = QStringLiteral("%1-01-2001").arg(1 + round % 28);
                r.document.advanceDate = QString::number(round);
                r.ledgerRow->grossTotal = r.document.advanceDate;
                r.replaceOtherIssueDate = true;
                (void)postDocument(writer, r);
            }
        }
        ::close(ready[1]);
        char opened = 0;
        const bool started = ::read(ready[0], &opened, 1) == 1;
        ::close(ready[0]);
        if (!started) {
            ADD_FAILURE() << "the child ended before its tables opened";
        }
        ::usleep(static_cast<useconds_t>(QRandomGenerator::global()->bounded(5000, 60000)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself";
        interrupted += QFile::exists(dir.filePath(QStringLiteral("faktury.DB-journal"))) ? 1 : 0;
        auto reopened = openStore(dir.path());
        ASSERT_TRUE(reopened->isOpen());
        expectWholePostings(*reopened, recipient, bolts);
    }
    // Most kills land inside a posting: the journal is still there.
    EXPECT_GT(interrupted, 0);
    RecordProperty("interrupted_mid_write", interrupted);
}

} // namespace
