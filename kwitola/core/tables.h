#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kwitola {

// The password every table file is protected with.
inline constexpr QLatin1String kTablePassword{"MZTXkwqNVB"};

// The six tables, one file each in the working folder.
enum class Table { Wystawca, Odbiorca, Firmy, Magazyn, Faktury, Sprzedaz };

// The order in which the program opens its tables at start.
inline constexpr std::array<Table, 6> kOpenOrder = {Table::Wystawca, Table::Odbiorca,
                                                    Table::Magazyn,  Table::Faktury,
                                                    Table::Firmy,    Table::Sprzedaz};

// What a table field is to the program.
enum class FieldRole : std::uint8_t {
    Named,        // kept in the record and known by its name, also in older tables
    Placed,       // kept in the record, known only by its place
    RecordNumber, // the record number, filled by the store
    Unwritten,    // known by place only; the program keeps nothing in it
    AlwaysZero,   // written as "0,00" whatever the record holds
};

// The fixed layout of one table, as its catalogue gives it: its file, its
// name in SQL, its columns in stored order with their roles, which column (if
// any) is the record number the store fills, which columns make up a list
// entry, and which the program looks records up by.
struct TableLayout
{
    Table table;
    QString fileName;
    QString sqlName;
    QStringList columns;
    std::optional<int> recordNumberColumn;
    QStringList entryColumns;
    std::vector<FieldRole> roles;
    QStringList lookupColumns;
};

const TableLayout& layoutOf(Table table);

// The position of a field in the table's stored order, matched without regard
// to case; nothing when the table has no such field.
std::optional<int> columnPosition(Table table, QStringView field);

} // namespace kwitola
