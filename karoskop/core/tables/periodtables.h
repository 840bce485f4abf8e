#pragma once

#include <QString>
#include <optional>
#include <span>

namespace karoskop {

// A model's production years for a production year Y with after < Y < before;
// a row with neither bound holds for every year and needs no year at all.
struct DecodingPeriodRow
{
    QString model;
    std::optional<int> after;
    std::optional<int> before;
    QString years;

    bool hasYearCondition() const { return after.has_value() || before.has_value(); }
};

struct SelectionPeriodRow
{
    QString model;
    QString years;
};

std::span<const DecodingPeriodRow> decodingPeriodRows();
std::span<const SelectionPeriodRow> selectionPeriodRows();

} // namespace karoskop
