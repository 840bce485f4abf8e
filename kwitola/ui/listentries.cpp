#include "kwitola/ui/listentries.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

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
    QCollator collator{QLocale(QLocale::Polish, QLocale::Poland)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Sort keys once per entry rather than collating inside every comparison:
    // the lists hold up to a hundred thousand entries.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(entries.size());
    for (const ListEntry& entry : entries) {
        keys.push_back(collator.sortKey(entry.text));
    }
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
        return keys[a].compare(keys[b]) < 0;
    });
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::size_t i : order) {
        texts << entries[i].text;
    }
    return texts;
}

} // namespace kwitola::ui
