// The document through the real main window, as a user at the desk meets
// it: the goods list that shows no choice, records that do not read, and a
// long random session that also corrects and deletes goods on the stock card.
#include "kwitola/tests/kwitolawindowsfixture.h"
#include "kwitola/testsupport/documentcheck.h"
#include "kwitola/testsupport/documentsession.h"
#include "kwitola/ui/tfmagazyn.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <deque>
#include <random>

namespace kwitola::testing {
namespace {

class LongSessionWindow : public WindowsTest
{
protected:
    // The random session's goods, each with a factory number of its own.
    void fillGoods()
    {
        TableStore seed;
        seed.setPassword(QString(kTablePassword));
        ASSERT_TRUE(seed.open(folder()));
        int serial = 1;
        for (Goods goods : DocumentSession::goodsPool()) {
            goods.numer_fabryczny = QStringLiteral("N-%1").arg(serial++);
            ASSERT_TRUE(seed.insertRecord(goods));
        }
    }

    QComboBox* goodsList() const { return control<QComboBox>("lista_towarow"); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }

    void choose(const QString& entry)
    {
        const int index = goodsList()->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        goodsList()->setCurrentIndex(index);
    }

    void type(const QString& quantity) { control<QLineEdit>("Edit1")->setText(quantity); }

    void clickLine(int row)
    {
        auto* memo = control<QListWidget>("Memo1");
        const QRect place = memo->visualItemRect(memo->item(row));
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, place.center());
    }

    // Opens the stock card from the button and acts on it while it is open.
    void withCard(const char* opener, const std::function<void(ui::TfMagazyn&)>& act)
    {
        ui::TfMagazyn& card = m_windows->magazyn();
        // The card's own event loop runs the action; when the button
        // refuses to open the card, the action finds it hidden and does
        // nothing.
        QTimer::singleShot(0, [&card, act] {
            if (!card.isVisible()) {
                return;
            }
            act(card);
            if (card.isVisible()) {
                card.reject();
            }
        });
        button(opener)->click();
    }

    // What the window shows agrees with the document it holds.
    std::optional<std::string> windowDisagrees() const
    {
        const SalesDocument& document = faktura().document();
        const auto lines = static_cast<int>(document.lines().size());
        for (const char* memo : {"Memo1", "Memo2", "Memo3", "Memo4"}) {
            if (control<QListWidget>(memo)->count() != lines) {
                return std::string(memo) + " shows another number of lines";
            }
        }
        if (control<QLineEdit>("Edit5")->text() != document.totalToPay()) {
            return "Edit5 shows " + control<QLineEdit>("Edit5")->text().toStdString();
        }
        if (button("Button5")->isEnabled() != document.removalEnabled()) {
            return "\"Usuń z faktury\" enabled unlike the document";
        }
        // A clicked line loads the current line from itself; otherwise the
        // current line follows the goods list.
        if (goodsList()->currentIndex() < 0 && document.hasGoods() && !document.removalEnabled()) {
            return "goods loaded while the list shows none";
        }
        return brokenInvariant(document);
    }
};

TEST_F(LongSessionWindow, AGoodsChoiceAfterALineClickDisablesTheRemoval)
{
    fillTables();
    start();
    choose(QStringLiteral("Śruba M6  S-6"));
    type(QStringLiteral("10"));
    button("b_dodaj_do_faktury")->click();
    clickLine(0);
    ASSERT_TRUE(button("Button5")->isEnabled());
    choose(QStringLiteral("Łopata  L-1"));
    EXPECT_FALSE(button("Button5")->isEnabled());
    type(QStringLiteral("1"));
    button("Button5")->click();
    EXPECT_EQ(control<QListWidget>("Memo3")->item(0)->text(), QStringLiteral("10"));
    EXPECT_EQ(control<QLineEdit>("Edit5")->text(), QStringLiteral("2,44"));
    EXPECT_EQ(windowDisagrees(), std::nullopt);
}

TEST_F(LongSessionWindow, AListShowingNoGoodsAddsNone)
{
    fillTables();
    start();
    choose(QStringLiteral("Młotek  M-2"));
    // The last goods deleted one by one: the list ends empty.
    while (goodsList()->count() > 0) {
        m_messages.queueAnswer(common::MessageAnswer::Yes);
        button("b_usun3")->click();
    }
    m_messages.clear();
    type(QStringLiteral("1"));
    button("b_dodaj_do_faktury")->click();
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Nie wybrano towaru."));
    EXPECT_TRUE(faktura().document().lines().empty());

    // A correction that leaves no entry chosen: the card saves goods the
    // list is then refilled without choosing.
    fillTables();
    button("Button7")->click(); // clears, and the list shows no choice
    faktura().chooseGoods(QStringLiteral("Nie ma takiego  X"));
    ASSERT_EQ(goodsList()->currentIndex(), -1);
    m_messages.clear();
    type(QStringLiteral("1"));
    button("b_dodaj_do_faktury")->click();
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Nie wybrano towaru."));
}

TEST_F(LongSessionWindow, ARecordWhosePriceDoesNotReadLeavesNoGoodsLoaded)
{
    fillGoods();
    start();
    choose(QStringLiteral("Farba  N-2"));
    m_messages.clear();
    choose(QStringLiteral("Zepsuty  N-8"));
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_FALSE(faktura().document().hasGoods());
    m_messages.clear();
    type(QStringLiteral("1"));
    button("b_dodaj_do_faktury")->click();
    EXPECT_EQ(m_messages.last().text, QStringLiteral("Nie wybrano towaru."));
    EXPECT_TRUE(faktura().document().lines().empty());
}

TEST_F(LongSessionWindow, ALongRandomSessionKeepsWindowAndTotalsTogether)
{
    fillGoods();
    start();
    const QByteArray given = qgetenv("KWITOLA_SESSION_SEED");
    const std::uint64_t seed = given == "random" ? QRandomGenerator::system()->generate64()
                               : given.isEmpty() ? 8122026
                                                 : given.toULongLong();
    const int steps = qEnvironmentVariableIsSet("KWITOLA_WINDOW_STEPS")
                          ? qEnvironmentVariableIntValue("KWITOLA_WINDOW_STEPS")
                          : 2000;
    std::cout << "window session seed " << seed << ", " << steps << " steps\n";
    std::mt19937_64 random(seed);
    const auto draw = [&random](std::uint32_t bound) {
        return static_cast<std::uint32_t>(random() % bound);
    };
    DocumentSession quantities(draw);
    std::deque<std::string> recent;
    int newGoods = 0;
    std::size_t longest = 0;
    for (int i = 0; i < steps; ++i) {
        std::string step;
        switch (draw(20)) {
        case 0:
        case 1:
        case 2: {
            const int count = goodsList()->count();
            const int index = count == 0 ? -1 : static_cast<int>(draw(count + 1)) - 1;
            goodsList()->setCurrentIndex(index);
            step = "choose " + std::to_string(index);
            break;
        }
        case 3:
        case 4:
        case 5: {
            const QString typed = quantities.typedQuantity();
            type(typed);
            step = "type '" + typed.toStdString() + "'";
            break;
        }
        case 6:
        case 7:
        case 8:
            button("b_dodaj_do_faktury")->click();
            step = "add";
            break;
        case 9:
        case 10:
            if (const int count = control<QListWidget>("Memo1")->count(); count > 0) {
                const int row = static_cast<int>(draw(count));
                clickLine(row);
                if (draw(2) == 0) {
                    type(faktura().document().lines().at(static_cast<std::size_t>(row)).quantity);
                }
                step = "click line " + std::to_string(row);
            }
            break;
        case 11:
        case 12:
        case 13:
            button("Button5")->click();
            step = "remove";
            break;
        case 14:
            if (draw(4) == 0) {
                button("Button7")->click();
                step = "clear";
            }
            break;
        case 15:
            withCard("b_dodaj3", [&](ui::TfMagazyn& card) {
                card.findChild<QLineEdit*>(QStringLiteral("Edit1"))
                    ->setText(QStringLiteral("Nowy %1").arg(++newGoods));
                card.findChild<QLineEdit*>(QStringLiteral("Edit5"))
                    ->setText(QStringLiteral("%1,%2").arg(draw(100)).arg(draw(90) + 10));
                card.findChild<QLineEdit*>(QStringLiteral("Edit7"))
                    ->setText(QStringLiteral("S-%1").arg(newGoods));
                card.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
            });
            step = "new goods";
            break;
        case 16:
            withCard("b_korekta3", [&](ui::TfMagazyn& card) {
                // A new price, or a new factory number, which changes the entry.
                const char* field = draw(2) == 0 ? "Edit5" : "Edit7";
                card.findChild<QLineEdit*>(QLatin1String(field))
                    ->setText(QStringLiteral("%1,50").arg(draw(50)));
                card.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
            });
            step = "correct goods";
            break;
        case 17:
            if (draw(3) == 0) {
                m_messages.queueAnswer(common::MessageAnswer::Yes);
                button("b_usun3")->click();
                step = "delete goods";
            }
            break;
        default:
            step = "nothing";
            break;
        }
        longest = std::max(longest, faktura().document().lines().size());
        recent.push_back(step);
        if (recent.size() > 12) {
            recent.pop_front();
        }
        if (const auto broken = windowDisagrees()) {
            std::string trail;
            for (const std::string& s : recent) {
                trail += "\n  " + s;
            }
            FAIL() << "seed " << seed << ", step " << i << ": " << *broken
                   << "\nlast steps:" << trail;
        }
    }
    // The session went through the stock card's three outcomes and filled
    // the document to its limit.
    QStringList told;
    for (const common::Message& message : m_messages.messages()) {
        told << message.text;
    }
    for (const char* outcome : {"Dopisane", "Poprawione", "Usunięte"}) {
        EXPECT_TRUE(told.contains(QString::fromUtf8(outcome))) << outcome;
    }
    EXPECT_EQ(longest, 15u);
}

} // namespace
} // namespace kwitola::testing
