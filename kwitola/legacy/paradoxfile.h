#pragma once

#include "kwitola/core/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace kwitola::legacy {

// True when the bytes start like a Paradox data table (.DB) header. Only the
// header decides, never the file's name.
bool isParadoxHeader(const QByteArray& header);

// True when the file at path is readable and starts with a Paradox header.
bool isParadoxFile(const QString& path);

// The kinds of field a Paradox table holds, as far as the conversion tells
// them apart.
enum class FieldKind {
    Alpha,
    Short,
    Long,
    AutoIncrement,
    Number,
    Currency,
    Bcd,
    Date,
    Time,
    Timestamp,
    Logical,
    Unsupported
};

struct ParadoxField
{
    QString name;
    FieldKind kind = FieldKind::Unsupported;
    int length = 0;
    int decimals = 0;
    // The type's own name for messages, e.g. "BLOb".
    QString typeName;
};

// One Paradox table opened for reading, encrypted or not. Text fields are
// read in code page 1250.
class ParadoxFile final
{
public:
    ~ParadoxFile();
    ParadoxFile(const ParadoxFile&) = delete;
    ParadoxFile& operator=(const ParadoxFile&) = delete;
    ParadoxFile(ParadoxFile&& other) noexcept;
    ParadoxFile& operator=(ParadoxFile&&) = delete;

    // Opens the table; the error text names the file.
    [[nodiscard]] static Result<std::unique_ptr<ParadoxFile>> open(const QString& path);

    [[nodiscard]] const std::vector<ParadoxField>& fields() const { return m_fields; }
    [[nodiscard]] qint64 recordCount() const;

    // The texts of record number index (from 0), one per field in stored
    // order; an empty field gives an empty text.
    [[nodiscard]] Result<QStringList> read(qint64 index);

private:
    struct Private;
    explicit ParadoxFile(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d;
    std::vector<ParadoxField> m_fields;
};

} // namespace kwitola::legacy
