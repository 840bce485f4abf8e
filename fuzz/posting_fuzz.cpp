// Any bytes as a posting request into fresh tables that already hold an
// invoice, a goods-issue note and goods of every kind of stock. Afterwards
// the tables are wholly posted (the record, its ledger row, the recipient's
// date, each goods' stock moved by what the posting took less what the
// replaced one had taken) or, after a refusal, byte for byte as they were.
#include "fuzz/fuzzapp.h"
#include "fuzz/fuzzcheck.h"
#include "kwitola/core/money.h"
#include "kwitola/core/posting.h"
#include "kwitola/core/tablestore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <map>

using namespace kwitola;

namespace {

const std::array<const char*, 6> kNames = {"Śruba", "Nakrętka", "Usługa", "Dziwny", "Brak", ""};
const std::array<const char*, 5> kStocks = {"100,00", "85,88", "", "dużo", nullptr};
const std::array<const char*, 8> kQuantities = {"1", "0,333", "1,125", "2,5",
                                                "x", "-1",    "0",     "1000000000000"};
const QString kEarlierDate = QStringLiteral("02-01-2000");
const QString kToday = QStringLiteral("05-03-2001");
constexpr RecordId kRecipient = 1;

StoredDocument earlierDocument(const QString& number, const QString& kind, const QString& date)
{
    StoredDocument d;
    d.Numer_faktury = number;
    d.kindName = kind;
    d.issueDate = date;
    d.lines.at(0) = {QStringLiteral("Śruba"), {}, {}, QStringLiteral("3"), {}, {}};
    d.lines.at(1) = {QStringLiteral("Nakrętka"), {}, {}, QStringLiteral("0,333"), {}, {}};
    return d;
}

// The tables every input starts from, made once.
const QTemporaryDir& templateFolder()
{
    static const QTemporaryDir folder;
    static const bool made = [] {
        TableStore store;
        store.setPassword(QString(kTablePassword));
        FUZZ_CHECK(store.open(folder.path()));
        Recipient r;
        r.Nazwa_firmy = QStringLiteral("Odbiorca");
        FUZZ_CHECK(store.insertRecord(r).ok());
        for (std::size_t i = 0; kStocks.at(i) != nullptr; ++i) {
            Goods g;
            g.Nazwa_towaru = QString::fromUtf8(kNames.at(i));
            g.Stan_poczatkowy = QString::fromUtf8(kStocks.at(i));
            FUZZ_CHECK(store.insertRecord(g).ok());
        }
        PostingRequest invoice;
        invoice.document =
            earlierDocument(QStringLiteral("1 FV"), QString(kInvoiceKindName), kEarlierDate);
        invoice.ledgerRow = LedgerRow{};
        invoice.ledgerRow->documentNumber = invoice.document.Numer_faktury;
        invoice.recipientId = kRecipient;
        FUZZ_CHECK(postDocument(store, invoice));
        PostingRequest note;
        note.document = earlierDocument(QStringLiteral("2"), QString(), kToday);
        note.recipientId = kRecipient;
        FUZZ_CHECK(postDocument(store, note));
        return true;
    }();
    (void)made;
    return folder;
}

std::map<QString, QByteArray> snapshot(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(folder).filePath(name));
        files[name] = file.open(QIODevice::ReadOnly)
                          ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                          : QByteArray("?");
    }
    return files;
}

Decimal sumOf(const StoredDocument& document, const QString& name, int* lines = nullptr)
{
    Decimal sum;
    for (const StoredLine& line : document.lines) {
        if (line.name == name) {
            sum = sum.plus(Decimal::parse(line.quantity).value_or(Decimal())).value_or(sum);
            if (lines) {
                ++*lines;
            }
        }
    }
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ensureCoreApplication();
    (void)templateFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t next = 0;
    const auto byte = [&]() -> unsigned {
        return next < size ? data[next++] : 0U;
    };

    const QTemporaryDir folder;
    for (const QString& name : QDir(templateFolder().path()).entryList(QDir::Files)) {
        FUZZ_CHECK(
            QFile::copy(QDir(templateFolder().path()).filePath(name), folder.filePath(name)));
    }
    TableStore store;
    store.setPassword(QString(kTablePassword));
    FUZZ_CHECK(store.open(folder.path()));

    // The request: kind, number, issue date, consent, recipient, lines.
    const unsigned kind = byte() % 3;
    const QString number = QString::number(1 + byte() % 3);
    const QString kindName = kind == 0   ? QString(kInvoiceKindName)
                             : kind == 1 ? QString(kBillKindName)
                                         : QString();
    PostingRequest request;
    request.document.Numer_faktury = number + (kind == 0   ? QString(kInvoiceSuffix)
                                               : kind == 1 ? QString(kBillSuffix)
                                                           : "");
    request.document.kindName = kindName;
    request.document.issueDate = (byte() & 1) != 0 ? kEarlierDate : kToday;
    const unsigned flags = byte();
    request.replaceOtherIssueDate = (flags & 1) != 0;
    request.recipientId = (flags & 2) != 0 ? 999 : kRecipient;
    const unsigned lines = byte() % 16;
    for (unsigned i = 0; i < lines; ++i) {
        StoredLine& line = request.document.lines.at(i);
        line.name = QString::fromUtf8(kNames.at(byte() % kNames.size()));
        line.quantity = QString::fromUtf8(kQuantities.at(byte() % kQuantities.size()));
    }
    request.replaces = kind == 2 ? goodsIssuePostings(number) : invoiceOrBillPostings(number);
    if (kind != 2) {
        request.ledgerRow = LedgerRow{};
        request.ledgerRow->documentNumber = request.document.Numer_faktury;
    }

    const auto earlier = earlierPostings(store, request);
    FUZZ_CHECK(earlier.ok());
    const auto goodsBefore = store.all<Goods>();
    FUZZ_CHECK(goodsBefore.ok());
    const auto before = snapshot(folder.path());
    if (!postDocument(store, request)) {
        FUZZ_CHECK(snapshot(folder.path()) == before);
        return 0;
    }

    // Posted whole: the record once, the replaced ones gone, the ledger row.
    int records = 0;
    for (const StoredDocument& d : *store.all<StoredDocument>()) {
        records += d.Numer_faktury == request.document.Numer_faktury && d.kindName == kindName;
        // A replaced posting of another number or kind is gone.
        for (const StoredDocument& replaced : *earlier) {
            const bool same = replaced.Numer_faktury == request.document.Numer_faktury &&
                              replaced.kindName == kindName;
            FUZZ_CHECK(same || d.Numer_faktury != replaced.Numer_faktury ||
                       d.kindName != replaced.kindName);
        }
    }
    FUZZ_CHECK(records == 1);
    int ledgerRows = 0;
    for (const LedgerRow& row : *store.all<LedgerRow>()) {
        ledgerRows += row.documentNumber == request.document.Numer_faktury;
        for (const StoredDocument& replaced : *earlier) {
            FUZZ_CHECK(replaced.kindName.isEmpty() ||
                       replaced.Numer_faktury == request.document.Numer_faktury ||
                       row.documentNumber != replaced.Numer_faktury);
        }
    }
    FUZZ_CHECK(ledgerRows == (request.ledgerRow ? 1 : 0));
    FUZZ_CHECK((*store.get<Recipient>(kRecipient))->Ostatnia_transakcja ==
               request.document.issueDate);
    // Each goods kept in stock moved by the difference, within a rounding
    // to hundredths per line it has on the new document (and one more).
    for (const Goods& goods : *goodsBefore) {
        const Goods after = **store.get<Goods>(goods.id);
        const auto stock = Decimal::parse(goods.Stan_poczatkowy);
        if (!stock) {
            FUZZ_CHECK(after.Stan_poczatkowy == goods.Stan_poczatkowy);
            continue;
        }
        Decimal expected = *stock;
        for (const StoredDocument& replaced : *earlier) {
            expected = *expected.plus(sumOf(replaced, goods.Nazwa_towaru));
        }
        int lineCount = 0;
        expected = *expected.minus(sumOf(request.document, goods.Nazwa_towaru, &lineCount));
        const auto moved = Decimal::parse(after.Stan_poczatkowy);
        FUZZ_CHECK(moved);
        const Decimal slack = Decimal::fromUnits(Decimal::kOne / 200 * (lineCount + 1));
        const Decimal difference = *moved->minus(expected);
        FUZZ_CHECK(difference <= slack && *Decimal().minus(difference) <= slack);
    }
    return 0;
}
