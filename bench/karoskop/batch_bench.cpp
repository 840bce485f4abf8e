// karoskop-batch end to end on a million generated numbers, JSON written to
// a file, with the input taken three ways: a file named on the command
// line, a file redirected to standard input, and a pipe. Each has a floor
// beside it: the same lines only copied, each with a suffix as long as a
// decoded result, read and written the same way. Also: output thrown away,
// CSV, and the JSON output merely copied by cat.
#include "bench/karoskop/numbers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kNumbers = 1000000;

// KAROSKOP_BATCH names another build of the tool, to compare two builds.
QString batchPath()
{
    const QString chosen = qEnvironmentVariable("KAROSKOP_BATCH");
    return chosen.isEmpty() ? QStringLiteral(KAROSKOP_BATCH_PATH) : chosen;
}

enum class Input { FileArgument, RedirectedStdin, Pipe };

struct Files
{
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("numery.txt"));
    QString output = dir.filePath(QStringLiteral("wyniki.jsonl"));
    qint64 suffixBytes = 0; // per line, so that the floor writes as much as the batch

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
        file.close();
        QProcess process;
        process.setStandardInputFile(input);
        process.setStandardOutputFile(output);
        process.start(batchPath(), {});
        process.waitForFinished(-1);
        suffixBytes = (QFile(output).size() - QFile(input).size()) / kNumbers;
    }
};

Files& files()
{
    static Files instance;
    return instance;
}

// Runs program with args on the input given the way input says, output to
// outputFile; false when it failed.
bool run(const QString& program, QStringList args, Input input, const QString& outputFile)
{
    QProcess feeder;
    QProcess process;
    switch (input) {
    case Input::FileArgument:
        args << files().input;
        break;
    case Input::RedirectedStdin:
        process.setStandardInputFile(files().input);
        break;
    case Input::Pipe:
        feeder.setStandardOutputProcess(&process);
        feeder.start(QStringLiteral("cat"), {files().input});
        break;
    }
    process.setStandardOutputFile(outputFile);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, args);
    const bool finished = process.waitForFinished(-1);
    if (input == Input::Pipe) {
        feeder.waitForFinished(-1);
    }
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void runBatch(benchmark::State& state, Input input, const QString& outputFile,
              const QStringList& extra = {})
{
    for (auto _ : state) {
        if (!run(batchPath(), extra, input, outputFile)) {
            state.SkipWithError("karoskop-batch failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}

void runFloor(benchmark::State& state, Input input)
{
    const QString copy = files().dir.filePath(QStringLiteral("kopia.jsonl"));
    const QStringList args{QString::number(files().suffixBytes)};
    for (auto _ : state) {
        if (!run(QStringLiteral(KAROSKOP_COPY_FLOOR_PATH), args, input, copy)) {
            state.SkipWithError("copy floor failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
    state.counters["output_MB"] = static_cast<double>(QFile(copy).size()) / 1e6;
}

void BM_BatchFileArgument(benchmark::State& state)
{
    runBatch(state, Input::FileArgument, files().output);
    state.counters["output_MB"] = static_cast<double>(QFile(files().output).size()) / 1e6;
}

void BM_FloorFileArgument(benchmark::State& state)
{
    runFloor(state, Input::FileArgument);
}

void BM_BatchRedirectedStdin(benchmark::State& state)
{
    runBatch(state, Input::RedirectedStdin, files().output);
}

void BM_FloorRedirectedStdin(benchmark::State& state)
{
    runFloor(state, Input::RedirectedStdin);
}

void BM_BatchPipe(benchmark::State& state)
{
    runBatch(state, Input::Pipe, files().output);
}

void BM_FloorPipe(benchmark::State& state)
{
    runFloor(state, Input::Pipe);
}

void BM_BatchToNull(benchmark::State& state)
{
    runBatch(state, Input::RedirectedStdin, QProcess::nullDevice());
}

void BM_BatchCsvToFile(benchmark::State& state)
{
    runBatch(state, Input::RedirectedStdin, files().output, {QStringLiteral("--csv")});
}

// Writing the JSON output again with cat, without any decoding.
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

BENCHMARK(BM_BatchFileArgument)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FloorFileArgument)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_BatchRedirectedStdin)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FloorRedirectedStdin)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_BatchPipe)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FloorPipe)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_BatchToNull)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_BatchCsvToFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_CopyOutputToFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
