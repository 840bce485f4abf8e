// The main window's whole first showing on tables of growing size: the
// windows created, the settings read, the six tables opened, the three lists
// filled into their drop-down lists and the first details shown; and the
// recipient list filled again after a card saved, and read whole again.
// Runs on the offscreen platform unless another is set.
#include "bench/kwitola/benchtables.h"
#include "common/core/clock.h"
#include "common/seams/filedialogservice.h"
#include "common/seams/messageservice.h"
#include "common/seams/printerdialogservice.h"
#include "common/seams/printservice.h"
#include "kwitola/core/cards.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/ui/kwitolawindows.h"
#include "kwitola/ui/partypanel.h"
#include "kwitola/ui/printpreview.h"
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
    common::SystemPrintService printer;
    kwitola::ui::DialogPreviewService preview;
    QTemporaryDir locks;
    int run = 0;
    kwitola::bench::resetPeak();
    for (auto _ : state) {
        kwitola::TableStore store;
        const kwitola::ui::Services services{
            messages, clock,   files,
            printers, printer, preview,
            store,    folder,  locks.filePath(QStringLiteral("Kwitola-%1.lock").arg(++run))};
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

// The main window started on the folder, for the refresh benchmarks.
class StartedWindows
{
public:
    explicit StartedWindows(const QString& folder)
        : m_folderPrepared(!folder.isEmpty()),
          m_services{m_messages, m_clock,   m_files,
                     m_printers, m_printer, m_preview,
                     m_store,    folder,    m_locks.filePath(QStringLiteral("Kwitola.lock"))},
          m_windows(m_services)
    {
        m_windows.faktura().resize(1280, 1024);
        m_windows.faktura().show();
        QCoreApplication::processEvents();
    }
    // Whether the window started on prepared tables; if not, the benchmark
    // is skipped with the reason.
    [[nodiscard]] bool startedFor(benchmark::State& state) const
    {
        if (m_folderPrepared && m_windows.faktura().isStarted() && m_messages.count == 0) {
            return true;
        }
        state.SkipWithError("the main window did not start");
        return false;
    }
    kwitola::TableStore& store() { return m_store; }
    kwitola::ui::PartyPanel& parties() { return m_windows.faktura().partyPanel(); }

private:
    bool m_folderPrepared;
    CountingMessages m_messages;
    common::SystemClock m_clock;
    common::SystemFileDialogService m_files;
    common::SystemPrinterDialogService m_printers;
    common::SystemPrintService m_printer;
    kwitola::ui::DialogPreviewService m_preview;
    QTemporaryDir m_locks;
    kwitola::TableStore m_store;
    kwitola::ui::Services m_services;
    kwitola::ui::KwitolaWindows m_windows;
};

// A recipient card saved a correction: the list shows the corrected entry
// in its place and chosen. The write itself is not timed.
void BM_RecipientListRefreshAfterCard(benchmark::State& state)
{
    StartedWindows windows(kwitola::bench::folderWith(static_cast<int>(state.range(0))));
    if (!windows.startedFor(state)) {
        return;
    }
    const auto chosen = windows.parties().parties().recipient;
    kwitola::CardFields fields = kwitola::cardFields(*chosen);
    const QString name = fields[0];
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fields[0] = name + QString::number(++round % 2);
        if (!kwitola::correctRecipient(windows.store(), chosen->id, fields)) {
            state.SkipWithError("the correction failed");
            return;
        }
        state.ResumeTiming();
        windows.parties().refreshRecipients(kwitola::cardEntry(fields), chosen->id);
    }
    if (windows.parties().parties().recipient->Nazwa_firmy != fields[0]) {
        state.SkipWithError("the corrected recipient is not chosen");
    }
    state.counters["records"] = static_cast<double>(state.range(0));
}

// "Wczytaj pełną listę odbiorców": the whole list read and sorted again.
void BM_RecipientListReadWhole(benchmark::State& state)
{
    StartedWindows windows(kwitola::bench::folderWith(static_cast<int>(state.range(0))));
    if (!windows.startedFor(state)) {
        return;
    }
    for (auto _ : state) {
        windows.parties().fillRecipientList();
    }
    state.counters["records"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_RecipientListRefreshAfterCard)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecipientListReadWhole)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_MainWindowStartUp)->Apply(kwitola::bench::growingTables);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return kwitola::bench::runBenchmarks(argc, argv);
}
