// Numbers per second through the decoding run, and through the batch
// decoder's line processing without any file.
#include "bench/karoskop/numbers.h"
#include "karoskop/batchcore/batchdecoder.h"
#include "karoskop/batchcore/batchinput.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/vinentry.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

constexpr int kDistinctNumbers = 4096;

// The numbers as karoskop-batch hands them to the run.
std::vector<karoskop::Vin> batchNumbers()
{
    std::vector<karoskop::Vin> numbers;
    for (const QByteArray& bytes : karoskop::bench::generatedNumbers(kDistinctNumbers)) {
        numbers.push_back(
            karoskop::storedForm(karoskop::batch::entryFields(QString::fromLatin1(bytes))));
    }
    return numbers;
}

// The numbers as read from the last-number file: each position a text of
// its own.
std::vector<karoskop::Vin> fileNumbers()
{
    std::vector<karoskop::Vin> numbers;
    for (const QByteArray& bytes : karoskop::bench::generatedNumbers(kDistinctNumbers)) {
        karoskop::Vin vin;
        for (int i = 0; i < karoskop::kVinLength; ++i) {
            vin[static_cast<std::size_t>(i)] = QString(QLatin1Char(bytes[i]));
        }
        numbers.push_back(karoskop::storedForm(vin));
    }
    return numbers;
}

std::vector<karoskop::batch::InputLine> inputLines()
{
    std::vector<karoskop::batch::InputLine> lines;
    for (const QByteArray& bytes : karoskop::bench::generatedNumbers(kDistinctNumbers)) {
        lines.push_back({QString::fromLatin1(bytes), true, false});
    }
    return lines;
}

void decodeAll(benchmark::State& state, const std::vector<karoskop::Vin>& numbers)
{
    karoskop::Decoder decoder;
    std::size_t i = 0;
    for (auto _ : state) {
        decoder.decode(numbers[i++ % numbers.size()]);
        benchmark::DoNotOptimize(decoder.description().make.size());
    }
    state.SetItemsProcessed(state.iterations());
}

// The decoding run on a number that has passed the checks.
void BM_DecodingRun(benchmark::State& state)
{
    decodeAll(state, batchNumbers());
}
BENCHMARK(BM_DecodingRun);

// The same with positions that each hold a text of their own, whose copies
// are reference-counted.
void BM_DecodingRunFileNumbers(benchmark::State& state)
{
    decodeAll(state, fileNumbers());
}
BENCHMARK(BM_DecodingRunFileNumbers);

// One input line: the entry checks, then the run.
void BM_CheckAndDecodeLine(benchmark::State& state)
{
    const std::vector<karoskop::batch::InputLine> lines = inputLines();
    karoskop::Decoder decoder;
    std::size_t i = 0;
    for (auto _ : state) {
        const karoskop::batch::LineResult result =
            karoskop::batch::decodeLine(lines[i++ % lines.size()], decoder);
        benchmark::DoNotOptimize(result.description.make.size());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckAndDecodeLine);

// One input line to its JSON text in memory.
void BM_LineToJson(benchmark::State& state)
{
    const std::vector<karoskop::batch::InputLine> lines = inputLines();
    karoskop::Decoder decoder;
    QByteArray out;
    out.reserve(1 << 20);
    std::size_t i = 0;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        karoskop::batch::appendJson(
            out, karoskop::batch::decodeLine(lines[i++ % lines.size()], decoder));
        if (out.size() > (1 << 20) - 4096) {
            bytes += out.size();
            out.resize(0);
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(bytes + out.size());
}
BENCHMARK(BM_LineToJson);

} // namespace

BENCHMARK_MAIN();
