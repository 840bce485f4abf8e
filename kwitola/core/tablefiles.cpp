#include "kwitola/core/tablefiles.h"

#include "common/core/fileerrors.h"
#include "kwitola/core/storeerrors.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <array>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace kwitola::tablefiles {

namespace {

const QString kCheckTable = QStringLiteral("Kwitola_check");
constexpr qsizetype kHeaderSize = 100;

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kwitola-table-file-%1").arg(++counter);
}

QString digestOf(const TableLayout& layout, const QString& salt, const QString& password)
{
    const QString material = QStringLiteral("kwitola:%1:%2:%3").arg(layout.sqlName, salt, password);
    return QString::fromLatin1(
        QCryptographicHash::hash(material.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString newSalt()
{
    QByteArray bytes(16, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    }
    return QString::fromLatin1(bytes.toHex());
}

QString notATable(const TableLayout& layout)
{
    return QStringLiteral("Plik %1 nie jest tabelą programu Kwitola.").arg(layout.fileName);
}

QString unreadable(const TableLayout& layout, const QString& why)
{
    return QStringLiteral("Nie można odczytać tabeli %1: %2").arg(layout.fileName, why);
}

QString columnDefinition(const TableLayout& layout, int position)
{
    const QString& name = layout.columns.at(position);
    if (layout.recordNumberColumn == position) {
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    return name + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
}

// A file the database engine can read as a rollback-journal database: the
// header is checked by hand first, so that a foreign file is never handed
// to the engine in a mode that would make it write beside the file.
Result<void> checkHeader(const TableLayout& layout, const QString& path)
{
    // Only a regular file is opened: a pipe in a table's place would block.
    if (const QString kind = common::describeNonRegularFile(path); !kind.isEmpty()) {
        return fail(unreadable(layout, kind), common::ErrorKind::NotRegular);
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int openError = errno;
        return fail(unreadable(layout, common::describeSystemError(openError)),
                    common::ErrorKind::Failed, openError);
    }
    QByteArray header(kHeaderSize, '\0');
    const ssize_t got = ::read(fd, header.data(), static_cast<size_t>(kHeaderSize));
    const int readError = errno;
    ::close(fd);
    if (got < 0) {
        return fail(unreadable(layout, common::describeSystemError(readError)),
                    common::ErrorKind::Failed, readError);
    }
    const bool isDatabase = got == kHeaderSize &&
                            header.startsWith(QByteArray("SQLite format 3\0", 16)) &&
                            header.at(18) == 1 && header.at(19) == 1;
    if (!isDatabase) {
        return fail(notATable(layout));
    }
    return {};
}

Result<void> checkContents(const TableLayout& layout, const QSqlDatabase& db,
                           const QString& password)
{
    QSqlQuery columns(db);
    if (!columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(layout.sqlName))) {
        return fail(unreadable(layout, describeStoreError(columns.lastError())));
    }
    QStringList names;
    while (columns.next()) {
        names << columns.value(1).toString();
    }
    if (names.size() != layout.columns.size()) {
        return fail(notATable(layout));
    }
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(layout.columns.at(i), Qt::CaseInsensitive) != 0) {
            return fail(notATable(layout));
        }
    }
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("SELECT Table_name, Salt, Digest FROM %1").arg(kCheckTable)) ||
        !check.next() || check.value(0).toString() != layout.sqlName) {
        return fail(notATable(layout));
    }
    if (check.value(2).toString() != digestOf(layout, check.value(1).toString(), password)) {
        return fail(QStringLiteral("Tabela %1 jest chroniona innym hasłem.").arg(layout.fileName));
    }
    return {};
}

Result<void> createContents(const TableLayout& layout, const QSqlDatabase& db,
                            const QString& password)
{
    QStringList definitions;
    for (int i = 0; i < layout.columns.size(); ++i) {
        definitions << columnDefinition(layout, i);
    }
    QStringList statements{
        QStringLiteral("PRAGMA journal_mode=DELETE"),
        QStringLiteral("CREATE TABLE %1 (%2)").arg(layout.sqlName, definitions.join(u", ")),
        QStringLiteral("CREATE TABLE %1 (Table_name TEXT, Salt TEXT, Digest TEXT)")
            .arg(kCheckTable)};
    if (!layout.entryColumns.isEmpty()) {
        statements << QStringLiteral("CREATE INDEX %1_entry ON %1 ((%2))")
                          .arg(layout.sqlName, entryExpression(layout));
    }
    for (const QString& statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            return fail(describeStoreError(query.lastError()));
        }
    }
    const QString salt = newSalt();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (?, ?, ?)").arg(kCheckTable));
    insert.addBindValue(layout.sqlName);
    insert.addBindValue(salt);
    insert.addBindValue(digestOf(layout, salt, password));
    if (!insert.exec()) {
        return fail(describeStoreError(insert.lastError()));
    }
    return {};
}

// Runs fn on a connection of its own to the file, then drops the connection.
template <typename Fn>
Result<void> withConnection(const QString& path, const QString& options, Fn fn)
{
    const QString name = uniqueConnectionName();
    Result<void> done;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        if (db.open()) {
            done = fn(db);
        } else {
            done = fail(describeStoreError(db.lastError()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

} // namespace

QString entryExpression(const TableLayout& layout)
{
    return layout.entryColumns.join(QStringLiteral(" || '  ' || "));
}

QStringList lookupIndexes(const TableLayout& layout, const QString& schema)
{
    // Fields looked up by value: earlier postings by number, goods by name.
    QStringList statements;
    for (const QString& column : layout.lookupColumns) {
        statements << QStringLiteral("CREATE INDEX IF NOT EXISTS %1.%2_%3 ON %2 (%3)")
                          .arg(schema, layout.sqlName, column);
    }
    return statements;
}

Result<void> check(const TableLayout& layout, const QString& path, const QString& password)
{
    if (auto header = checkHeader(layout, path); !header) {
        return header;
    }
    // A journal left beside the file by a copy that died mid-write must be
    // rolled back before the file can be read; only then may the check
    // connection write, and what it writes is the file's last whole state.
    const bool interrupted = QFileInfo::exists(path + QStringLiteral("-journal"));
    const QString options = interrupted ? QString() : QStringLiteral("QSQLITE_OPEN_READONLY");
    bool opened = false;
    auto checked = withConnection(path, options, [&](const QSqlDatabase& db) {
        opened = true;
        return checkContents(layout, db, password);
    });
    if (!checked && !opened) {
        return fail(unreadable(layout, checked.error()));
    }
    return checked;
}

Result<void> create(const TableLayout& layout, const QString& path, const QString& password)
{
    const auto made = withConnection(path, QString(), [&](const QSqlDatabase& db) {
        return createContents(layout, db, password);
    });
    if (!made) {
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
        return fail(
            QStringLiteral("Nie można utworzyć tabeli %1: %2").arg(layout.fileName, made.error()));
    }
    return {};
}

} // namespace kwitola::tablefiles
