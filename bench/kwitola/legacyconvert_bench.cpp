// Converting a working folder of the earlier version's six Paradox tables,
// each with 100 000 records, to the program's own tables.
#include "bench/kwitola/benchtables.h"
#include "kwitola/legacy/legacyconvert.h"
#include "paradoxwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 100'000;

// The source folder is written once; every run converts a fresh copy.
const QTemporaryDir& sourceFolder()
{
    static const QTemporaryDir folder = [] {
        QTemporaryDir dir;
        if (!kwitola::legacy::pxtest::writeLegacyTables(dir.path(), kRecords, "haslo")) {
            qFatal("Could not write the Paradox tables");
        }
        return dir;
    }();
    return folder;
}

void copyFolder(const QString& from, const QString& to)
{
    for (const QString& name : QDir(from).entryList(QDir::Files)) {
        QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
    }
}

void BM_ConvertSixTables(benchmark::State& state)
{
    const QString source = sourceFolder().path();
    qint64 rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir work;
        copyFolder(source, work.path());
        state.ResumeTiming();
        kwitola::legacy::ConversionOptions options;
        options.password = QString(kwitola::kTablePassword);
        const auto report = kwitola::legacy::convertFolder(work.path(), options);
        if (!report) {
            state.SkipWithError(report.error().toStdString().c_str());
            return;
        }
        rows = 0;
        for (const auto& table : report->tables) {
            rows += table.rows;
        }
    }
    state.counters["records"] = static_cast<double>(rows);
    state.counters["records_per_s"] = benchmark::Counter(
        static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ConvertSixTables)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    return kwitola::bench::runBenchmarks(argc, argv);
}
