#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <string_view>

namespace karoskop {

// A row keyed by the character at one VIN position. A table of such rows is
// applied from its first row to its last, so where two rows match the later
// one stands.
struct PositionRow
{
    int position;
    char16_t code;
    QString text;
};

// Plant: the position-8 rows, then the position-7 rows that replace them.
std::span<const PositionRow> fordPlantRows();
// Body, from position 10.
std::span<const PositionRow> fordBodyRows();

// The month letters change with the year letter (position 11) in a
// four-year cycle: the year letter picks the group.
struct MonthGroupRow
{
    std::string_view yearLetters;
    int group; // 0..3
};

// One month and the position-12 letter that names it in each group.
struct MonthRow
{
    QString month;
    std::array<char16_t, 4> codeInGroup;
};

std::span<const MonthGroupRow> fordMonthGroupRows();
std::span<const MonthRow> fordMonthRows();

// One test of a model rule: the character at position is one of allowed.
struct PositionTest
{
    int position = 0; // 0: no test
    std::string_view allowed;
};

// A model rule fits a VIN when all its tests hold; it then adds its entries
// to the model list and sets the type and the fuel.
struct ModelRule
{
    std::array<PositionTest, 4> tests;
    QStringList entries;
    QString type;
    QString fuel;
};

std::span<const ModelRule> fordModelRules();

} // namespace karoskop
