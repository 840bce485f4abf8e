// The register on large tables: listing 100 000 posted documents (read,
// totalled where no ledger row is kept, asked after in the archive, sorted),
// filtering the list, and the export of a month of 10 000 ledger rows as CSV
// and as PDF. Each folder is made once and kept for the run. Run with
// QT_QPA_PLATFORM=offscreen.
#include "bench/kwitola/benchtables.h"
#include "common/printing/pagerenderer.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/archive.h"
#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/core/registerlist.h"
#include "kwitola/register/core/registerread.h"
#include "kwitola/register/core/registertables.h"
#include "kwitola/register/export/exportcommand.h"
#include "kwitola/register/tests/registertestfolder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

const QStringList kRecipients = {
    QStringLiteral("Przedsiębiorstwo Handlowe „Żuraw” sp. z o.o."), QStringLiteral("Hurtownia Łoś"),
    QStringLiteral("Zakład Ślusarski Jan Kowalski"), QStringLiteral("Agro-Łan spółdzielnia"),
    QStringLiteral("Biuro Rachunkowe Ewa Nowak")};

// Document i: nine in ten are invoices or bills with a ledger row, every
// tenth a goods-issue note whose total the register works out from its
// lines. Ledger documents fall into months one after another, so that each
// of `months` months holds the same number of them.
test::Posted posted(int i, int ledgerIndex, int months, bool ledger)
{
    const int month = ledgerIndex % months + 1;
    test::Posted p;
    p.number = ledger ? QStringLiteral("%1/2026 FV").arg(i) : QStringLiteral("%1/2026").arg(i);
    p.kindName = ledger ? QStringLiteral("Faktura VAT") : QString();
    p.day = QStringLiteral("%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
    p.month = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
    p.year = QStringLiteral("2026");
    p.recipient = kRecipients.at(i % kRecipients.size());
    for (int l = 0; l < 3; ++l) {
        p.lines.push_back({QStringLiteral("Towar %1").arg(l), QStringLiteral("2"),
                           QStringLiteral("12,50"), QStringLiteral("22")});
    }
    p.ledgerGross = ledger ? QStringLiteral("91,50") : QString();
    return p;
}

// The recipient's address and NIP differ from document to document.
StoredDocument document(const test::Posted& p, int i)
{
    StoredDocument d = test::storedDocument(p);
    d.recipientAddress = QStringLiteral("ul. Długa %1").arg(i % 200);
    d.recipientPostalCode = QStringLiteral("62-200");
    d.recipientNip = QStringLiteral("784-%1-11-22").arg(i % 1000, 3, 10, QLatin1Char('0'));
    return d;
}

LedgerRow ledgerRow(const test::Posted& p, const StoredDocument& d)
{
    LedgerRow r = test::ledgerRow(p);
    r.recipientNip = d.recipientNip;
    r.recipientAddress = d.recipientAddress;
    r.net22 = QStringLiteral("75,00");
    r.vat22 = QStringLiteral("16,50");
    r.net7 = r.net0 = r.netExempt = r.vat7 = QStringLiteral("0,00");
    r.vatTotal = r.vat22;
    return r;
}

// `count` documents; with wzEvery, every such document is a goods-issue note.
QString folderWith(int count, int months, int wzEvery)
{
    const QString key = QStringLiteral("register/%1/%2/%3").arg(count).arg(months).arg(wzEvery);
    return bench::preparedFolder(key, [=](TableStore& store) -> Result<void> {
        Issuer issuer;
        issuer.Nazwa_firmy = QStringLiteral("Firma Sprzedawca sp. z o.o.");
        if (auto id = store.insertRecord(issuer); !id) {
            return id.forward();
        }
        int ledgerIndex = 0;
        for (int i = 1; i <= count; ++i) {
            const bool ledger = wzEvery == 0 || i % wzEvery != 0;
            const test::Posted p = posted(i, ledgerIndex, months, ledger);
            const StoredDocument d = document(p, i);
            if (auto id = store.insertRecord(d); !id) {
                return id.forward();
            }
            if (ledger) {
                ++ledgerIndex;
                if (auto id = store.insertRecord(ledgerRow(p, d)); !id) {
                    return id.forward();
                }
            }
        }
        return {};
    });
}

// As the window lists them, each document asked after in the archive.
RegisterList listOf(const QString& folder)
{
    ArchiveIndex archive(folder);
    auto entries = readRegisterEntries(
        folder, [&archive](const StoredDocument& d) { return archive.contains(d); });
    if (!entries) {
        return {};
    }
    return RegisterList(*std::move(entries));
}

// From the tables to the sorted list the window shows.
void BM_ListDocuments(benchmark::State& state)
{
    const QString folder = folderWith(static_cast<int>(state.range(0)), 10, 10);
    if (folder.isEmpty()) {
        state.SkipWithError("no tables");
        return;
    }
    for (auto _ : state) {
        RegisterList list = listOf(folder);
        benchmark::DoNotOptimize(list.count());
        if (list.count() != state.range(0)) {
            state.SkipWithError("wrong count");
        }
    }
}
BENCHMARK(BM_ListDocuments)->Arg(100'000)->Unit(benchmark::kMillisecond);

constexpr char kListOnce[] = "--list-once";

// The first listing in a process of its own, which is what the user waits
// for after starting the register: the benchmark starts itself to list the
// folder once and takes the time that process measured.
void BM_ListDocumentsFreshProcess(benchmark::State& state)
{
    const QString folder = folderWith(static_cast<int>(state.range(0)), 10, 10);
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kListOnce), folder});
        bool read = false;
        const double ms = child.waitForFinished(120'000) && child.exitCode() == 0
                              ? child.readAllStandardOutput().trimmed().toDouble(&read)
                              : 0.0;
        if (!read) {
            state.SkipWithError("the listing process failed");
            return;
        }
        state.SetIterationTime(ms / 1000.0);
    }
}
BENCHMARK(BM_ListDocumentsFreshProcess)
    ->Arg(100'000)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The child of BM_ListDocumentsFreshProcess: prints the milliseconds one
// listing took; fails when the list is empty.
int listOnce(const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    const RegisterList list = listOf(folder);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("%.3f\n", ms);
    return list.count() > 0 ? 0 : 1;
}

// One filter change on the listed documents: a month and a recipient text,
// then a number text, then none.
void BM_FilterDocuments(benchmark::State& state)
{
    const QString folder = folderWith(static_cast<int>(state.range(0)), 10, 10);
    RegisterList list = listOf(folder);
    const Month march{2026, 3};
    const std::vector<RegisterFilter> filters = {
        {march.first(), march.last(), QStringLiteral("łoś"), {}},
        {{}, {}, {}, QStringLiteral("99")},
        {},
    };
    std::size_t next = 0;
    for (auto _ : state) {
        list.setFilter(filters.at(next++ % filters.size()));
        benchmark::DoNotOptimize(list.grossSum());
    }
}
BENCHMARK(BM_FilterDocuments)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_SortByRecipient(benchmark::State& state)
{
    RegisterList list = listOf(folderWith(static_cast<int>(state.range(0)), 10, 10));
    bool ascending = true;
    for (auto _ : state) {
        list.sortBy(SortColumn::Recipient, ascending);
        ascending = !ascending;
        benchmark::DoNotOptimize(list.at(0));
    }
}
BENCHMARK(BM_SortByRecipient)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The month's export from the tables, as the command line does it: the
// 10 000 rows of January among 20 000 (two months), or among 100 000 (ten
// months, the whole register of the list benchmarks). The command sets the allocator up for the
// export before it starts, and so does this, for the rest of the process:
// the list benchmarks above have run by then.
template <bool Pdf> void exportMonth(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const QString folder = folderWith(count, count / 10'000, 0);
    keepFreedMemoryForExport();
    const auto tables = readPostedTables(folder, {}, PostedParts::LedgerAndIssuers);
    const auto ledger = tables ? monthLedger(tables->ledger, {2026, 1})
                               : common::Result<MonthLedger>(tables.forward());
    if (!ledger || ledger->entries.size() != 10'000U) {
        state.SkipWithError("wrong ledger");
        return;
    }
    QTemporaryDir out;
    ExportRequest request{QStringLiteral("2026-01"), {}, {}};
    (Pdf ? request.pdfPath : request.csvPath) =
        out.filePath(Pdf ? QStringLiteral("r.pdf") : QStringLiteral("r.csv"));
    for (auto _ : state) {
        if (!runExport(request, folder)) {
            state.SkipWithError("not written");
        }
    }
}

void BM_ExportMonthCsv(benchmark::State& state)
{
    exportMonth<false>(state);
}
BENCHMARK(BM_ExportMonthCsv)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ExportMonthPdf(benchmark::State& state)
{
    exportMonth<true>(state);
}
BENCHMARK(BM_ExportMonthPdf)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kListOnce) == 0) {
        return listOnce(QString::fromLocal8Bit(argv[2]));
    }
    common::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
