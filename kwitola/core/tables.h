#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace kwitola {

// The password every table file is protected with.
inline constexpr QLatin1String kTablePassword{"MZTXkwqNVB"};

// The six tables, one file each in the working folder.
enum class Table { Wystawca, Odbiorca, Firmy, Magazyn, Faktury, Sprzedaz };

// The order in which the program opens its tables at start.
inline constexpr std::array<Table, 6> kOpenOrder = {Table::Wystawca, Table::Odbiorca,
                                                    Table::Magazyn,  Table::Faktury,
                                                    Table::Firmy,    Table::Sprzedaz};

// The fixed layout of one table: its file, its name in SQL, its columns in
// stored order, which column (if any) is the record number the store fills,
// and which columns make up a list entry.
struct TableLayout
{
    Table table;
    QString fileName;
    QString sqlName;
    QStringList columns;
    std::optional<int> recordNumberColumn;
    QStringList entryColumns;
};

const TableLayout& layoutOf(Table table);

// The position of a field in the table's stored order, matched without regard
// to case; nothing when the table has no such field.
std::optional<int> columnPosition(Table table, QStringView field);

} // namespace kwitola
