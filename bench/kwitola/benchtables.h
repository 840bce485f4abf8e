#pragma once

#include "kwitola/core/result.h"

#include <QString>
#include <functional>

namespace benchmark::internal {
class Benchmark;
}

namespace kwitola {
class TableStore;
}

namespace kwitola::bench {

// A working folder whose tables fill writes inside one transaction, made
// once per key and kept for the whole run. Empty on failure.
QString preparedFolder(const QString& key, const std::function<Result<void>(TableStore&)>& fill);

// A working folder, prepared once per size and kept for the whole run, with
// three issuers and `count` recipients and goods of realistic lengths, in a
// table order that differs from their alphabetical order. Empty on failure.
QString folderWith(int count);

// Peak resident memory of the process since the last resetPeak(), in MiB.
double peakMiB();
void resetPeak();

// Runs a start-up benchmark on 1 000, 10 000 and 100 000 records, timed in
// milliseconds, with the growth fitted as linear.
void growingTables(benchmark::internal::Benchmark* run);

// Runs the benchmarks the command line names; main's exit code. The
// program's application object must stand already.
int runBenchmarks(int argc, char** argv);

} // namespace kwitola::bench
