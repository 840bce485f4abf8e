// The main window's whole first showing on tables of growing size: the
// windows created, the settings read, the six tables opened, the three lists
// filled into their drop-down lists and the first details shown. Runs on the
// offscreen platform unless another is set.
#include "bench/kwitola/benchtables.h"
#include "common/core/clock.h"
#include "common/seams/filedialogservice.h"
#include "common/seams/messageservice.h"
#include "common/seams/printerdialogservice.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/ui/kwitolawindows.h"
#include "kwitola/ui/services.h"
#include "kwitola/ui/tffaktura.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Any message during start-up means the start failed; it is counted, never shown.
class CountingMessages final : public common::MessageService
{
public:
    common::MessageAnswer show(const common::Message& /*message*/, QWidget* /*parent*/) override
    {
        ++count;
        return common::MessageAnswer::Ok;
    }
    int count = 0;
};

void BM_MainWindowStartUp(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    const QString folder = kwitola::bench::folderWith(records);
    if (folder.isEmpty()) {
        state.SkipWithError("the tables could not be prepared");
        return;
    }
    CountingMessages messages;
    const common::SystemClock clock;
    common::SystemFileDialogService files;
    common::SystemPrinterDialogService printers;
    QTemporaryDir locks;
    int run = 0;
    kwitola::bench::resetPeak();
    for (auto _ : state) {
        kwitola::TableStore store;
        const kwitola::ui::Services services{
            messages,
            clock,
            files,
            printers,
            store,
            folder,
            locks.filePath(QStringLiteral("Kwitola-%1.lock").arg(++run))};
        kwitola::ui::KwitolaWindows windows(services);
        windows.faktura().resize(1280, 1024);
        windows.faktura().show();
        QCoreApplication::processEvents();
        if (!windows.faktura().isStarted() || messages.count != 0) {
            state.SkipWithError("the main window did not start");
            return;
        }
    }
    state.counters["records"] = records;
    state.counters["peak_MiB"] = kwitola::bench::peakMiB();
    state.SetComplexityN(records);
}

BENCHMARK(BM_MainWindowStartUp)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
