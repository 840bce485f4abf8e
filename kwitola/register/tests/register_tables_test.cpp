#include "kwitola/core/posting.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/registerread.h"
#include "kwitola/register/core/registertables.h"
#include "kwitola/register/tests/registertestfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace kwitola;
using namespace kwitola::registry;
using namespace std::chrono_literals;

namespace {

// A read that failed with a text containing `text`, because the tables
// stayed busy or for another reason.
template <typename T>
::testing::AssertionResult failedWith(const common::Result<T>& read, bool busy, const QString& text)
{
    if (read.ok()) {
        return ::testing::AssertionFailure() << "the read succeeded";
    }
    if ((read.errorDetails().kind == common::ErrorKind::Busy) != busy) {
        return ::testing::AssertionFailure()
               << (busy ? "not busy: " : "busy: ") << read.error().toStdString();
    }
    if (!read.error().contains(text)) {
        return ::testing::AssertionFailure() << read.error().toStdString();
    }
    return ::testing::AssertionSuccess();
}

test::Posted invoice(int n)
{
    return {QStringLiteral("%1/2026 FV").arg(n),
            QStringLiteral("Faktura VAT"),
            QStringLiteral("05"),
            QStringLiteral("03"),
            QStringLiteral("2026"),
            QStringLiteral("Hurtownia Żuraw"),
            {{QStringLiteral("Śruba"), QStringLiteral("2"), QStringLiteral("10,00"),
              QStringLiteral("22")}},
            QStringLiteral("24,40")};
}

// Holds an exclusive lock on one table file from a connection of its own,
// on a thread of its own, as Kwitola does while it commits a posting.
class TableLock final
{
public:
    TableLock(const QString& path, std::chrono::milliseconds hold)
        : m_thread([this, path, hold] { run(path, hold); })
    {
        while (!m_locked && !m_failed) {
            std::this_thread::sleep_for(5ms);
        }
    }
    ~TableLock() { m_thread.join(); }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;
    [[nodiscard]] bool locked() const { return m_locked; }

private:
    void run(const QString& path, std::chrono::milliseconds hold)
    {
        const QString name = QStringLiteral("lock-%1").arg(reinterpret_cast<quintptr>(this));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            QSqlQuery q(db);
            if (db.open() && q.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
                m_locked = true;
                std::this_thread::sleep_for(hold);
                q.exec(QStringLiteral("ROLLBACK"));
            } else {
                m_failed = true;
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    std::atomic<bool> m_locked{false};
    std::atomic<bool> m_failed{false};
    std::thread m_thread;
};

TEST(RegisterTables, refusesAMissingFolderOrOneWithoutTablesAndCreatesNothing)
{
    QTemporaryDir dir;
    const auto missing = readPostedTables(dir.filePath(QStringLiteral("brak")));
    EXPECT_TRUE(failedWith(missing, false, QStringLiteral("nie istnieje")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("brak"))));

    const auto empty = readPostedTables(dir.path());
    EXPECT_TRUE(failedWith(empty, false, QStringLiteral("faktury.DB")));
    EXPECT_EQ(empty.errorDetails().kind, common::ErrorKind::Failed);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(RegisterTables, readsDocumentsAndLedgerRowsInTableOrder)
{
    QTemporaryDir dir;
    auto wz = invoice(3);
    wz.number = QStringLiteral("3/2026");
    wz.kindName.clear();
    wz.ledgerGross.clear();
    ASSERT_TRUE(test::writeTables(dir.path(), {invoice(1), invoice(2), wz}));

    const auto tables = readPostedTables(dir.path());
    ASSERT_TRUE(tables.ok()) << tables.error().toStdString();
    ASSERT_EQ(tables->documents.size(), 3U);
    ASSERT_EQ(tables->ledger.size(), 2U);
    EXPECT_EQ(tables->documents.at(0).Numer_faktury, QStringLiteral("1/2026 FV"));
    EXPECT_EQ(tables->documents.at(2).Numer_faktury, QStringLiteral("3/2026"));
    EXPECT_EQ(tables->documents.at(1).lines.at(0).name, QStringLiteral("Śruba"));
    EXPECT_EQ(tables->ledger.at(1).documentNumber, QStringLiteral("2/2026 FV"));
    EXPECT_EQ(tables->ledger.at(1).grossTotal, QStringLiteral("24,40"));
}

TEST(RegisterTables, tablesHeldThroughEveryAttemptAreReportedAsBusy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeTables(dir.path(), {invoice(1)}));
    const QString faktury = QDir(dir.path()).filePath(QStringLiteral("faktury.DB"));
    const TableLock lock(faktury, 14s);
    ASSERT_TRUE(lock.locked());

    const auto tables = readPostedTables(dir.path(), RetryPolicy{2, 10ms});
    EXPECT_TRUE(failedWith(tables, true, QStringLiteral("Tabele są zajęte przez inny program")));
}

TEST(RegisterTables, tablesReleasedDuringTheRetriesAreRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeTables(dir.path(), {invoice(1), invoice(2)}));
    // Longer than one attempt waits inside the engine, shorter than three.
    const TableLock lock(QDir(dir.path()).filePath(QStringLiteral("sprzedaz.db")), 6500ms);
    ASSERT_TRUE(lock.locked());

    const auto tables = readPostedTables(dir.path(), RetryPolicy{3, 100ms});
    ASSERT_TRUE(tables.ok()) << tables.error().toStdString();
    EXPECT_EQ(tables->documents.size(), 2U);
    EXPECT_EQ(tables->ledger.size(), 2U);
}

// Kwitola posts document after document while the register reads: every
// posting goes through, every read answers, and the last read sees them all.
TEST(RegisterTables, readingBesideRunningPostingsNeverFailsAPosting)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeTables(dir.path(), {}));
    constexpr int kPostings = 40;
    std::atomic<int> posted{0};
    std::atomic<int> failedPostings{0};
    std::atomic<bool> done{false};
    std::thread kwitola([&] {
        TableStore store;
        store.setPassword(QString(kTablePassword));
        Recipient recipient;
        recipient.Nazwa_firmy = QStringLiteral("Hurtownia Żuraw");
        if (!store.open(dir.path()) || !store.insertRecord(recipient)) {
            failedPostings = kPostings;
            done = true;
            return;
        }
        for (int i = 1; i <= kPostings; ++i) {
            PostingRequest request;
            request.document = test::storedDocument(invoice(i));
            request.ledgerRow = test::ledgerRow(invoice(i));
            request.recipientId = 1;
            request.replaces = invoiceOrBillPostings(QStringLiteral("%1/2026").arg(i));
            if (!postDocument(store, request)) {
                ++failedPostings;
            } else {
                ++posted;
            }
        }
        done = true;
    });
    int reads = 0;
    int failedReads = 0;
    std::size_t lastSeen = 0;
    bool shrank = false;
    while (!done) {
        const auto tables = readPostedTables(dir.path());
        ++reads;
        if (!tables) {
            ++failedReads;
            continue;
        }
        // One snapshot: the ledger never runs ahead of or behind its documents.
        EXPECT_EQ(tables->documents.size(), tables->ledger.size());
        shrank = shrank || tables->documents.size() < lastSeen;
        lastSeen = tables->documents.size();
    }
    kwitola.join();
    EXPECT_EQ(failedPostings, 0);
    EXPECT_EQ(posted, kPostings);
    EXPECT_EQ(failedReads, 0);
    EXPECT_FALSE(shrank);
    EXPECT_GT(reads, 1);
    const auto last = readPostedTables(dir.path());
    ASSERT_TRUE(last.ok()) << last.error().toStdString();
    EXPECT_EQ(last->documents.size(), static_cast<std::size_t>(kPostings));
}

// The narrow read gives the very entries the full read does: the ledger's
// gross where it reads, else the lines' total, the archive as asked.
TEST(RegisterRead, narrowReadGivesTheEntriesOfTheFullRead)
{
    QTemporaryDir dir;
    test::Posted wz = invoice(3);
    wz.number = QStringLiteral("3/2026");
    wz.kindName.clear();
    wz.ledgerGross.clear();
    wz.lines.push_back({QStringLiteral("Usługa"), QStringLiteral("1"), QStringLiteral("10,00"),
                        QStringLiteral("zw.")});
    test::Posted unreadable = invoice(4);
    unreadable.ledgerGross = QStringLiteral("zły");
    test::Posted brokenLines = invoice(5);
    brokenLines.ledgerGross.clear();
    brokenLines.lines = {{QStringLiteral("Śruba"), QStringLiteral("x"), QStringLiteral("1,00"),
                          QStringLiteral("22")}};
    // A control character inside a stored value is read as part of it.
    test::Posted controlCharacter = invoice(6);
    controlCharacter.ledgerGross.clear();
    controlCharacter.lines = {{QStringLiteral("Nit"), QStringLiteral("1"), QStringLiteral("2,00"),
                               QStringLiteral("22") + QChar(0x1F)},
                              {QStringLiteral("Klej"), QStringLiteral("1"), QStringLiteral("2,00"),
                               QStringLiteral("22")}};
    // A number posted twice takes the gross of its first ledger row.
    test::Posted again = invoice(1);
    again.recipient = QStringLiteral("Łoś i Syn");
    again.day = QStringLiteral("5");
    again.ledgerGross = QStringLiteral("99,99");
    // A stored amount outside ASCII does not read, as any other text.
    test::Posted wideGross = invoice(8);
    wideGross.ledgerGross = QStringLiteral("24,40") + QChar(0xA0);
    ASSERT_TRUE(test::writeTables(dir.path(), {invoice(1), invoice(2), wz, unreadable, brokenLines,
                                               controlCharacter, again, wideGross}));
    const auto archived = [](const StoredDocument& d) {
        return d.Numer_faktury == QStringLiteral("2/2026 FV") && d.issueYear == u"2026";
    };

    const auto narrow = readRegisterEntries(dir.path(), archived);
    ASSERT_TRUE(narrow.ok()) << narrow.error().toStdString();
    const auto full = readPostedTables(dir.path());
    ASSERT_TRUE(full.ok());
    const auto expected = registerEntries(*full, archived);
    // Every value the list shows, one text per entry.
    const auto shown = [](const std::vector<RegisterEntry>& entries) {
        QStringList texts;
        for (const RegisterEntry& e : entries) {
            texts << QStringList{QString::number(e.id),
                                 e.number,
                                 e.kind,
                                 e.issueDate.toString(Qt::ISODate),
                                 e.issueDateText,
                                 e.issueYear,
                                 e.recipientName,
                                 e.recipientTown,
                                 e.recipientNip,
                                 e.gross ? e.gross->fmt() : QStringLiteral("-"),
                                 e.grossFromLedger ? QStringLiteral("L") : QString(),
                                 e.archived ? QStringLiteral("A") : QString()}
                         .join(u'|');
        }
        return texts;
    };
    EXPECT_EQ(shown(*narrow), shown(expected));
    ASSERT_EQ(narrow->size(), 8U);
    EXPECT_EQ(narrow->at(6).gross->fmt(), QStringLiteral("24,40"));
    EXPECT_TRUE(narrow->at(6).grossFromLedger);
    EXPECT_EQ(narrow->at(6).issueDate, narrow->at(0).issueDate);
    EXPECT_EQ(narrow->at(6).recipientName, QStringLiteral("Łoś i Syn"));
    EXPECT_FALSE(narrow->at(7).grossFromLedger);
    // 2 x 10,00 at 22% and 10,00 exempt; the unreadable ledger total falls
    // back on the lines; lines that do not read give no total.
    EXPECT_EQ(narrow->at(2).gross->fmt(), QStringLiteral("34,40"));
    EXPECT_EQ(narrow->at(3).gross->fmt(), QStringLiteral("24,40"));
    EXPECT_FALSE(narrow->at(3).grossFromLedger);
    EXPECT_FALSE(narrow->at(4).gross.has_value());
    EXPECT_FALSE(narrow->at(5).gross.has_value());
    EXPECT_TRUE(narrow->at(1).archived);
    EXPECT_FALSE(narrow->at(0).archived);
}

// The register reads without writing: no file of the folder changes and
// none is added.
TEST(RegisterRead, readingLeavesEveryFileAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeTables(dir.path(), {invoice(1)}));
    const auto snapshot = [&] {
        QMap<QString, QByteArray> files;
        for (QDirIterator it(dir.path(), QDir::Files); it.hasNext();) {
            QFile file(it.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files.insert(it.fileName(), file.readAll());
        }
        return files;
    };
    const auto before = snapshot();
    ASSERT_TRUE(readRegisterEntries(dir.path(), {}).ok());
    EXPECT_EQ(snapshot(), before);
}

TEST(RegisterRead, heldTablesAreReportedAsBusyAndABrokenTableAsUnreadable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeTables(dir.path(), {invoice(1)}));
    {
        // Longer than the one attempt waits inside the engine.
        const TableLock lock(QDir(dir.path()).filePath(QStringLiteral("sprzedaz.db")), 6500ms);
        ASSERT_TRUE(lock.locked());
        const auto held = readRegisterEntries(dir.path(), {}, RetryPolicy{1, 10ms});
        ASSERT_FALSE(held.ok());
        EXPECT_EQ(held.errorDetails().kind, common::ErrorKind::Busy) << held.error().toStdString();
    }
    QFile faktury(QDir(dir.path()).filePath(QStringLiteral("faktury.DB")));
    ASSERT_TRUE(faktury.open(QIODevice::WriteOnly | QIODevice::Truncate));
    faktury.write("to nie jest tabela");
    faktury.close();
    const auto broken = readRegisterEntries(dir.path(), {});
    EXPECT_TRUE(failedWith(broken, false, QStringLiteral("faktury.DB")));
}

TEST(RegisterRead, oneDocumentIsReadWholeWithTheIssuers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeTables(dir.path(), {invoice(1), invoice(2)}));
    const auto found = readPostedDocument(dir.path(), 2);
    ASSERT_TRUE(found.ok()) << found.error().toStdString();
    ASSERT_TRUE(found->document.has_value());
    EXPECT_EQ(found->document->Numer_faktury, QStringLiteral("2/2026 FV"));
    EXPECT_EQ(found->document->lines.at(0).name, QStringLiteral("Śruba"));
    const auto gone = readPostedDocument(dir.path(), 99);
    ASSERT_TRUE(gone.ok());
    EXPECT_FALSE(gone->document.has_value());
}

} // namespace
