#include "kwitola/core/entryorder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace kwitola {

namespace {

// Sort keys are built here rather than by the system's collator: a list of
// a hundred thousand entries is sorted in a fraction of the time. The order
// is the Polish alphabet's, capitals alike with small letters: blanks first,
// then punctuation and symbols (by character code), digits, the letters
// (ą after a, ć after c and so on; other accented letters with their base
// letter, after it only where the texts are otherwise equal), and last
// letters of other scripts.
//
// A key is a run of 16-bit weights; where a text has accents other than the
// Polish letters, a 0 and one accent weight per character follow.
constexpr char16_t kBlank = 0x0001;
constexpr char16_t kSymbols = 0x0002;
constexpr char16_t kLastSymbol = 0x0FFF;
constexpr char16_t kDigits = 0x1000;
constexpr char16_t kLetters = 0x2000;
constexpr char16_t kOtherLetters = 0x3000;

const std::u16string kAlphabet = u"aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż";

struct Weights
{
    char16_t primary = 0;
    char16_t accent = 0;
};

Weights weighOne(QChar c)
{
    if (c.isSpace()) {
        return {kBlank, 0};
    }
    if (c.isDigit()) {
        return {static_cast<char16_t>(kDigits + c.digitValue()), 0};
    }
    if (!c.isLetter()) {
        return {static_cast<char16_t>(std::min<int>(kSymbols + c.unicode(), kLastSymbol)), 0};
    }
    const QChar lower = c.toLower();
    const auto place = kAlphabet.find(lower.unicode());
    if (place != std::u16string::npos) {
        return {static_cast<char16_t>(kLetters + place), 0};
    }
    const QString parts = lower.decomposition();
    if (parts.size() > 1) {
        const auto base = kAlphabet.find(parts.at(0).toLower().unicode());
        if (base != std::u16string::npos) {
            return {static_cast<char16_t>(kLetters + base), parts.at(1).unicode()};
        }
    }
    // Followed by the letter itself (see appendKey).
    return {kOtherLetters, 0};
}

// The characters of the Latin blocks, weighed once.
constexpr char16_t kTableSize = 0x250;

const std::array<Weights, kTableSize>& latinWeights()
{
    static const std::array<Weights, kTableSize> table = [] {
        std::array<Weights, kTableSize> weights{};
        for (char16_t c = 0; c < kTableSize; ++c) {
            weights[c] = weighOne(QChar(c));
        }
        return weights;
    }();
    return table;
}

void appendKey(const QString& text, std::u16string& key)
{
    const auto& table = latinWeights();
    bool accented = false;
    for (const QChar c : text) {
        const Weights w = c.unicode() < kTableSize ? table[c.unicode()] : weighOne(c);
        key.push_back(w.primary);
        if (w.primary == kOtherLetters) {
            key.push_back(c.toLower().unicode());
        }
        accented = accented || w.accent != 0;
    }
    if (!accented) {
        return;
    }
    // Accents decide only between texts whose letters are the same.
    key.push_back(0);
    for (const QChar c : text) {
        key.push_back(c.unicode() < kTableSize ? table[c.unicode()].accent : weighOne(c).accent);
    }
}

std::u16string sortKey(const QString& text)
{
    std::u16string key;
    appendKey(text, key);
    return key;
}

// Eight weights from a place in a key, packed so that comparing the pairs
// of numbers compares the weights.
using Head = std::pair<std::uint64_t, std::uint64_t>;

Head packed(std::u16string_view key, std::size_t from)
{
    Head head{0, 0};
    for (std::size_t i = from; i < from + 8; ++i) {
        std::uint64_t& part = i < from + 4 ? head.first : head.second;
        part = (part << 16) | (i < key.size() ? key[i] : 0);
    }
    return head;
}

} // namespace

void sortAlphabetically(std::vector<ListEntry>& entries)
{
    // All keys in one buffer, for fewer allocations and closer memory.
    std::u16string buffer;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    spans.reserve(entries.size());
    for (const ListEntry& entry : entries) {
        const std::size_t begin = buffer.size();
        appendKey(entry.text, buffer);
        spans.emplace_back(begin, buffer.size() - begin);
    }
    const auto keyOf = [&](std::size_t i) {
        return std::u16string_view(buffer).substr(spans[i].first, spans[i].second);
    };
    // Most comparisons are settled by eight weights taken after the part all
    // keys share ("Przedsiębiorstwo ..."), without touching the keys.
    std::size_t shared = entries.empty() ? 0 : keyOf(0).size();
    for (std::size_t i = 1; i < entries.size() && shared > 0; ++i) {
        const auto key = keyOf(i);
        const auto first = keyOf(0);
        std::size_t same = 0;
        while (same < shared && same < key.size() && key[same] == first[same]) {
            ++same;
        }
        shared = same;
    }
    struct Item
    {
        Head head;
        std::size_t index;
    };
    std::vector<Item> items;
    items.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        items.push_back({packed(keyOf(i), shared), i});
    }
    // Equal keys keep table order through the index, so any sort will do.
    std::sort(items.begin(), items.end(), [&keyOf](const Item& a, const Item& b) {
        if (a.head != b.head) {
            return a.head < b.head;
        }
        const int order = keyOf(a.index).compare(keyOf(b.index));
        return order != 0 ? order < 0 : a.index < b.index;
    });
    std::vector<ListEntry> sorted;
    sorted.reserve(entries.size());
    for (const Item& item : items) {
        sorted.push_back(std::move(entries[item.index]));
    }
    entries = std::move(sorted);
}

std::size_t sortedPlace(const std::vector<ListEntry>& sorted, const ListEntry& entry)
{
    const std::u16string key = sortKey(entry.text);
    const auto place = std::upper_bound(
        sorted.begin(), sorted.end(), entry, [&key](const ListEntry& wanted, const ListEntry& e) {
            const std::u16string other = sortKey(e.text);
            return key < other || (key == other && wanted.id < e.id);
        });
    return static_cast<std::size_t>(place - sorted.begin());
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
