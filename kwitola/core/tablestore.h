#pragma once

#include "kwitola/core/result.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/core/tables.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace kwitola {

// One entry of a list (issuers, recipients, goods) with the record it shows.
struct ListEntry
{
    RecordId id = 0;
    QString text;
};

// The rows the recipient search found, in table order, with their entries
// indexed so that a choice is found again without walking the rows.
class RecipientSearch final
{
public:
    RecipientSearch() = default;
    explicit RecipientSearch(std::vector<Recipient> rows);

    [[nodiscard]] const std::vector<Recipient>& rows() const { return m_rows; }
    [[nodiscard]] QStringList entries() const;
    // The first row whose entry equals the text exactly.
    [[nodiscard]] const Recipient* findEntry(const QString& entry) const;

private:
    std::vector<Recipient> m_rows;
    QHash<QString, std::size_t> m_firstByEntry;
};

// The six tables of the working folder behind one SQLite connection, so that
// one transaction can span them. Every field is text; record numbers are
// filled by the store. Every operation reports failure as the store's error
// text; a failed write leaves the tables as they were.
class TableStore final
{
public:
    TableStore();
    ~TableStore();
    TableStore(const TableStore&) = delete;
    TableStore& operator=(const TableStore&) = delete;

    // The table password; it must be set before open().
    void setPassword(const QString& password);

    // Opens the six tables in the folder, creating the missing ones empty.
    // Refuses, writing nothing at all, when an existing file is unreadable,
    // is not one of the program's tables, or was made with another password.
    [[nodiscard]] Result<void> open(const QString& folder);
    void close();
    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] QString folder() const;

    [[nodiscard]] Result<qint64> count(Table table) const;

    // The list entries of wystawca.db, odbiorca.db or magazyn.db in table order.
    [[nodiscard]] Result<std::vector<ListEntry>> listEntries(Table table) const;
    // Single-record reads answer "none" with an empty optional and a failed
    // read with an error, so that an I/O error never looks like "not found".

    // The first record in table order whose list entry equals the text.
    [[nodiscard]] Result<std::optional<RecordId>> findByEntry(Table table,
                                                              const QString& entry) const;
    // The first record in table order whose field equals the text exactly.
    [[nodiscard]] Result<std::optional<RecordId>> findFirst(Table table, const QString& field,
                                                            const QString& value) const;

    // The first record in table order whose named fields all equal the texts.
    [[nodiscard]] Result<std::optional<RecordId>> findFirstWhere(Table table,
                                                                 const FieldValues& equal) const;
    // Every record whose field equals the text exactly, in table order.
    [[nodiscard]] Result<std::vector<RecordId>> findAll(Table table, const QString& field,
                                                        const QString& value) const;

    [[nodiscard]] Result<std::vector<Row>> rows(Table table) const;
    [[nodiscard]] Result<std::optional<Row>> row(Table table, RecordId id) const;

    // Typed reads: Issuer, Recipient, RecipientCopy, Goods, StoredDocument, LedgerRow.
    template <typename Record> [[nodiscard]] Result<std::optional<Record>> get(RecordId id) const;
    template <typename Record> [[nodiscard]] Result<std::vector<Record>> all() const;

    // Inserts one record from texts in stored order; missing texts stand for
    // empty fields, the record number position is filled by the store.
    [[nodiscard]] Result<RecordId> insert(Table table, const QStringList& values);
    template <typename Record> [[nodiscard]] Result<RecordId> insertRecord(const Record& record);

    // Sets the named fields of one record. The record number cannot be set.
    [[nodiscard]] Result<void> update(Table table, RecordId id, const FieldValues& values);
    // Writes every field of a typed record over the stored record record.id.
    template <typename Record> [[nodiscard]] Result<void> updateRecord(const Record& record);

    [[nodiscard]] Result<void> remove(Table table, RecordId id);

    // Recipients whose record number is above 0 and whose NIP contains the
    // pattern, or whose name or town contains it. The pattern is bound as a
    // parameter: quotes are plain characters, % and _ stay wildcards, and
    // letter case matters.
    [[nodiscard]] Result<RecipientSearch> searchRecipients(const QString& pattern) const;

    // Runs work inside one transaction over all six tables: when it returns
    // an error (or a write fails) everything it wrote is undone. Calls nest.
    [[nodiscard]] Result<void> inTransaction(const std::function<Result<void>()>& work);

    // Test seam: asked before every insert, update and delete; an error it
    // returns fails that write as the store's own error would.
    using WriteCheck = std::function<Result<void>(Table)>;
    void setWriteCheck(WriteCheck check);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace kwitola
