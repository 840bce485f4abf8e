// One posting of a VAT invoice that replaces its earlier posting (record,
// ledger row and stock given back), on tables already holding `count`
// documents and ledger rows. Each run commits to disk, as the program does.
#include "bench/kwitola/benchtables.h"
#include "kwitola/core/posting.h"
#include "kwitola/core/tablestore.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace kwitola;

namespace {

const QStringList kGoods = {QStringLiteral("Śruba M8"), QStringLiteral("Nakrętka M8"),
                            QStringLiteral("Podkładka 8 mm")};

PostingRequest invoiceRequest(const QString& number, RecordId recipient)
{
    PostingRequest r;
    r.document.Numer_faktury = number + kInvoiceSuffix;
    r.document.kindName = kInvoiceKindName;
    r.document.issueDate = QStringLiteral("05-03-2001");
    r.document.recipientName = QStringLiteral("Przedsiębiorstwo Handlowe");
    for (qsizetype i = 0; i < kGoods.size(); ++i) {
        StoredLine& line = r.document.lines.at(static_cast<std::size_t>(i));
        line.name = kGoods.at(i);
        line.quantity = QStringLiteral("2");
        line.unitNetPrice = QStringLiteral("12,50");
        line.vatRate = QStringLiteral("22");
    }
    LedgerRow row;
    row.documentNumber = r.document.Numer_faktury;
    row.grossTotal = QStringLiteral("91,50");
    r.ledgerRow = row;
    r.recipientId = recipient;
    r.recipientPhone = QStringLiteral("68 325 71 60");
    r.replaces = invoiceOrBillPostings(number);
    return r;
}

// A folder with one recipient, the goods, and `count` posted documents with
// their ledger rows; made once per size and kept for the run.
QString folderWith(int count)
{
    return bench::preparedFolder(
        QStringLiteral("postings/%1").arg(count), [count](TableStore& store) -> Result<void> {
            Recipient recipient;
            recipient.Nazwa_firmy = QStringLiteral("Przedsiębiorstwo Handlowe");
            if (auto id = store.insertRecord(recipient); !id) {
                return id.forward();
            }
            for (const QString& name : kGoods) {
                Goods goods;
                goods.Nazwa_towaru = name;
                goods.Stan_poczatkowy = QStringLiteral("1000000,00");
                if (auto id = store.insertRecord(goods); !id) {
                    return id.forward();
                }
            }
            for (int i = 0; i < count; ++i) {
                const PostingRequest r = invoiceRequest(QStringLiteral("%1/2001").arg(i), 1);
                if (auto id = store.insertRecord(r.document); !id) {
                    return id.forward();
                }
                if (auto id = store.insertRecord(*r.ledgerRow); !id) {
                    return id.forward();
                }
            }
            return {};
        });
}

void BM_Repost(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const QString folder = folderWith(count);
    TableStore store;
    store.setPassword(QString(kTablePassword));
    if (folder.isEmpty() || !store.open(folder)) {
        state.SkipWithError("the tables could not be prepared");
        return;
    }
    // The number of a document in the middle of the table.
    const PostingRequest request = invoiceRequest(QStringLiteral("%1/2001").arg(count / 2), 1);
    for (auto _ : state) {
        if (const auto posted = postDocument(store, request); !posted) {
            state.SkipWithError(posted.error().toStdString().c_str());
            return;
        }
    }
    state.counters["documents"] = count;
    state.SetComplexityN(count);
}

BENCHMARK(BM_Repost)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oLogN);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return kwitola::bench::runBenchmarks(argc, argv);
}
