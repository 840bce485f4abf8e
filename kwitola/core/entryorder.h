#pragma once

#include "kwitola/core/tablestore.h"

#include <QString>
#include <optional>
#include <vector>

namespace kwitola {

// Puts entries into the order of the sorted lists: Polish letters in their
// places, capitals and small letters alike; entries that compare equal keep
// their table order.
void sortAlphabetically(std::vector<ListEntry>& entries);

// Where an entry goes in entries put into that order (entries whose texts
// compare equal ordered by their record numbers, which is table order).
[[nodiscard]] std::size_t sortedPlace(const std::vector<ListEntry>& sorted, const ListEntry& entry);

// The place of the first entry whose text equals the text exactly; nothing
// when no entry does.
[[nodiscard]] std::optional<std::size_t> firstIndexOf(const std::vector<ListEntry>& entries,
                                                      const QString& text);

} // namespace kwitola
