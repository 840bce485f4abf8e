// The start-up step of the main window without the window: open the six
// tables, read the issuer, recipient and goods lists, sort the two sorted
// lists, and fetch the details of each list's first entry. Run with
// --benchmark_counters_tabular=true to see the peak memory beside the times.
#include "kwitola/core/tablestore.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <string>

using namespace kwitola;

namespace {

QString password()
{
    return QString(kTablePassword);
}

// Prepares, once per size, a folder with three issuers and `count`
// recipients and goods of realistic lengths.
QString folderWith(int count)
{
    static QMap<int, std::shared_ptr<QTemporaryDir>> folders;
    if (auto it = folders.find(count); it != folders.end()) {
        return (*it)->path();
    }
    auto dir = std::make_shared<QTemporaryDir>();
    TableStore store;
    store.setPassword(password());
    if (store.open(dir->path())) {
        return {};
    }
    const auto error = store.inTransaction([&]() -> StoreError {
        for (int i = 0; i < 3; ++i) {
            Issuer issuer;
            issuer.Nazwa_firmy = QStringLiteral("Wystawca %1 sp. z o.o.").arg(i);
            issuer.Miejscowosc = QStringLiteral("Gdańsk");
            if (auto id = store.insertRecord(issuer); !id) {
                return id.error();
            }
        }
        for (int i = 0; i < count; ++i) {
            // Scrambled so that table order and sorted order differ.
            const int key = static_cast<int>((static_cast<qint64>(i) * 7919) % count);
            Recipient r;
            r.Nazwa_firmy = QStringLiteral("Przedsiębiorstwo Handlowe nr %1").arg(key);
            r.Miejscowosc = QStringLiteral("Zielona Góra");
            r.Adres_firmy = QStringLiteral("ul. Kwiatowa %1").arg(i % 200);
            r.Nip_firmy = QStringLiteral("%1-%2-00-11")
                              .arg(100 + i % 900)
                              .arg(i % 1000, 3, 10, QLatin1Char('0'));
            r.Kod_pocztowy = QStringLiteral("65-001");
            r.Telefon_firmy = QStringLiteral("68 325 71 60");
            r.Osoba_uprawniona = QStringLiteral("Jan Kowalski");
            Goods g;
            g.Nazwa_towaru = QStringLiteral("Towar handlowy numer %1").arg(key);
            g.numer_fabryczny = QStringLiteral("NF-%1").arg(i);
            g.Jednostka_miary = QStringLiteral("szt.");
            g.Cena_jednostkowa_netto = QStringLiteral("12,50");
            g.Stawka_vat = QStringLiteral("22");
            g.Stan_poczatkowy = QStringLiteral("100,00");
            if (auto id = store.insertRecord(r); !id) {
                return id.error();
            }
            if (auto id = store.insertRecord(g); !id) {
                return id.error();
            }
        }
        return std::nullopt;
    });
    if (error) {
        return {};
    }
    folders.insert(count, dir);
    return dir->path();
}

// Peak resident memory since the last reset, in MiB.
double peakMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
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
        if (store.open(folder)) {
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
        const auto recipient =
            store.get<Recipient>(*store.findByEntry(Table::Odbiorca, recipientList.front()));
        const auto item = store.get<Goods>(*store.findByEntry(Table::Magazyn, goodsList.front()));
        benchmark::DoNotOptimize(issuer);
        benchmark::DoNotOptimize(recipient);
        benchmark::DoNotOptimize(item);
    }
    state.counters["records"] = count;
    state.counters["peak_MiB"] = peakMiB();
    state.SetComplexityN(count);
}

BENCHMARK(BM_StartUp)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
