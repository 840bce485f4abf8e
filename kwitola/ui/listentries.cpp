#include "kwitola/ui/listentries.h"

#include "kwitola/core/entryorder.h"

namespace kwitola::ui {

QStringList entryTexts(const std::vector<ListEntry>& entries)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const ListEntry& entry : entries) {
        texts << entry.text;
    }
    return texts;
}

QStringList sortedEntryTexts(const std::vector<ListEntry>& entries)
{
    std::vector<ListEntry> sorted = entries;
    sortAlphabetically(sorted);
    return entryTexts(sorted);
}

} // namespace kwitola::ui
