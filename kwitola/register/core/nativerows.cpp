#include "kwitola/register/core/nativerows.h"

#include "kwitola/core/storeerrors.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace kwitola::registry {

namespace {

// The driver's handle is the engine's connection: Qt's SQLite driver links
// the same engine library as this code does.
sqlite3* handleOf(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() != nullptr ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return nullptr;
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}

common::Result<void> engineFailure(sqlite3* connection)
{
    const int code = sqlite3_extended_errcode(connection);
    return common::fail(describeStoreError(code, QString::fromUtf8(sqlite3_errmsg(connection))));
}

// A prepared statement, finalized with the object.
class Statement final
{
public:
    Statement(sqlite3* connection, const QString& sql)
    {
        const QByteArray text = sql.toUtf8();
        m_prepared = sqlite3_prepare_v2(connection, text.constData(), static_cast<int>(text.size()),
                                        &m_statement, nullptr) == SQLITE_OK;
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    [[nodiscard]] bool prepared() const { return m_prepared; }
    [[nodiscard]] sqlite3_stmt* get() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
    bool m_prepared = false;
};

} // namespace

QByteArrayView NativeRow::text(int column) const
{
    const auto* bytes = sqlite3_column_text(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    return bytes != nullptr ? QByteArrayView(bytes, size) : QByteArrayView();
}

bool NativeRow::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 NativeRow::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

common::Result<void> eachNativeRow(const QSqlDatabase& db, const QString& sql,
                                   const std::function<void(const NativeRow&)>& reader)
{
    sqlite3* connection = handleOf(db);
    if (connection == nullptr) {
        return common::fail(QStringLiteral("połączenie z tabelami nie jest otwarte"));
    }
    const Statement statement(connection, sql);
    if (!statement.prepared()) {
        return engineFailure(connection);
    }
    const NativeRow row(statement.get());
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(statement.get())) == SQLITE_ROW) {
        reader(row);
    }
    if (status != SQLITE_DONE) {
        return engineFailure(connection);
    }
    return {};
}

} // namespace kwitola::registry
