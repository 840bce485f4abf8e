#include "kwitola/core/documentkinds.h"
#include "kwitola/core/salesdocument.h"
#include "kwitola/core/settingsfile.h"
#include "kwitola/tests/kwitolawindowsfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kwitola::testing {
namespace {

class DocumentTest : public WindowsTest
{
protected:
    // Młotek at 22 % comes from fillTables; one goods at each other rate.
    void fillGoodsAtEveryRate()
    {
        fillTables();
        insertGoods({
            {"Farba", "F-1", "szt.", "10,00", "7"},
            {"Książka", "K-1", "szt.", "25,00", "0"},
            {"Usługa", "U-1", "szt.", "100,00", "zw."},
        });
    }

    void choose(const char* entry)
    {
        auto* list = control<QComboBox>("lista_towarow");
        const int index = list->findText(QString::fromUtf8(entry));
        ASSERT_GE(index, 0) << entry;
        list->setCurrentIndex(index);
    }

    void typeQuantity(const char* quantity)
    {
        auto* edit = control<QLineEdit>("Edit1");
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(quantity));
    }

    void addLine(const char* entry, const char* quantity)
    {
        choose(entry);
        typeQuantity(quantity);
        control<QPushButton>("b_dodaj_do_faktury")->click();
    }

    void clickLine(int row)
    {
        auto* memo = control<QListWidget>("Memo1");
        const QRect place = memo->visualItemRect(memo->item(row));
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, place.center());
    }

    QStringList column(int number) const
    {
        const auto* memo =
            control<QListWidget>(QStringLiteral("Memo%1").arg(number).toLatin1().constData());
        QStringList texts;
        for (int i = 0; i < memo->count(); ++i) {
            texts << memo->item(i)->text();
        }
        return texts;
    }

    QString text(const char* edit) const { return control<QLineEdit>(edit)->text(); }
};

TEST_F(DocumentTest, DocumentAtEveryRateShowsItsLinesTotalAndWords)
{
    fillGoodsAtEveryRate();
    start();
    choose("Młotek  M-2");
    EXPECT_EQ(text("Edit1"), QStringLiteral("1"));
    EXPECT_EQ(text("Edit2"), QStringLiteral("24,50"));
    EXPECT_EQ(text("Edit3"), QStringLiteral("24,50"));
    EXPECT_EQ(text("Edit4"), QStringLiteral("5,39"));
    typeQuantity("2");
    EXPECT_EQ(text("Edit3"), QStringLiteral("49,00"));
    EXPECT_EQ(text("Edit4"), QStringLiteral("10,78"));
    control<QPushButton>("b_dodaj_do_faktury")->click();
    EXPECT_EQ(text("Edit1"), QString());
    addLine("Farba  F-1", "3");
    addLine("Książka  K-1", "1");
    addLine("Usługa  U-1", "1,5");
    EXPECT_TRUE(m_messages.empty());

    EXPECT_EQ(column(1), QStringList({"Młotek", "Farba", "Książka", "Usługa"}));
    EXPECT_EQ(column(2), QStringList({"szt.", "szt.", "szt.", "szt."}));
    EXPECT_EQ(column(3), QStringList({"2", "3", "1", "1,5"}));
    EXPECT_EQ(column(4), QStringList({"59,78", "32,10", "25,00", "150,00"}));
    EXPECT_EQ(text("Edit5"), QStringLiteral("266,88"));

    const SalesDocument& document = faktura().document();
    EXPECT_EQ(document.groupTotals(RateGroup::Seven).vat, QStringLiteral("2,10"));
    EXPECT_EQ(document.documentTotals().net, QStringLiteral("254,00"));
    EXPECT_EQ(document.documentTotals().vat, QStringLiteral("12,88"));
    EXPECT_EQ(document.amountInWords().slownie_zlotych,
              QStringLiteral("dwieście sześćdziesiąt sześć"));
    EXPECT_EQ(document.amountInWords().groszy, QStringLiteral("88/100"));
}

TEST_F(DocumentTest, SelectedLineIsReducedOrRemovedWithItsOwnValues)
{
    fillGoodsAtEveryRate();
    start();
    addLine("Farba  F-1", "3");
    addLine("Młotek  M-2", "1");
    auto* remove = control<QPushButton>("Button5");
    EXPECT_FALSE(remove->isEnabled());

    clickLine(0);
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_EQ(text("Edit1"), QString());
    EXPECT_EQ(text("Edit2"), QStringLiteral("10,00"));
    typeQuantity("4");
    remove->click();
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("Ilość towaru zaznaczonego do usunięcia jest większa od ilości na "
                             "fakturze. Proszę to skorygować."));
    EXPECT_EQ(text("Edit1"), QString());
    EXPECT_EQ(column(3), QStringList({"3", "1"}));

    typeQuantity("1");
    remove->click();
    EXPECT_EQ(column(3), QStringList({"2,00", "1"}));
    EXPECT_EQ(column(4), QStringList({"21,40", "29,89"}));
    EXPECT_EQ(text("Edit5"), QStringLiteral("51,29"));
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_EQ(control<QComboBox>("lista_towarow")->currentIndex(), -1);
    EXPECT_EQ(faktura().document().amountInWords().zlotych, QStringLiteral("51"));

    // The rest of the line goes whole after the question.
    clickLine(0);
    typeQuantity("2");
    m_messages.queueAnswer(common::MessageAnswer::Yes);
    remove->click();
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Czy usunąć Farba z faktury?"));
    EXPECT_EQ(column(1), QStringList({"Młotek"}));
    EXPECT_EQ(text("Edit5"), QStringLiteral("29,89"));
}

TEST_F(DocumentTest, RefusedLinesAreToldAndLeaveTheDocumentAsItWas)
{
    fillGoodsAtEveryRate();
    start();
    const struct
    {
        const char* quantity;
        const char* message;
        const char* focus;
    } cases[] = {
        {"", "Proszę podać żądaną ilość.", "Edit1"},
        {"0", "Ilość musi być liczbą większą od zera.", "Edit1"},
        {"abc", "Ilość musi być liczbą większą od zera.", "Edit1"},
    };
    faktura().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&faktura()));
    for (const auto& c : cases) {
        m_messages.clear();
        addLine("Farba  F-1", c.quantity);
        ASSERT_EQ(m_messages.messages().size(), 1u) << c.quantity;
        EXPECT_EQ(m_messages.last().text.toStdString(), c.message);
        EXPECT_EQ(m_messages.last().title, QStringLiteral("Kwitola®"));
        EXPECT_EQ(m_messages.last().icon, common::MessageIcon::Exclamation);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), c.focus);
    }
    EXPECT_TRUE(column(1).isEmpty());
    EXPECT_EQ(text("Edit5"), QStringLiteral("0,00"));

    for (int i = 0; i < kMaxDocumentLines; ++i) {
        addLine("Książka  K-1", "1");
    }
    m_messages.clear();
    addLine("Książka  K-1", "1");
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("Na jednej fakturze może być max. 15 pozycji."));
    EXPECT_EQ(column(1).size(), 15);

    m_messages.queueAnswer(common::MessageAnswer::No);
    control<QPushButton>("Button7")->click();
    EXPECT_EQ(column(1).size(), 15);
    m_messages.queueAnswer(common::MessageAnswer::Yes);
    control<QPushButton>("Button7")->click();
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("Zostaną usunięte wszystkie pozycje z faktury. Czy kontynuować ?"));
    EXPECT_TRUE(column(1).isEmpty());
    EXPECT_EQ(text("Edit5"), QStringLiteral("0,00"));
    m_messages.clear();
    control<QPushButton>("b_dodaj_do_faktury")->click();
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Nie wybrano towaru."));
}

TEST_F(DocumentTest, NumberStepsAreSavedAndShown)
{
    writeFile(QStringLiteral("faktura.kfx"),
              "open\r\n\r\n\r\n12\r\n/2001\r\nclose\r\n\r\nclose\r\n\r\n\r\n");
    start();
    EXPECT_EQ(text("Edit6"), QStringLiteral("12/2001"));
    control<QPushButton>("Button8")->click();
    EXPECT_EQ(text("Edit6"), QStringLiteral("13/2001"));
    EXPECT_EQ(readSettingsFile(filePath(QStringLiteral("faktura.kfx"))).value().numberPart,
              QStringLiteral("13"));
    control<QPushButton>("Button9")->click();
    control<QPushButton>("Button9")->click();
    EXPECT_EQ(text("Edit6"), QStringLiteral("11/2001"));
    EXPECT_TRUE(m_messages.empty());
    // Printing and posting read the kind and the number from the window.
    control<QComboBox>("Druk")->setCurrentIndex(1);
    EXPECT_EQ(documentTitle(faktura().documentKind(), faktura().documentNumberText()),
              QStringLiteral("Rachunek Uproszczony nr 11/2001 RU"));

    // A counter that is no whole number is not stepped and not saved.
    const QByteArray before = "close\r\n\r\n\r\n1a\r\n/X\r\nclose\r\n\r\nclose\r\n\r\n\r\n";
    Settings broken;
    broken.numberPart = QStringLiteral("1a");
    broken.numberSuffix = QStringLiteral("/X");
    faktura().showSettings(broken);
    writeFile(QStringLiteral("faktura.kfx"), before);
    control<QPushButton>("Button8")->click();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("1a")));
    EXPECT_EQ(text("Edit6"), QStringLiteral("1a/X"));
    EXPECT_EQ(readFile(QStringLiteral("faktura.kfx")), before);
}

} // namespace
} // namespace kwitola::testing
