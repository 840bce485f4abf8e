#pragma once

#include "common/core/result.h"
#include "kwitola/core/tablecatalogue.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace kwitola::registry {

// faktury.DB with sprzedaz.db attached as "sprzedaz_", opened read-only,
// so that the register can never write a table; closed with the object.
class ReadOnlyTables final
{
public:
    explicit ReadOnlyTables(const QString& folder);
    ~ReadOnlyTables();
    ReadOnlyTables(const ReadOnlyTables&) = delete;
    ReadOnlyTables& operator=(const ReadOnlyTables&) = delete;

    [[nodiscard]] const common::Result<void>& opened() const { return m_opened; }
    [[nodiscard]] QSqlDatabase database() const;
    // A forward-only query on the connection.
    [[nodiscard]] QSqlQuery query() const;

private:
    QString m_name;
    common::Result<void> m_opened;
};

// Both table files must be the program's own, as the store would check them.
[[nodiscard]] common::Result<void> checkFiles(const QString& folder);

// A name as an SQL identifier.
[[nodiscard]] QString quoted(const QString& name);

// "Błąd odczytu tabeli …: …" for a failed query or a failed read.
[[nodiscard]] QString readFailure(Table table, const QSqlQuery& q);
[[nodiscard]] QString readFailure(Table table, const common::Result<void>& failed);

// The table's column names in stored order as the file has them, quoted:
// tables converted from the earlier version know most fields only by
// their place.
[[nodiscard]] common::Result<QStringList> storedColumns(QSqlQuery& q, const QString& schema,
                                                        Table table);

} // namespace kwitola::registry
