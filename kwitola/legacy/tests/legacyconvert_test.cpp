#include "common/testsupport/resultexpect.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/legacy/legacyconvert.h"
#include "paradoxwriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kwitola;
using namespace kwitola::legacy;
using namespace kwitola::legacy::pxtest;
using testsupport::found;

namespace {

// Every file and folder under the folder with a hash of its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        entries.insert(QDir(folder).relativeFilePath(path),
                       file.open(QIODevice::ReadOnly)
                           ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5)
                           : QByteArray("<folder>"));
    }
    return entries;
}

void touch(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Fails the n-th folder operation (from 1), once.
class FailingOperations final : public FolderOperations
{
public:
    explicit FailingOperations(int failAt) : m_failAt(failAt) {}
    bool makeFolder(const QString& path) override
    {
        return pass() && FolderOperations::makeFolder(path);
    }
    bool move(const QString& from, const QString& to) override
    {
        return pass() && FolderOperations::move(from, to);
    }
    bool removeFolder(const QString& path) override
    {
        return pass() && FolderOperations::removeFolder(path);
    }
    int calls = 0;

private:
    bool pass() { return ++calls != m_failAt; }
    int m_failAt;
};

class ConvertTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(writeLegacyTables(folder(), 3, "haslo"));
        // A primary index and a memo file beside two tables, in other cases.
        touch(m_dir.filePath(QStringLiteral("odbiorca.PX")), "index");
        touch(m_dir.filePath(QStringLiteral("FAKTURY.mb")), "memo");
        touch(m_dir.filePath(QStringLiteral("faktura.kfx")), "ustawienia");
    }
    QString folder() const { return m_dir.path(); }
    ConversionOptions options() const
    {
        ConversionOptions o;
        o.password = QString(kTablePassword);
        return o;
    }
    QTemporaryDir m_dir;
};

TEST_F(ConvertTest, AllSixTablesAreFoundByTheirHeader)
{
    const auto found = findParadoxTables(folder());
    ASSERT_EQ(found.size(), 6U);
    EXPECT_EQ(found.front().table, Table::Wystawca);
}

TEST_F(ConvertTest, ConvertedTablesOpenInTheStoreWithEveryValueAndRecordNumber)
{
    std::vector<TableConverted> progress;
    auto o = options();
    o.progress = [&](const TableConverted& t) {
        progress.push_back(t);
    };
    const auto report = convertFolder(folder(), o);
    ASSERT_TRUE(report) << report.error().toStdString();
    EXPECT_EQ(progress.size(), 6U);
    EXPECT_EQ(report->tables.size(), 6U);
    for (const TableConverted& t : report->tables) {
        EXPECT_EQ(t.rows, 3);
    }

    TableStore store;
    store.setPassword(QString(kTablePassword));
    ASSERT_TRUE(store.open(folder()));
    const auto recipients = store.all<Recipient>();
    ASSERT_TRUE(recipients);
    ASSERT_EQ(recipients->size(), 3U);
    EXPECT_EQ(recipients->at(2).id, 3);
    EXPECT_EQ(recipients->at(2).Nazwa_firmy, QStringLiteral("Firma Żółć 2"));
    EXPECT_EQ(recipients->at(2).Miejscowosc, QStringLiteral("ąę 2/4"));
    EXPECT_EQ(recipients->at(2).Ostatnia_transakcja, QStringLiteral("07-03-2001"));

    const auto goods = found(store.get<Goods>(2));
    ASSERT_TRUE(goods);
    EXPECT_EQ(goods->Nazwa_towaru, QStringLiteral("Łopata 1"));
    EXPECT_EQ(goods->Cena_jednostkowa_netto, QStringLiteral("0,25"));
    EXPECT_EQ(goods->Stan_poczatkowy, QStringLiteral("1"));
    EXPECT_EQ(goods->numer_fabryczny, QStringLiteral("NF-1"));

    const auto documents = store.rows(Table::Faktury);
    ASSERT_TRUE(documents);
    EXPECT_EQ(documents->at(0).values.at(1), QStringLiteral("ąę 0/1"));
    EXPECT_EQ(documents->at(0).values.at(109), QStringLiteral("ąę 0/109"));

    // The old files and their side files wait in the backup folder.
    const QDir backup(report->backupFolder);
    EXPECT_EQ(backup.dirName(), backupFolderName());
    for (const char* name : {"wystawca.db", "odbiorca.db", "odbiorca.PX", "firmy.DB", "magazyn.db",
                             "faktury.DB", "FAKTURY.mb", "sprzedaz.db"}) {
        EXPECT_TRUE(QFile::exists(backup.filePath(QString::fromLatin1(name)))) << name;
    }
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("faktura.kfx"))));
    EXPECT_TRUE(findParadoxTables(folder()).empty());
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("konwersja-tabel"))));
}

// Two tables, one with a side file, keep the loop over every step short.
void keepTwoTables(const QString& folder)
{
    for (const char* name : {"wystawca.db", "firmy.DB", "magazyn.db", "sprzedaz.db"}) {
        ASSERT_TRUE(QFile::remove(QDir(folder).filePath(QString::fromLatin1(name))));
    }
}

TEST_F(ConvertTest, AFailureAtAnyFolderStepLeavesTheFolderAsItWas)
{
    keepTwoTables(folder());
    const auto before = snapshot(folder());
    // Count the operations of a whole conversion on a copy of the folder.
    QTemporaryDir copy;
    ASSERT_TRUE(writeLegacyTables(copy.path(), 3, "haslo"));
    keepTwoTables(copy.path());
    touch(copy.filePath(QStringLiteral("odbiorca.PX")), "index");
    touch(copy.filePath(QStringLiteral("FAKTURY.mb")), "memo");
    FailingOperations counter(0);
    auto o = options();
    o.operations = &counter;
    ASSERT_TRUE(convertFolder(copy.path(), o));
    const int steps = counter.calls;
    ASSERT_EQ(steps, 9); // two folders made, four old files out, two new in, one removal

    for (int failAt = 1; failAt <= steps; ++failAt) {
        FailingOperations failing(failAt);
        o.operations = &failing;
        const auto report = convertFolder(folder(), o);
        ASSERT_FALSE(report) << "step " << failAt;
        EXPECT_TRUE(report.error().contains(QStringLiteral("Folder pozostał bez zmian")));
        ASSERT_EQ(snapshot(folder()), before) << "step " << failAt;
    }
}

TEST_F(ConvertTest, ALostRowIsCaughtByTheCountCheckAndNothingChanges)
{
    const auto before = snapshot(folder());
    auto o = options();
    o.afterWrite = [](Table table, const QString& path) -> Result<void> {
        if (table == Table::Magazyn) {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lose-a-row"));
            db.setDatabaseName(path);
            EXPECT_TRUE(db.open());
            QSqlQuery(db).exec(QStringLiteral("DELETE FROM Magazyn WHERE rowid = 2"));
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("lose-a-row"));
        }
        return {};
    };
    const auto report = convertFolder(folder(), o);
    ASSERT_FALSE(report);
    EXPECT_TRUE(report.error().contains(QStringLiteral("magazyn.db ma 2 rekordów zamiast 3")))
        << report.error().toStdString();
    EXPECT_EQ(snapshot(folder()), before);
}

TEST_F(ConvertTest, AFailedWriteOrAnUnreadableTableChangesNothing)
{
    const auto before = snapshot(folder());
    auto o = options();
    o.afterWrite = [](Table table, const QString&) -> Result<void> {
        if (table == Table::Sprzedaz) {
            return fail(QStringLiteral("brak miejsca na dysku"));
        }
        return {};
    };
    auto report = convertFolder(folder(), o);
    ASSERT_FALSE(report);
    EXPECT_TRUE(report.error().contains(QStringLiteral("brak miejsca na dysku")));
    EXPECT_EQ(snapshot(folder()), before);

    // A table cut short after its header still looks like Paradox but
    // cannot be read whole.
    QFile documents(m_dir.filePath(QStringLiteral("faktury.DB")));
    ASSERT_TRUE(documents.resize(2048 + 100));
    const auto cut = snapshot(folder());
    report = convertFolder(folder(), options());
    ASSERT_FALSE(report);
    EXPECT_TRUE(report.error().contains(QStringLiteral("faktury.DB")))
        << report.error().toStdString();
    EXPECT_EQ(snapshot(folder()), cut);
}

TEST(Convert, EmptyAndLargeTablesKeepTheirRowCounts)
{
    QTemporaryDir dir;
    {
        ParadoxWriter empty(dir.filePath(QStringLiteral("wystawca.db")),
                            {{QStringLiteral("Nazwa_firmy"), PxType::Alpha, 40}});
        ASSERT_TRUE(empty.isOpen());
        ParadoxWriter large(dir.filePath(QStringLiteral("MAGAZYN.DB")),
                            {{QStringLiteral("Nazwa_towaru"), PxType::Alpha, 40},
                             {QStringLiteral("Index_towaru"), PxType::AutoInc, 4},
                             {QStringLiteral("Cena_jednostkowa_netto"), PxType::Currency, 8}});
        for (int row = 0; row < 100'000; ++row) {
            ASSERT_TRUE(
                large.add({QStringLiteral("Śruba %1").arg(row), qint64{row * 2 + 1}, row / 100.0}));
        }
    }
    ConversionOptions o;
    o.password = QString(kTablePassword);
    const auto report = convertFolder(dir.path(), o);
    ASSERT_TRUE(report) << report.error().toStdString();
    ASSERT_EQ(report->tables.size(), 2U);
    EXPECT_EQ(report->tables[0].rows, 0);
    EXPECT_EQ(report->tables[1].rows, 100'000);

    TableStore store;
    store.setPassword(QString(kTablePassword));
    ASSERT_TRUE(store.open(dir.path()));
    EXPECT_EQ(*store.count(Table::Magazyn), 100'000);
    const auto last = found(store.get<Goods>(199'999));
    ASSERT_TRUE(last);
    EXPECT_EQ(last->Nazwa_towaru, QStringLiteral("Śruba 99999"));
    EXPECT_EQ(last->Cena_jednostkowa_netto, QStringLiteral("999,99"));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("tabele-paradox/MAGAZYN.DB"))));
}

} // namespace
