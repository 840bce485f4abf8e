#include "bench/kwitola/benchtables.h"

#include "kwitola/core/tablestore.h"

#include <QMap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <string>

namespace kwitola::bench {

QString preparedFolder(const QString& key, const std::function<Result<void>(TableStore&)>& fill)
{
    static QMap<QString, std::shared_ptr<QTemporaryDir>> folders;
    if (auto it = folders.find(key); it != folders.end()) {
        return (*it)->path();
    }
    auto dir = std::make_shared<QTemporaryDir>();
    TableStore store;
    store.setPassword(QString(kTablePassword));
    if (!store.open(dir->path()) || !store.inTransaction([&] { return fill(store); })) {
        return {};
    }
    folders.insert(key, dir);
    return dir->path();
}

QString folderWith(int count)
{
    return preparedFolder(
        QStringLiteral("cards/%1").arg(count), [count](TableStore& store) -> Result<void> {
            for (int i = 0; i < 3; ++i) {
                Issuer issuer;
                issuer.Nazwa_firmy = QStringLiteral("Wystawca %1 sp. z o.o.").arg(i);
                issuer.Miejscowosc = QStringLiteral("Gdańsk");
                if (auto id = store.insertRecord(issuer); !id) {
                    return id.forward();
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
                    return id.forward();
                }
                if (auto id = store.insertRecord(g); !id) {
                    return id.forward();
                }
            }
            return {};
        });
}

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

void growingTables(benchmark::internal::Benchmark* run)
{
    run->Arg(1000)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond)
        ->Complexity(benchmark::oN);
}

int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace kwitola::bench
