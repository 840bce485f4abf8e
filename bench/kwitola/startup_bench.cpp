// The start-up step of the main window without the window: open the six
// tables, read the issuer, recipient and goods lists, sort the two sorted
// lists, and fetch the details of each list's first entry. Run with
// --benchmark_counters_tabular=true to see the peak memory beside the times.
#include "bench/kwitola/benchtables.h"
#include "kwitola/core/tablestore.h"

#include <QCoreApplication>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace kwitola;
using kwitola::bench::folderWith;
using kwitola::bench::peakMiB;
using kwitola::bench::resetPeak;

namespace {

QString password()
{
    return QString(kTablePassword);
}

QStringList sortedTexts(const std::vector<ListEntry>& entries)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const ListEntry& entry : entries) {
        texts << entry.text;
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

void BM_StartUp(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const QString folder = folderWith(count);
    if (folder.isEmpty()) {
        state.SkipWithError("the tables could not be prepared");
        return;
    }
    resetPeak();
    for (auto _ : state) {
        TableStore store;
        store.setPassword(password());
        if (!store.open(folder)) {
            state.SkipWithError("open failed");
            return;
        }
        const auto issuers = store.listEntries(Table::Wystawca);
        const auto recipients = store.listEntries(Table::Odbiorca);
        const auto goods = store.listEntries(Table::Magazyn);
        if (!issuers || !recipients || !goods || recipients->empty() || goods->empty()) {
            state.SkipWithError("a list could not be read");
            return;
        }
        const QStringList recipientList = sortedTexts(*recipients);
        const QStringList goodsList = sortedTexts(*goods);
        const auto issuer = store.get<Issuer>(issuers->front().id);
        const auto recipientId = store.findByEntry(Table::Odbiorca, recipientList.front());
        const auto goodsId = store.findByEntry(Table::Magazyn, goodsList.front());
        if (!recipientId || !*recipientId || !goodsId || !*goodsId) {
            state.SkipWithError("a first entry was not found");
            return;
        }
        const auto recipient = store.get<Recipient>(**recipientId);
        const auto item = store.get<Goods>(**goodsId);
        benchmark::DoNotOptimize(issuer);
        benchmark::DoNotOptimize(recipient);
        benchmark::DoNotOptimize(item);
    }
    state.counters["records"] = count;
    state.counters["peak_MiB"] = peakMiB();
    state.SetComplexityN(count);
}

BENCHMARK(BM_StartUp)->Apply(kwitola::bench::growingTables);

// One list choice: the entry found again and its record read, for the last
// entry in table order (the one a walk from the first record reaches last).
void BM_ListChoice(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const QString folder = folderWith(count);
    TableStore store;
    store.setPassword(password());
    if (folder.isEmpty() || !store.open(folder)) {
        state.SkipWithError("the tables could not be opened");
        return;
    }
    const auto entries = store.listEntries(Table::Odbiorca);
    if (!entries || entries->empty()) {
        state.SkipWithError("no recipients");
        return;
    }
    const QString last = entries->back().text;
    for (auto _ : state) {
        const auto id = store.findByEntry(Table::Odbiorca, last);
        if (!id || !*id) {
            state.SkipWithError("the entry was not found");
            return;
        }
        benchmark::DoNotOptimize(store.get<Recipient>(**id));
    }
    state.counters["records"] = count;
}

BENCHMARK(BM_ListChoice)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return kwitola::bench::runBenchmarks(argc, argv);
}
