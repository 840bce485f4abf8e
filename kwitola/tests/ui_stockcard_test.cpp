#include "kwitola/tests/kwitolawindowsfixture.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/tfmagazyn.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace kwitola::testing {
namespace {

class StockCardTest : public WindowsTest
{
protected:
    ui::TfMagazyn& card() const { return m_windows->magazyn(); }

    template <typename Widget> Widget* field(const char* name) const
    {
        auto* widget = card().findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString text(const char* name) const { return field<QLineEdit>(name)->text(); }

    void type(const char* name, const char* typed)
    {
        auto* edit = field<QLineEdit>(name);
        edit->setFocus();
        edit->clear();
        const QString text = QString::fromUtf8(typed);
        // Key events carry ASCII only; other letters are pasted.
        if (std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() < 128; })) {
            QTest::keyClicks(edit, text);
        } else {
            edit->insert(text);
        }
    }

    void typeRate(const char* typed)
    {
        auto* rate = field<QComboBox>("Edit6");
        rate->setFocus();
        rate->lineEdit()->clear();
        QTest::keyClicks(rate->lineEdit(), QString::fromUtf8(typed));
    }

    // Clicks a main-window button that opens the card modally and acts on
    // the card while it is open; the card is closed if the action leaves it.
    void withCardFrom(const char* button, const std::function<void()>& act)
    {
        QTimer::singleShot(0, [this, act] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&card()));
            act();
            if (card().isVisible()) {
                card().reject();
            }
        });
        control<QPushButton>(button)->click();
    }
};

TEST_F(StockCardTest, PricesConvertWhileTypingAndAreNormalisedOnLeaving)
{
    start();
    card().prepareNew();
    card().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&card()));
    // The conversions themselves are tested without the window; here the
    // keys that trigger them.
    typeRate("7");
    type("Edit5", "100");
    EXPECT_EQ(text("Edit9"), QStringLiteral("107,00"));
    // "zw." picked from the list.
    field<QComboBox>("Edit6")->setCurrentIndex(3);
    Q_EMIT field<QComboBox>("Edit6")->activated(3);
    EXPECT_EQ(text("Edit9"), QStringLiteral("100,00"));
    typeRate("22");
    type("Edit9", "122");
    EXPECT_EQ(text("Edit5"), QStringLiteral("100,00"));

    // An emptied rate is set back to 22 by the next conversion.
    typeRate("");
    type("Edit5", "10");
    EXPECT_EQ(field<QComboBox>("Edit6")->currentText(), QStringLiteral("22"));
    EXPECT_EQ(text("Edit9"), QStringLiteral("12,20"));

    type("Edit5", "12,3");
    field<QLineEdit>("Edit7")->setFocus();
    EXPECT_EQ(text("Edit5"), QStringLiteral("12,30"));
    type("Edit5", "abc");
    EXPECT_EQ(text("Edit9"), QStringLiteral("15,01")) << "unchanged by letters";
    field<QLineEdit>("Edit7")->setFocus();
    EXPECT_EQ(text("Edit5"), QStringLiteral("abc"));
    card().reject();
}

TEST_F(StockCardTest, CardKeepsItsSizeKeyboardOrderAndFocusColours)
{
    start();
    card().prepareNew();
    card().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&card()));
    EXPECT_EQ(card().windowTitle(), QStringLiteral(" Kartoteka magazynowa"));
    EXPECT_EQ(card().findChild<QWidget*>(QStringLiteral("client"))->size(), QSize(373, 227));
    EXPECT_EQ(QApplication::focusWidget(), field<QLineEdit>("Edit1"));
    EXPECT_EQ(field<QLineEdit>("Edit1")->palette().color(QPalette::Base), ui::kFocusBase);

    QStringList order;
    for (int i = 0; i < 9; ++i) {
        QWidget* focus = QApplication::focusWidget();
        // The rate's edit belongs to its drop-down.
        if (focus && focus->parentWidget() == field<QComboBox>("Edit6")) {
            focus = focus->parentWidget();
        }
        order << (focus ? focus->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"Edit1", "Edit2", "Edit3", "Edit6", "Edit5", "Edit9", "Edit7",
                                  "Button1", "Button2"}));
    EXPECT_NE(field<QLineEdit>("Edit2")->palette().color(QPalette::Base), ui::kFocusBase);
    card().reject();
}

TEST_F(StockCardTest, NewGoodsAreSavedChosenAndLoadedIntoTheCurrentLine)
{
    fillTables();
    start();
    withCardFrom("b_dodaj3", [this] {
        EXPECT_EQ(text("Edit5"), QStringLiteral("0,00"));
        EXPECT_EQ(field<QPushButton>("Button2")->text(), QStringLiteral("Dodaj do bazy"));
        field<QPushButton>("Button2")->click();
        EXPECT_EQ(m_messages.last().text, QStringLiteral("Nie ma nic do zapisania."));
        EXPECT_EQ(m_messages.last().icon, common::MessageIcon::None);
        type("Edit1", "Łopata");
        field<QPushButton>("Button2")->click();
        EXPECT_EQ(m_messages.last().text,
                  QStringLiteral("Wyrób o takiej nazwie jest już w bazie. Podaj inną."));
        type("Edit1", "Wiertarka");
        type("Edit3", "szt.");
        typeRate("7");
        type("Edit5", "200");
        type("Edit7", "W-7");
        QTest::mouseClick(field<QPushButton>("Button2"), Qt::LeftButton);
    });
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Dopisane"));
    EXPECT_FALSE(card().isVisible());
    EXPECT_EQ(control<QComboBox>("lista_towarow")->currentText(), QStringLiteral("Wiertarka  W-7"));
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("200,00"));
    EXPECT_EQ(control<QLineEdit>("Edit4")->text(), QStringLiteral("14,00"));
    ASSERT_TRUE(faktura().goods());
    EXPECT_EQ(faktura().goods()->Stawka_vat, QStringLiteral("7"));
}

TEST_F(StockCardTest, CorrectionRewritesTheChosenGoodsAndDeletionAsksFirst)
{
    fillTables();
    start();
    control<QComboBox>("lista_towarow")->setCurrentIndex(1); // Młotek
    withCardFrom("b_korekta3", [this] {
        EXPECT_EQ(text("Edit1"), QStringLiteral("Młotek"));
        EXPECT_EQ(text("Edit9"), QStringLiteral("29,89"));
        EXPECT_EQ(field<QPushButton>("Button2")->text(), QStringLiteral("Korekta"));
        type("Edit5", "30");
        // Clicking the button leaves the price, which is written with two decimals.
        QTest::mouseClick(field<QPushButton>("Button2"), Qt::LeftButton);
    });
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Poprawione"));
    EXPECT_EQ(control<QComboBox>("lista_towarow")->currentText(), QStringLiteral("Młotek  M-2"));
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("30,00"));

    m_messages.queueAnswer(common::MessageAnswer::No);
    control<QPushButton>("b_usun3")->click();
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("Czy na pewno usunąć Młotek  M-2 z listy towarów ?"));
    EXPECT_EQ(control<QComboBox>("lista_towarow")->count(), 3);
    m_messages.queueAnswer(common::MessageAnswer::Yes);
    control<QPushButton>("b_usun3")->click();
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Usunięte"));
    EXPECT_EQ(control<QComboBox>("lista_towarow")->count(), 2);
    EXPECT_EQ(control<QComboBox>("lista_towarow")->currentText(), QStringLiteral("Łopata  L-1"));
}

} // namespace
} // namespace kwitola::testing
