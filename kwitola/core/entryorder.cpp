#include "kwitola/core/entryorder.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace kwitola {

void sortAlphabetically(std::vector<ListEntry>& entries)
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
    std::vector<ListEntry> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t i : order) {
        sorted.push_back(std::move(entries[i]));
    }
    entries = std::move(sorted);
}

std::optional<std::size_t> firstIndexOf(const std::vector<ListEntry>& entries, const QString& text)
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&text](const ListEntry& entry) { return entry.text == text; });
    if (found == entries.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - entries.begin());
}

} // namespace kwitola
