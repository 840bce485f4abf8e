// The page of a 15-line document: the page model alone, and the model drawn
// onto an A4 image at 150 dots per inch. Run with QT_QPA_PLATFORM=offscreen.
#include "bench/kwitola/benchtables.h"
#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "kwitola/core/invoiceprintout.h"
#include "kwitola/testsupport/printsample.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

using namespace kwitola;

namespace {

InvoicePrintInput fifteenLines()
{
    InvoicePrintInput in = testing::gdanskInvoice(QStringLiteral("Faktura VAT nr 1234/2001 FV"));
    for (int i = 1; i <= 15; ++i) {
        in.lines.push_back(testing::threePiecesLine(
            QStringLiteral("Towar handlowy o dość długiej nazwie numer %1 z "
                           "opisem, który nie mieści się w jednym wierszu")
                .arg(i)));
    }
    in.document = {QStringLiteral("450,00"), QStringLiteral("99,00"), QStringLiteral("549,00")};
    in.rate22 = in.document;
    in.amountInWords = QStringLiteral("pięćset czterdzieści dziewięć");
    in.grosze = QStringLiteral("00/100");
    in.copyMark = QStringLiteral("ORYGINAŁ");
    return in;
}

void BM_PageModel(benchmark::State& state)
{
    const InvoicePrintInput input = fifteenLines();
    for (auto _ : state) {
        benchmark::DoNotOptimize(invoicePrintout(input));
    }
}
BENCHMARK(BM_PageModel)->Unit(benchmark::kMicrosecond);

void BM_PageModelAndRender(benchmark::State& state)
{
    const InvoicePrintInput input = fifteenLines();
    // A4 at 150 dots per inch.
    constexpr int kPixelWidth = 1240;
    for (auto _ : state) {
        const common::Page page = invoicePrintout(input);
        benchmark::DoNotOptimize(common::renderPageToImage(page, kPixelWidth));
    }
}
BENCHMARK(BM_PageModelAndRender)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    common::installFontSubstitutes();
    return kwitola::bench::runBenchmarks(argc, argv);
}
