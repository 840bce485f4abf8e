#include "kwitola/core/parties.h"
#include "kwitola/core/printjob.h"
#include "kwitola/core/salesdocument.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <tuple>

using namespace kwitola;

namespace {

class PrintJobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto& [name, price, rate, quantity] :
             {std::tuple{"Śruba M8", "10,00", "22", "3"}, std::tuple{"Nakrętka", "1,50", "7", "10"},
              std::tuple{"Montaż", "200,00", "zw.", "1"}}) {
            Goods goods;
            goods.Nazwa_towaru = QString::fromUtf8(name);
            goods.Cena_jednostkowa_netto = QString::fromLatin1(price);
            goods.Stawka_vat = QString::fromLatin1(rate);
            goods.Jednostka_miary = QStringLiteral("szt.");
            ASSERT_TRUE(document.loadGoods(goods));
            ASSERT_FALSE(document.add(QString::fromLatin1(quantity)));
        }
        ASSERT_TRUE(document.refreshAmountInWords());
        Issuer issuer;
        issuer.Nazwa_firmy = QStringLiteral("Hurtownia");
        issuer.Bank = QStringLiteral("PKO");
        parties.issuer = issuer;
        Recipient recipient;
        recipient.id = 7;
        recipient.Nazwa_firmy = QStringLiteral("Sklep");
        recipient.Miejscowosc = QStringLiteral("Gdynia");
        recipient.Telefon_firmy = QStringLiteral("58 000");
        parties.recipient = recipient;
        settings.placeOfIssue = QStringLiteral("Gdańsk");
        settings.automaticNumbering = true;
        fields.header.dateParts = {
            QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2001"),
            QStringLiteral("06"), QStringLiteral("03"), QStringLiteral("2001"),
            QStringLiteral("-"),  QStringLiteral("-"),  QStringLiteral("-")};
        fields.header.number = QStringLiteral("12/2001");
        fields.header.paymentWay = QStringLiteral("gotówka");
        fields.issuerEntry = QStringLiteral("Hurtownia");
        fields.recipientEntry = QStringLiteral("Sklep");
    }

    PrintJob jobOfKind(int index) const
    {
        return printJob(document, parties, settings, documentKind(index), fields);
    }

    SalesDocument document;
    Parties parties;
    Settings settings;
    DocumentFields fields;
};

TEST_F(PrintJobTest, AVatInvoiceCarriesItsPageAndItsPosting)
{
    const PrintJob job = jobOfKind(0);
    EXPECT_EQ(job.page.title, QStringLiteral("Faktura VAT nr 12/2001 FV"));
    EXPECT_EQ(job.totalToPay, QStringLiteral("252,65"));
    EXPECT_EQ(job.page.lines.size(), 3U);
    EXPECT_EQ(job.page.rate7.vat, QStringLiteral("1,05"));
    EXPECT_EQ(job.page.deliveryDate.joined(), QStringLiteral("06-03-2001"));
    EXPECT_EQ(job.page.advanceDate.joined(), QStringLiteral("-----"));
    EXPECT_EQ(job.page.grosze, QStringLiteral("65/100"));
    EXPECT_EQ(job.postingStep, Posting::AfterQuestion);
    EXPECT_TRUE(job.advancesCounter && job.automaticNumbering);

    ASSERT_TRUE(job.posting);
    const StoredDocument& stored = job.posting->document;
    EXPECT_EQ(stored.Numer_faktury, QStringLiteral("12/2001 FV"));
    EXPECT_EQ(stored.kindName, QStringLiteral("Faktura VAT"));
    EXPECT_EQ(stored.issueDate, QStringLiteral("05-03-2001"));
    EXPECT_EQ(stored.lines[2].name, QStringLiteral("Montaż"));
    EXPECT_EQ(stored.lines[2].vatRate, QStringLiteral("zw."));
    EXPECT_EQ(stored.lines[3].name, QString());
    ASSERT_TRUE(job.posting->ledgerRow);
    EXPECT_EQ(job.posting->ledgerRow->grossTotal, QStringLiteral("252,65"));
    EXPECT_EQ(job.posting->ledgerRow->netExempt, QStringLiteral("200,00"));
    EXPECT_EQ(job.posting->ledgerRow->recipientPhone, QStringLiteral("58 000"));
    EXPECT_EQ(job.posting->recipientId, 7);
    EXPECT_EQ(job.posting->replaces.size(), 2U);
}

TEST_F(PrintJobTest, ARateTheDocumentDoesNotUsePrintsMoneyAndPostsAsHeld)
{
    // The document has no line at 0 %: its totals are held as "0".
    const PrintJob job = jobOfKind(0);
    ASSERT_EQ(job.page.rate0.net, QStringLiteral("0"));
    const common::Page page = invoicePrintout(job.page);
    for (const char* cell : {"totalNet.0", "totalVat.0", "totalGross.0", "totalVat.zw"}) {
        const common::PageElement* e = page.find(QString::fromLatin1(cell));
        ASSERT_NE(e, nullptr) << cell;
        EXPECT_EQ(e->text, QStringLiteral("0,00")) << cell;
    }
    ASSERT_TRUE(job.posting && job.posting->ledgerRow);
    EXPECT_EQ(job.posting->ledgerRow->net0, QStringLiteral("0"));
}

TEST_F(PrintJobTest, EachKindPostsAsItsRowSays)
{
    struct Expected
    {
        int kind;
        const char* stored; // nullptr: never posted
        bool ledger;
        Posting step;
    };
    const Expected kinds[] = {
        {1, "12/2001 RU", true, Posting::AfterQuestion},
        {2, nullptr, false, Posting::Never},
        {3, nullptr, false, Posting::Never},
        {4, "12/2001", false, Posting::Always},
    };
    for (const Expected& e : kinds) {
        const PrintJob job = jobOfKind(e.kind);
        EXPECT_EQ(job.postingStep, e.step) << e.kind;
        ASSERT_EQ(job.posting.has_value(), e.stored != nullptr) << e.kind;
        if (job.posting) {
            EXPECT_EQ(job.posting->document.Numer_faktury, QString::fromLatin1(e.stored));
            EXPECT_EQ(job.posting->ledgerRow.has_value(), e.ledger);
        }
    }
    // A goods-issue note looks for an earlier note of the bare number only.
    const auto replaces = jobOfKind(4).posting->replaces;
    ASSERT_EQ(replaces.size(), 1U);
    EXPECT_EQ(replaces[0].storedNumber, QStringLiteral("12/2001"));
    EXPECT_EQ(replaces[0].kindName, QString());
}

TEST_F(PrintJobTest, RefusalsConfirmationAndMarks)
{
    PrintJob job = jobOfKind(0);
    EXPECT_TRUE(checkPrintable(job));
    EXPECT_EQ(printConfirmation(job).split(QLatin1Char('\r')).size(), 4);
    EXPECT_TRUE(printConfirmation(job).endsWith(QStringLiteral("Forma płatności : gotówka.")));
    job.issuerEntry.clear();
    job.recipientEntry.clear();
    EXPECT_EQ(checkPrintable(job).error(), QStringLiteral("Nie wybrano wystawcy dokumentu."));
    EXPECT_EQ(copyMarks(3), (QStringList{QStringLiteral("ORYGINAŁ"), QStringLiteral("KOPIA"),
                                         QStringLiteral("KOPIA")}));
    EXPECT_EQ(previewMark(3), QStringLiteral("ORYGINAŁ"));
    EXPECT_EQ(copyMarks(1), QStringList{QStringLiteral("ORYGINAŁ / KOPIA")});
}

} // namespace
