#pragma once

#include "kwitola/core/tablestore.h"

#include <QStringList>
#include <vector>

namespace kwitola::ui {

// The entries' texts in table order.
QStringList entryTexts(const std::vector<ListEntry>& entries);
// The entries' texts in the alphabetical order of the sorted lists: Polish
// letters in their places, capitals and small letters alike; entries that
// compare equal keep their table order.
QStringList sortedEntryTexts(const std::vector<ListEntry>& entries);

} // namespace kwitola::ui
