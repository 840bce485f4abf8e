#pragma once

#include "common/core/result.h"

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <functional>

class QSqlDatabase;
struct sqlite3_stmt;

namespace kwitola::registry {

// The current row of a statement run on the engine's own interface.
class NativeRow final
{
public:
    explicit NativeRow(sqlite3_stmt* statement) : m_statement(statement) {}

    // The column's stored text as UTF-8, empty for a missing value; valid
    // until the next row.
    [[nodiscard]] QByteArrayView text(int column) const;
    [[nodiscard]] bool isNull(int column) const;
    [[nodiscard]] qint64 integer(int column) const;

private:
    sqlite3_stmt* m_statement;
};

// Runs a statement on the connection's own engine handle and hands each row
// to the reader. Stored text is taken as it is kept, without a value object
// a field and without a conversion of every field, which keeps a read of
// many rows short. A failed step is an error, never the end of the rows;
// its text is the engine's error in Polish.
[[nodiscard]] common::Result<void>
eachNativeRow(const QSqlDatabase& db, const QString& sql,
              const std::function<void(const NativeRow&)>& reader);

} // namespace kwitola::registry
