// karoskop-batch end to end on a million generated numbers: once with the
// output thrown away, once written to a file, and the same output bytes
// only copied to a file, which is what writing alone costs.
#include "bench/karoskop/numbers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kNumbers = 1000000;

struct Files
{
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("numery.txt"));
    QString output = dir.filePath(QStringLiteral("wyniki.jsonl"));

    Files()
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(input));
            return;
        }
        QByteArray block;
        for (const QByteArray& number : karoskop::bench::generatedNumbers(kNumbers)) {
            block.append(number).append('\n');
        }
        file.write(block);
    }
};

Files& files()
{
    static Files instance;
    return instance;
}

void runBatch(benchmark::State& state, const QString& outputFile, const QStringList& extra = {})
{
    for (auto _ : state) {
        QProcess process;
        process.setStandardInputFile(files().input);
        process.setStandardOutputFile(outputFile);
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(QStringLiteral(KAROSKOP_BATCH_PATH), extra);
        if (!process.waitForFinished(-1) || process.exitCode() != 0) {
            state.SkipWithError("karoskop-batch failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}

void BM_BatchToNull(benchmark::State& state)
{
    runBatch(state, QProcess::nullDevice());
}

void BM_BatchToFile(benchmark::State& state)
{
    runBatch(state, files().output);
    state.counters["output_MB"] = static_cast<double>(QFile(files().output).size()) / 1e6;
}

void BM_BatchCsvToFile(benchmark::State& state)
{
    runBatch(state, files().output, {QStringLiteral("--csv")});
}

// Writing the JSON output of BM_BatchToFile again, without any decoding.
void BM_CopyOutputToFile(benchmark::State& state)
{
    const QString copy = files().dir.filePath(QStringLiteral("kopia.jsonl"));
    for (auto _ : state) {
        QProcess process;
        process.setStandardInputFile(files().output);
        process.setStandardOutputFile(copy);
        process.start(QStringLiteral("cat"), {});
        process.waitForFinished(-1);
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}

} // namespace

BENCHMARK(BM_BatchToNull)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_BatchToFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_CopyOutputToFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_BatchCsvToFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
