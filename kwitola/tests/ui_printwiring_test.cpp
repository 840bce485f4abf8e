#include "kwitola/core/salesdocument.h"
#include "kwitola/tests/kwitolawindowsfixture.h"
#include "kwitola/ui/printcontroller.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace kwitola;

namespace {

class PrintWiring : public kwitola::testing::WindowsTest
{
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        fillTables();
        writeFile(QStringLiteral("faktura.kfx"),
                  "open\r\n\r\n\r\n12\r\n/2001\r\nopen\r\nMiasto\r\nclose\r\n\r\n\r\n");
        start();
        // Two shovels, typed into the main window as a user would.
        auto* goods = control<QComboBox>("lista_towarow");
        const int shovel = goods->findText(QStringLiteral("Łopata"), Qt::MatchStartsWith);
        ASSERT_GE(shovel, 0);
        goods->setCurrentIndex(shovel);
        control<QLineEdit>("Edit1")->setText(QStringLiteral("2"));
        control<QPushButton>("b_dodaj_do_faktury")->click();
        ASSERT_EQ(faktura().document().lines().size(), 1U);
    }
};

// The main window's values, the settings and the tables meet in one print:
// two copies after the preview, the document posted and the number stepped.
TEST_F(PrintWiring, DrukujDwaPrintsPostsAndAdvancesTheNumber)
{
    ASSERT_TRUE(faktura().isStarted());
    control<QComboBox>("Druk")->setCurrentIndex(0);
    m_messages.clear();
    control<QPushButton>("Button2")->click();

    EXPECT_EQ(m_preview.pages.size(), 1U);
    ASSERT_EQ(m_printer.jobs().size(), 1U);
    const auto& pages = m_printer.last().pages;
    ASSERT_EQ(pages.size(), 2U);
    const QString title = QStringLiteral("Faktura VAT nr 12/2001 FV");
    EXPECT_EQ(pages[0].find(QString::fromLatin1(invoiceprint::kTitle))->text, title);
    EXPECT_EQ(pages[0].find(QString::fromLatin1(invoiceprint::kIssueDate))->text,
              QStringLiteral("05-03-2001"));
    EXPECT_EQ(pages[0].find(QString::fromLatin1(invoiceprint::kPlaceOfIssue))->text,
              QStringLiteral("Miasto"));
    EXPECT_EQ(pages[1].find(cellName("name", 1))->text, QStringLiteral("Łopata"));
    ASSERT_FALSE(m_messages.messages().empty());
    EXPECT_TRUE(m_messages.messages()[0].text.contains(QStringLiteral("Dokument : ") + title));

    const auto stored = m_store.all<StoredDocument>();
    ASSERT_TRUE(stored.ok());
    ASSERT_EQ(stored->size(), 1U);
    EXPECT_EQ(stored->front().Numer_faktury, QStringLiteral("12/2001 FV"));
    EXPECT_EQ(*m_store.count(Table::Sprzedaz), 1);
    EXPECT_TRUE(readFile(QStringLiteral("faktura.kfx")).contains("\r\n13\r\n"));
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("13/2001"));
}

} // namespace
