// The page of a 15-line document: the page model alone, and the model drawn
// onto an A4 image at 150 dots per inch. Run with QT_QPA_PLATFORM=offscreen.
#include "common/core/pagemodel.h"
#include "common/printing/pagerenderer.h"
#include "kwitola/core/invoiceprintout.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

using namespace kwitola;

namespace {

InvoicePrintInput fifteenLines()
{
    InvoicePrintInput in;
    in.title = QStringLiteral("Faktura VAT nr 1234/2001 FV");
    in.issueDate = {QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2001")};
    in.deliveryDate = in.issueDate;
    in.seller = {QStringLiteral("Hurtownia Bałtyk Sp. z o.o."),
                 QStringLiteral("ul. Długa 12"),
                 QStringLiteral("80-827"),
                 QStringLiteral("Gdańsk"),
                 QStringLiteral("583-000-11-22"),
                 QStringLiteral("190000001"),
                 QStringLiteral("58 301 22 33"),
                 QStringLiteral("Anna Nowak"),
                 QStringLiteral("Bank Gdański S.A."),
                 QStringLiteral("12 1020 1811 0000 0000 0000 1234")};
    in.buyer = {QStringLiteral("Sklep Żagiel"),  QStringLiteral("ul. Portowa 3"),
                QStringLiteral("81-300"),        QStringLiteral("Gdynia"),
                QStringLiteral("586-111-22-33"), QStringLiteral("Jan Kowalski")};
    for (int i = 1; i <= 15; ++i) {
        in.lines.push_back({QStringLiteral("Towar handlowy o dość długiej nazwie numer %1 z "
                                           "opisem, który nie mieści się w jednym wierszu")
                                .arg(i),
                            QStringLiteral("25.11"), QStringLiteral("szt."), QStringLiteral("3"),
                            QStringLiteral("10,00"), QStringLiteral("30,00"), QStringLiteral("22"),
                            QStringLiteral("6,60"), QStringLiteral("36,60")});
    }
    in.document = {QStringLiteral("450,00"), QStringLiteral("99,00"), QStringLiteral("549,00")};
    in.rate22 = in.document;
    in.amountInWords = QStringLiteral("pięćset czterdzieści dziewięć");
    in.grosze = QStringLiteral("00/100");
    in.paymentWay = QStringLiteral("przelew 14 dni");
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
