#pragma once

#include <array>
#include <cstddef>
#include <utility>

namespace common {

// A table of pairs that translates one set of values into another, such as
// the program's own enumerations into a toolkit's. Values missing from the
// table translate to a fallback.
template <typename Key, typename Value, std::size_t N>
using ValueTable = std::array<std::pair<Key, Value>, N>;

// The first row that matches, or nullptr.
template <typename Row, std::size_t N, typename Match>
[[nodiscard]] constexpr const Row* findRow(const std::array<Row, N>& table, Match matches)
{
    for (const Row& row : table) {
        if (matches(row)) {
            return &row;
        }
    }
    return nullptr;
}

// The value paired with key, or fallback when no row holds key.
template <typename Key, typename Value, std::size_t N>
[[nodiscard]] constexpr Value valueFor(const ValueTable<Key, Value, N>& table, const Key& key,
                                       const Value& fallback)
{
    const auto* row = findRow(table, [&key](const auto& r) { return r.first == key; });
    return row != nullptr ? row->second : fallback;
}

// The key paired with value, or fallback when no row holds value.
template <typename Key, typename Value, std::size_t N>
[[nodiscard]] constexpr Key keyFor(const ValueTable<Key, Value, N>& table, const Value& value,
                                   const Key& fallback)
{
    const auto* row = findRow(table, [&value](const auto& r) { return r.second == value; });
    return row != nullptr ? row->first : fallback;
}

} // namespace common
