#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <memory>
#include <variant>
#include <vector>

namespace kwitola::legacy::pxtest {

// Field types as the Paradox library numbers them.
enum class PxType {
    Alpha = 0x01,
    Date = 0x02,
    Short = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Number = 0x06,
    Logical = 0x09,
    Memo = 0x0C,
    Time = 0x14,
    Timestamp = 0x15,
    AutoInc = 0x16,
    Bcd = 0x17
};

struct PxField
{
    QString name;
    PxType type;
    int length;
    int decimals = 0;
};

struct Bcd
{
    QByteArray digits; // e.g. "-123.45"
};

// An empty field, a text (written in code page 1250), a whole number, a
// real number, a date, or BCD digits.
using PxValue = std::variant<std::monostate, QString, qint64, double, QDate, Bcd>;

// Writes a Paradox table with the Paradox library itself, optionally
// encrypted with a password. The table is built in memory and written to
// its file when closed.
class ParadoxWriter final
{
public:
    ParadoxWriter(const QString& path, const std::vector<PxField>& fields,
                  const QByteArray& password = {});
    ~ParadoxWriter();
    ParadoxWriter(const ParadoxWriter&) = delete;
    ParadoxWriter& operator=(const ParadoxWriter&) = delete;

    [[nodiscard]] bool isOpen() const;
    bool add(const std::vector<PxValue>& values);
    // Writes the table to its file; false when it could not.
    bool close();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Writes the six tables of the earlier version into folder, each with rows
// records, field names in other letter cases than the program's, the goods'
// record number in another place, money as Currency and dates as Date.
// Every text carries Polish letters. Returns false when a write failed.
bool writeLegacyTables(const QString& folder, int rows, const QByteArray& password = {});

} // namespace kwitola::legacy::pxtest
