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
#include <array>
#include <deque>
#include <random>
#include <utility>

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

// The seed and length of the random session, from the environment when
// given there.
std::uint64_t sessionSeed()
{
    const QByteArray given = qgetenv("KWITOLA_SESSION_SEED");
    return given == "random" ? QRandomGenerator::system()->generate64()
           : given.isEmpty() ? 8122026
                             : given.toULongLong();
}

int sessionSteps()
{
    return qEnvironmentVariableIsSet("KWITOLA_WINDOW_STEPS")
               ? qEnvironmentVariableIntValue("KWITOLA_WINDOW_STEPS")
               : 2000;
}

// The last steps taken, for replaying a failure.
class Trail final
{
public:
    void add(std::string step)
    {
        m_recent.push_back(std::move(step));
        if (m_recent.size() > 12) {
            m_recent.pop_front();
        }
    }
    [[nodiscard]] std::string text() const
    {
        std::string trail;
        for (const std::string& s : m_recent) {
            trail += "\n  " + s;
        }
        return trail;
    }

private:
    std::deque<std::string> m_recent;
};

class RandomSession : public LongSessionWindow
{
protected:
    struct Session
    {
        DocumentSession::Draw draw;
        DocumentSession quantities{draw};
        int newGoods = 0;
    };

    std::string chooseAny(Session& s)
    {
        const int count = goodsList()->count();
        const int index = count == 0 ? -1 : static_cast<int>(s.draw(count + 1)) - 1;
        goodsList()->setCurrentIndex(index);
        return "choose " + std::to_string(index);
    }
    std::string typeAny(Session& s)
    {
        const QString typed = s.quantities.typedQuantity();
        type(typed);
        return "type '" + typed.toStdString() + "'";
    }
    std::string add(Session& /*s*/)
    {
        button("b_dodaj_do_faktury")->click();
        return "add";
    }
    std::string clickAnyLine(Session& s)
    {
        const int count = control<QListWidget>("Memo1")->count();
        if (count == 0) {
            return {};
        }
        const int row = static_cast<int>(s.draw(count));
        clickLine(row);
        if (s.draw(2) == 0) {
            type(faktura().document().lines().at(static_cast<std::size_t>(row)).quantity);
        }
        return "click line " + std::to_string(row);
    }
    std::string remove(Session& /*s*/)
    {
        button("Button5")->click();
        return "remove";
    }
    std::string clearSometimes(Session& s)
    {
        if (s.draw(4) != 0) {
            return {};
        }
        button("Button7")->click();
        return "clear";
    }
    std::string newGoods(Session& s)
    {
        withCard("b_dodaj3", [&](ui::TfMagazyn& card) {
            const int n = ++s.newGoods;
            cardEdit(card, "Edit1")->setText(QStringLiteral("Nowy %1").arg(n));
            cardEdit(card, "Edit5")
                ->setText(QStringLiteral("%1,%2").arg(s.draw(100)).arg(s.draw(90) + 10));
            cardEdit(card, "Edit7")->setText(QStringLiteral("S-%1").arg(n));
            card.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        });
        return "new goods";
    }
    std::string correctGoods(Session& s)
    {
        withCard("b_korekta3", [&](ui::TfMagazyn& card) {
            // A new price, or a new factory number, which changes the entry.
            const char* field = s.draw(2) == 0 ? "Edit5" : "Edit7";
            cardEdit(card, field)->setText(QStringLiteral("%1,50").arg(s.draw(50)));
            card.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        });
        return "correct goods";
    }
    std::string deleteGoodsSometimes(Session& s)
    {
        if (s.draw(3) != 0) {
            return {};
        }
        m_messages.queueAnswer(common::MessageAnswer::Yes);
        button("b_usun3")->click();
        return "delete goods";
    }
    std::string nothing(Session& /*s*/) { return "nothing"; }

    static QLineEdit* cardEdit(ui::TfMagazyn& card, const char* name)
    {
        return card.findChild<QLineEdit*>(QLatin1String(name));
    }

    // Each action with its share of twenty draws.
    struct Action
    {
        std::uint32_t shares;
        std::string (RandomSession::*run)(Session&);
    };
    static constexpr std::array<Action, 10> kActions = {{
        {3, &RandomSession::chooseAny},
        {3, &RandomSession::typeAny},
        {3, &RandomSession::add},
        {2, &RandomSession::clickAnyLine},
        {3, &RandomSession::remove},
        {1, &RandomSession::clearSometimes},
        {1, &RandomSession::newGoods},
        {1, &RandomSession::correctGoods},
        {1, &RandomSession::deleteGoodsSometimes},
        {2, &RandomSession::nothing},
    }};

    // One random action; its description.
    std::string step(Session& s)
    {
        std::uint32_t roll = s.draw(20);
        for (const Action& action : kActions) {
            if (roll < action.shares) {
                return (this->*action.run)(s);
            }
            roll -= action.shares;
        }
        return "nothing";
    }

    // The session went through the stock card's three outcomes.
    void expectEveryCardOutcomeTold() const
    {
        QStringList told;
        for (const common::Message& message : m_messages.messages()) {
            told << message.text;
        }
        for (const char* outcome : {"Dopisane", "Poprawione", "Usunięte"}) {
            EXPECT_TRUE(told.contains(QString::fromUtf8(outcome))) << outcome;
        }
    }
};

TEST_F(RandomSession, ALongRandomSessionKeepsWindowAndTotalsTogether)
{
    fillGoods();
    start();
    const std::uint64_t seed = sessionSeed();
    const int steps = sessionSteps();
    std::cout << "window session seed " << seed << ", " << steps << " steps\n";
    std::mt19937_64 random(seed);
    Session session{[&random](std::uint32_t bound) {
        return static_cast<std::uint32_t>(random() % bound);
    }};
    Trail trail;
    std::size_t longest = 0;
    for (int i = 0; i < steps; ++i) {
        trail.add(step(session));
        longest = std::max(longest, faktura().document().lines().size());
        if (const auto broken = windowDisagrees()) {
            FAIL() << "seed " << seed << ", step " << i << ": " << *broken
                   << "\nlast steps:" << trail.text();
        }
    }
    expectEveryCardOutcomeTold();
    // The document was filled to its limit.
    EXPECT_EQ(longest, 15u);
}

} // namespace
} // namespace kwitola::testing
