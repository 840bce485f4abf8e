#include "kwitola/register/core/nativerows.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kwitola::registry;

namespace {

// An in-memory database of its own, removed with the object.
class MemoryDatabase final
{
public:
    MemoryDatabase()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
    }
    ~MemoryDatabase()
    {
        QSqlDatabase::database(kName, false).close();
        QSqlDatabase::removeDatabase(kName);
    }
    MemoryDatabase(const MemoryDatabase&) = delete;
    MemoryDatabase& operator=(const MemoryDatabase&) = delete;

    [[nodiscard]] QSqlDatabase get() const { return QSqlDatabase::database(kName, false); }

private:
    static inline const QString kName = QStringLiteral("native-rows-test");
};

} // namespace

// Rows come in the statement's order with their stored text as UTF-8, a
// missing value as empty but told apart from an empty text.
TEST(NativeRows, handsOverEveryRowsStoredTextAsKept)
{
    const MemoryDatabase memory;
    QSqlQuery q(memory.get());
    ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE t (a TEXT, b TEXT)")));
    ASSERT_TRUE(q.exec(QStringLiteral(
        "INSERT INTO t VALUES ('Żuraw', NULL), ('', 'x' || char(31) || 'y'), ('12,50', '')")));
    QStringList seen;
    std::vector<bool> nulls;
    const auto read = eachNativeRow(
        memory.get(), QStringLiteral("SELECT rowid, a, b FROM t"), [&](const NativeRow& row) {
            seen << QString::number(row.integer(0)) + QLatin1Char('|') +
                        QString::fromUtf8(row.text(1)) + QLatin1Char('|') +
                        QString::fromUtf8(row.text(2));
            nulls.push_back(row.isNull(2));
        });
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("1|Żuraw|"),
                                 QStringLiteral("2||x") + QChar(0x1F) + QStringLiteral("y"),
                                 QStringLiteral("3|12,50|")}));
    EXPECT_EQ(nulls, (std::vector<bool>{true, false, false}));
}

// A statement the engine refuses and a connection that is not open are
// errors in Polish, and no row is handed over.
TEST(NativeRows, refusedStatementsAndClosedConnectionsAreErrors)
{
    const MemoryDatabase memory;
    int rows = 0;
    const auto count = [&rows](const NativeRow&) {
        ++rows;
    };
    const auto missing = eachNativeRow(memory.get(), QStringLiteral("SELECT a FROM nie_ma"), count);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().startsWith(QStringLiteral("błąd polecenia bazy danych")))
        << missing.error().toStdString();
    const auto closed = eachNativeRow(QSqlDatabase(), QStringLiteral("SELECT 1"), count);
    ASSERT_FALSE(closed.ok());
    EXPECT_EQ(closed.error(), QStringLiteral("połączenie z tabelami nie jest otwarte"));
    EXPECT_EQ(rows, 0);
}
