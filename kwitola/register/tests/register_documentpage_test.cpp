#include "common/printing/pagerenderer.h"
#include "common/testsupport/textink.h"
#include "kwitola/core/invoiceprintout.h"
#include "kwitola/core/tablerecords.h"
#include "kwitola/register/core/documentpage.h"
#include "kwitola/register/tests/registertestfolder.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace kwitola;
using namespace kwitola::registry;

namespace {

StoredDocument invoice()
{
    test::Posted p{QStringLiteral("7/2026 FV"),
                   QStringLiteral("Faktura VAT"),
                   QStringLiteral("05"),
                   QStringLiteral("03"),
                   QStringLiteral("2026"),
                   QStringLiteral("Hurtownia Łoś"),
                   {{QStringLiteral("Śruba M8"), QStringLiteral("3"), QStringLiteral("0,35"),
                     QStringLiteral("22")},
                    {QStringLiteral("Usługa montażu"), QStringLiteral("1"), QStringLiteral("10,00"),
                     QStringLiteral("zw.")}},
                   {}};
    StoredDocument d = test::storedDocument(p);
    d.deliveryDate = QStringLiteral("06-03-2026");
    d.advanceDate = QStringLiteral("-");
    return d;
}

QString text(const common::Page& page, const char* name)
{
    const common::PageElement* element = page.find(QString::fromLatin1(name));
    return element ? element->text : QStringLiteral("<brak>");
}

TEST(ReconstructedPage, isHeadedAsSuchAndTotalsTheStoredLinesWithTodaysIssuer)
{
    Issuer seller;
    seller.Nazwa_firmy = QStringLiteral("Firma Sprzedawca sp. z o.o.");
    const auto page = reconstructedPage(invoice(), &seller);
    ASSERT_TRUE(page.ok()) << page.error().toStdString();
    EXPECT_EQ(text(*page, documentpage::kReconstruction),
              QStringLiteral("Odtworzone z zapisu w tabelach"));
    EXPECT_EQ(text(*page, invoiceprint::kTitle), QStringLiteral("Faktura VAT nr 7/2026 FV"));
    EXPECT_TRUE(text(*page, invoiceprint::kSeller).contains(seller.Nazwa_firmy));
    EXPECT_TRUE(text(*page, invoiceprint::kBuyer).contains(QStringLiteral("Hurtownia Łoś")));
    EXPECT_EQ(text(*page, invoiceprint::kIssueDate), QStringLiteral("05-03-2026"));
    EXPECT_EQ(text(*page, invoiceprint::kDeliveryDate), QStringLiteral("06-03-2026"));
    // 1,05 net at 22% gives 0,23 VAT; with 10,00 exempt the total is 11,28.
    EXPECT_TRUE(text(*page, invoiceprint::kAmountToPay).contains(QStringLiteral("11,28")))
        << text(*page, invoiceprint::kAmountToPay).toStdString();
    EXPECT_EQ(text(*page, "gross.1"), QStringLiteral("1,28"));
    EXPECT_TRUE(common::testing::cutTexts(*page, 1600).isEmpty())
        << common::testing::cutTexts(*page, 1600).join(u'\n').toStdString();

    StoredDocument wz = invoice();
    wz.kindName.clear();
    wz.Numer_faktury = QStringLiteral("7/2026");
    EXPECT_EQ(text(*reconstructedPage(wz, nullptr), invoiceprint::kTitle),
              QStringLiteral("Dokument WZ"));
    StoredDocument broken = invoice();
    broken.lines.at(1).quantity = QStringLiteral("jeden");
    const auto refused = reconstructedPage(broken, nullptr);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error().contains(QStringLiteral("Usługa montażu")));
}

TEST(DuplicatePage, equalsThePrintedPageButForTheMarkAndTheDuplicateDateLine)
{
    auto printed = reconstructedPage(invoice(), nullptr).value();
    for (common::PageElement& e : printed.elements) {
        if (e.name == QLatin1String(invoiceprint::kCopyMark)) {
            e.text = QStringLiteral("ORYGINAŁ");
        }
    }
    const common::Page duplicate = duplicatePage(printed, QDate(2026, 12, 8));
    ASSERT_EQ(duplicate.elements.size(), printed.elements.size() + 1);
    for (std::size_t i = 0; i < printed.elements.size(); ++i) {
        common::PageElement expected = printed.elements.at(i);
        if (expected.name == QLatin1String(invoiceprint::kCopyMark)) {
            expected.text = QStringLiteral("DUPLIKAT");
        }
        EXPECT_TRUE(duplicate.elements.at(i) == expected) << expected.name.toStdString();
    }
    const common::PageElement& line = duplicate.elements.back();
    EXPECT_EQ(line.name, QLatin1String(documentpage::kDuplicateDate));
    EXPECT_EQ(line.text, QStringLiteral("Data wystawienia duplikatu: 08-12-2026"));
    // Below the last of the dates, clear of the title and of the mark.
    for (const char* other : {invoiceprint::kTitle, invoiceprint::kCopyMark}) {
        EXPECT_FALSE(line.rect.intersects(duplicate.find(QString::fromLatin1(other))->rect))
            << other;
    }
    EXPECT_GT(line.rect.top(),
              duplicate.find(QString::fromLatin1(invoiceprint::kAdvanceDate))->rect.bottom());
    EXPECT_TRUE(common::testing::cutTexts(duplicate, 1600).isEmpty())
        << common::testing::cutTexts(duplicate, 1600).join(u'\n').toStdString();
    EXPECT_EQ(duplicatePage(duplicate, QDate(2026, 12, 8)).elements.size(),
              duplicate.elements.size() + 1);
}

} // namespace
