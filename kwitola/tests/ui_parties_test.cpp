#include "common/testsupport/resultexpect.h"
#include "kwitola/tests/kwitolawindowsfixture.h"
#include "kwitola/ui/tfodbiorca.h"
#include "kwitola/ui/tfwystawca.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <functional>

namespace kwitola::testing {
namespace {

using common::MessageAnswer;
using common::MessageButtons;
using common::MessageIcon;
using testsupport::found;

const QString kApteka = QStringLiteral("apteka Pod Lwem  Kraków  Rynek 3  333-333-33-33");
const QString kBiuro = QStringLiteral("Biuro Rachunkowe  Gdańsk  ul. Ogarna 4  444-444-44-44");
const QString kZaklad = QStringLiteral("Zakład Łąka  Łódź  ul. Łąkowa 2  222-222-22-22");

class PartiesTest : public WindowsTest
{
protected:
    ui::TfOdbiorca& recipientCard() const { return m_windows->odbiorca(); }
    ui::TfWystawca& issuerCard() const { return m_windows->wystawca(); }

    template <typename Widget> Widget* in(QWidget& card, const char* name) const
    {
        auto* widget = card.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* field(QWidget& card, int number) const
    {
        return in<QLineEdit>(card, QStringLiteral("Edit%1").arg(number).toLatin1().constData());
    }

    // Clicks a main-window button that opens a card, and runs the steps
    // while the card is shown. A card the steps leave open is closed after
    // them; the answer says whether it was still open.
    bool withCard(const char* button, QDialog& card, const std::function<void()>& steps)
    {
        bool shown = false;
        bool stayedOpen = false;
        QTimer::singleShot(0, &card, [&] {
            shown = card.isVisible();
            steps();
            stayedOpen = card.isVisible();
            if (stayedOpen) {
                card.reject();
            }
        });
        control<QPushButton>(button)->click();
        EXPECT_TRUE(shown) << button << " shows its card";
        EXPECT_FALSE(card.isVisible());
        return stayedOpen;
    }

    void type(QWidget& card, const std::vector<std::pair<int, QString>>& texts) const
    {
        for (const auto& [number, text] : texts) {
            field(card, number)->setText(text);
        }
    }

    void search(const QString& pattern)
    {
        control<QLineEdit>("find_nip")->setText(pattern);
        control<QPushButton>("b_szukaj")->click();
    }

    void expectMessage(const common::Message& message, const QString& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok) const
    {
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.title, QStringLiteral("Kwitola®"));
        EXPECT_EQ(message.icon, icon) << text.toStdString();
        EXPECT_EQ(message.buttons, buttons) << text.toStdString();
    }

    QStringList firmyRows() const
    {
        const auto rows = m_store.rows(Table::Firmy);
        QStringList texts;
        for (const Row& row : rows.value()) {
            texts << row.values.join(QLatin1Char('|'));
        }
        return texts;
    }
};

TEST_F(PartiesTest, ANewRecipientIsWrittenListedInItsPlaceAndChosen)
{
    fillTables();
    start();
    m_messages.queueAnswer(MessageAnswer::Yes);
    const bool open = withCard("b_dodaj2", recipientCard(), [&] {
        EXPECT_EQ(in<QPushButton>(recipientCard(), "b_zapisz")->text(),
                  QStringLiteral("Dopisz do Bazy"));
        EXPECT_EQ(recipientCard().windowTitle(), QStringLiteral(" Nowy odbiorca"));
        type(recipientCard(), {{1, QStringLiteral("Ćma i Syn")},
                               {2, QStringLiteral("ul. Nowa 5")},
                               {3, QStringLiteral("00-950")},
                               {4, QStringLiteral("Warszawa")},
                               {7, QStringLiteral("555-555-55-55")},
                               {9, QStringLiteral("22 100 20 30")},
                               {11, QStringLiteral("Ewa Ćma")}});
        in<QPushButton>(recipientCard(), "b_zapisz")->click();
    });
    EXPECT_FALSE(open);
    ASSERT_EQ(m_messages.messages().size(), 1u);
    expectMessage(m_messages.last(), QStringLiteral("Czy zapisać zmiany ?"),
                  MessageIcon::Exclamation, MessageButtons::YesNoCancel);

    const QString added = QStringLiteral("Ćma i Syn  Warszawa  ul. Nowa 5  555-555-55-55");
    auto* list = control<QComboBox>("lista_odbiorcow");
    EXPECT_EQ(itemsOf(list), QStringList({kApteka, kBiuro, added, kZaklad}));
    EXPECT_EQ(list->currentText(), added);
    EXPECT_EQ(control<QLabel>("Label101")->text(), QStringLiteral("Ćma i Syn"));
    EXPECT_EQ(control<QLabel>("Label102")->text(), QStringLiteral("ul. Nowa 5  00-950  Warszawa"));
    ASSERT_TRUE(faktura().recipient());
    EXPECT_EQ(faktura().recipient()->Osoba_uprawniona, QStringLiteral("Ewa Ćma"));
    EXPECT_EQ(firmyRows(), QStringList({"|555-555-55-55|Ćma i Syn|ul. Nowa 5|00-950|Warszawa|"
                                        "22 100 20 30||"}));
}

TEST_F(PartiesTest, EnterInAnyFieldAsksAsTheSaveButtonAndCancelKeepsWhatWasTyped)
{
    fillTables();
    start();
    m_messages.queueAnswer(MessageAnswer::Cancel);
    const bool open = withCard("b_dodaj2", recipientCard(), [&] {
        type(recipientCard(), {{1, QStringLiteral("Nowa")}, {9, QStringLiteral("61 000")}});
        QTest::keyClick(field(recipientCard(), 9), Qt::Key_Return);
        EXPECT_TRUE(recipientCard().isVisible()) << "Cancel leaves the card open";
        EXPECT_EQ(field(recipientCard(), 1)->text(), QStringLiteral("Nowa"));
        EXPECT_EQ(field(recipientCard(), 9)->text(), QStringLiteral("61 000"));
    });
    EXPECT_TRUE(open);
    ASSERT_EQ(m_messages.messages().size(), 1u);
    expectMessage(m_messages.last(), QStringLiteral("Czy zapisać zmiany ?"),
                  MessageIcon::Exclamation, MessageButtons::YesNoCancel);
    EXPECT_EQ(*m_store.count(Table::Odbiorca), 3);
    EXPECT_EQ(control<QComboBox>("lista_odbiorcow")->count(), 3);

    // Without a company nothing is asked, and the card stays open.
    m_messages.clear();
    EXPECT_TRUE(withCard("b_dodaj1", issuerCard(), [&] {
        EXPECT_TRUE(field(issuerCard(), 1)->text().isEmpty()) << "\"+\" empties the fields";
        field(issuerCard(), 2)->setText(QStringLiteral("ul. Bez Nazwy"));
        QTest::keyClick(field(issuerCard(), 13), Qt::Key_Enter);
    }));
    ASSERT_EQ(m_messages.messages().size(), 1u);
    expectMessage(m_messages.last(), QStringLiteral("Brak firmy do zapisania."),
                  MessageIcon::Exclamation);
    EXPECT_EQ(*m_store.count(Table::Wystawca), 2);
}

TEST_F(PartiesTest, DecliningANewRecordRebuildsTheListWithoutChoosing)
{
    fillTables();
    start();
    // A new issuer equal to an existing one but for the account typed.
    const auto addAlfa = [&](MessageAnswer answer, const QString& account) {
        m_messages.queueAnswer(answer);
        withCard("b_dodaj1", issuerCard(), [&] {
            std::vector<std::pair<int, QString>> texts = {{1, QStringLiteral("Alfa s.c.")},
                                                          {2, QStringLiteral("ul. Długa 1")},
                                                          {4, QStringLiteral("Poznań")},
                                                          {7, QStringLiteral("111-111-11-11")}};
            if (!account.isEmpty()) {
                texts.emplace_back(13, account);
            }
            type(issuerCard(), texts);
            in<QPushButton>(issuerCard(), "b_zapisz")->click();
        });
    };
    // Unsaved: the first equal entry is chosen.
    addAlfa(MessageAnswer::No, QString());
    EXPECT_EQ(control<QComboBox>("lista_wystawcow")->currentIndex(), 1);
    EXPECT_EQ(*m_store.count(Table::Wystawca), 2) << "No writes nothing";

    // Saving it: both equal entries are listed, the first of them chosen.
    addAlfa(MessageAnswer::Yes, QStringLiteral("PL 11 2222"));
    auto* issuers = control<QComboBox>("lista_wystawcow");
    EXPECT_EQ(issuers->count(), 3);
    EXPECT_EQ(issuers->currentIndex(), 1);
    EXPECT_EQ(faktura().issuer()->Numer_konta, QString()) << "the first of the equal records";

    // A declined recipient that matches nothing leaves no entry chosen.
    m_messages.queueAnswer(MessageAnswer::No);
    withCard("b_dodaj2", recipientCard(), [&] {
        field(recipientCard(), 1)->setText(QStringLiteral("Nikt"));
        in<QPushButton>(recipientCard(), "b_zapisz")->click();
    });
    EXPECT_EQ(control<QComboBox>("lista_odbiorcow")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>("lista_odbiorcow")->count(), 3);
}

TEST_F(PartiesTest, ACorrectionRenamesTheChosenEntryAndOnlyTheFirstEqualCopy)
{
    start();
    // Two recipients that nothing tells apart, added through the card.
    for (int i = 0; i < 2; ++i) {
        m_messages.queueAnswer(MessageAnswer::Yes);
        withCard("b_dodaj2", recipientCard(), [&] {
            type(recipientCard(), {{1, QStringLiteral("Bliźniak")},
                                   {4, QStringLiteral("Opole")},
                                   {7, QStringLiteral("7")},
                                   {9, QStringLiteral("77")}});
            in<QPushButton>(recipientCard(), "b_zapisz")->click();
        });
    }
    auto* list = control<QComboBox>("lista_odbiorcow");
    list->setCurrentIndex(1);
    ASSERT_EQ(faktura().recipient()->id, 1) << "the first of equal entries";

    m_messages.clear();
    m_messages.queueAnswer(MessageAnswer::Yes);
    withCard("b_korekta2", recipientCard(), [&] {
        EXPECT_EQ(in<QPushButton>(recipientCard(), "b_zapisz")->text(), QStringLiteral("Korekta"));
        EXPECT_EQ(field(recipientCard(), 1)->text(), QStringLiteral("Bliźniak"));
        EXPECT_EQ(field(recipientCard(), 9)->text(), QStringLiteral("77"));
        field(recipientCard(), 1)->setText(QStringLiteral("Alfa Nowa"));
        in<QPushButton>(recipientCard(), "b_zapisz")->click();
    });
    ASSERT_EQ(m_messages.messages().size(), 1u);
    expectMessage(m_messages.last(), QStringLiteral("Czy dokonać korekty ?"),
                  MessageIcon::Exclamation, MessageButtons::YesNoCancel);
    EXPECT_EQ(itemsOf(list), QStringList({"Alfa Nowa  Opole    7", "Bliźniak  Opole    7"}));
    EXPECT_EQ(list->currentIndex(), 0) << "the corrected entry, chosen in its new place";
    EXPECT_EQ(control<QLabel>("Label101")->text(), QStringLiteral("Alfa Nowa"));
    EXPECT_EQ(faktura().recipient()->id, 1);
    EXPECT_EQ(firmyRows(), QStringList({"|7|Alfa Nowa|||Opole|77||", "|7|Bliźniak|||Opole|77||"}));

    // No closes the recipient card without writing or filling the list.
    m_messages.queueAnswer(MessageAnswer::No);
    EXPECT_FALSE(withCard("b_korekta2", recipientCard(), [&] {
        field(recipientCard(), 1)->setText(QStringLiteral("Inna"));
        in<QPushButton>(recipientCard(), "b_zapisz")->click();
    }));
    EXPECT_EQ(list->currentText(), QStringLiteral("Alfa Nowa  Opole    7"));
    EXPECT_EQ(found(m_store.get<Recipient>(1))->Nazwa_firmy, QStringLiteral("Alfa Nowa"));
}

TEST_F(PartiesTest, TheIssuerCardAsksItsOwnWayAndKeepsItsSize)
{
    fillTables();
    start();
    m_messages.queueAnswer(MessageAnswer::No);
    m_messages.queueAnswer(MessageAnswer::Yes);
    withCard("b_korekta1", issuerCard(), [&] {
        EXPECT_EQ(field(issuerCard(), 1)->text(), QStringLiteral("Zeta sp. z o.o."));
        field(issuerCard(), 12)->setText(QStringLiteral("Bank Polski"));
        in<QPushButton>(issuerCard(), "b_zapisz")->click();
        EXPECT_TRUE(issuerCard().isVisible()) << "No leaves the issuer card open";
        in<QPushButton>(issuerCard(), "b_zapisz")->click();
    });
    ASSERT_EQ(m_messages.messages().size(), 2u);
    expectMessage(m_messages.last(), QStringLiteral("Czy dokonać korekty ?"), MessageIcon::Question,
                  MessageButtons::YesNo);
    EXPECT_EQ(faktura().issuer()->Bank, QStringLiteral("Bank Polski"));

    // Thirteen labelled fields against eleven, in keyboard order.
    for (const auto& [card, count] :
         {std::pair<QDialog*, int>{&issuerCard(), 13}, {&recipientCard(), 11}}) {
        EXPECT_EQ(card->findChildren<QLineEdit*>().size(), count);
        QStringList order;
        QWidget* widget = field(*card, 1);
        for (int i = 0; i < count + 2; ++i) {
            order << widget->objectName();
            do {
                widget = widget->nextInFocusChain();
            } while (!(widget->focusPolicy() & Qt::TabFocus));
        }
        QStringList expected;
        for (int i = 1; i <= count; ++i) {
            expected << QStringLiteral("Edit%1").arg(i);
        }
        EXPECT_EQ(order, expected << "b_anuluj"
                                  << "b_zapisz");
    }
    EXPECT_EQ(in<QLabel>(issuerCard(), "Label13")->text(), QStringLiteral("Numer rachunku"));
    EXPECT_EQ(in<QLabel>(recipientCard(), "Label6")->text(), QStringLiteral("Województwo"));
    issuerCard().resize(600, 500);
    EXPECT_EQ(issuerCard().size(), QSize(450, 333));
    EXPECT_EQ(field(issuerCard(), 1)->width(), 321);
}

TEST_F(PartiesTest, OnlyTheRecipientCardPaintsTheCompanyFieldNavy)
{
    const QColor navy(0, 0, 128);
    start();
    for (const auto& [card, nameNavy] :
         {std::pair<QDialog*, bool>{&recipientCard(), true}, {&issuerCard(), false}}) {
        card->show();
        card->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card));
        EXPECT_TRUE(field(*card, 1)->hasFocus()) << "the card opens on \"Firma\"";
        EXPECT_EQ(field(*card, 1)->palette().color(QPalette::Base) == navy, nameNavy);
        field(*card, 2)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(field(*card, 2)->palette().color(QPalette::Base), navy);
        EXPECT_EQ(field(*card, 2)->palette().color(QPalette::Text), QColor(Qt::white));
        EXPECT_NE(field(*card, 1)->palette().color(QPalette::Base), navy);
        card->reject();
    }
}

TEST_F(PartiesTest, SearchFindsByNipNameOrTownAndTheFullListComesBack)
{
    start();
    search(QStringLiteral("Kr"));
    expectMessage(m_messages.last(), QStringLiteral("Baza klientów jest pusta"),
                  MessageIcon::Exclamation);
    m_windows.reset();
    m_store.close();
    fillTables();
    start();
    auto* list = control<QComboBox>("lista_odbiorcow");

    search(QString());
    expectMessage(m_messages.last(), QStringLiteral("Nie wprowadzono wzorca."),
                  MessageIcon::Exclamation);
    EXPECT_EQ(control<QLabel>("Label101")->text(), QStringLiteral("apteka Pod Lwem"));

    search(QStringLiteral("Łódź"));
    expectMessage(m_messages.last(), QStringLiteral("Proszę wybrać odbiorcę z listy."),
                  MessageIcon::Exclamation);
    EXPECT_EQ(itemsOf(list), QStringList({kZaklad}));
    EXPECT_EQ(control<QLabel>("Label101")->text(), QStringLiteral("Zakład Łąka"));
    EXPECT_EQ(faktura().recipient()->Nip_firmy, QStringLiteral("222-222-22-22"));

    // A quote is searched for like any other character.
    search(QStringLiteral("\" OR 1=1"));
    expectMessage(m_messages.last(),
                  QStringLiteral("Nie znaleziono klienta spełniającego kryteria."),
                  MessageIcon::Exclamation);
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(control<QLabel>("Label101")->text().isEmpty());
    EXPECT_FALSE(control<QLabel>("Label106")->text().isEmpty())
        << "only the first five are emptied";

    control<QPushButton>("b_wszystkie")->click();
    EXPECT_EQ(itemsOf(list), QStringList({kApteka, kBiuro, kZaklad}));
    EXPECT_EQ(control<QLabel>("Label101")->text(), QStringLiteral("apteka Pod Lwem"));
}

TEST_F(PartiesTest, DeletingAsksAndTheOnlyIssuerLeavesItsValues)
{
    fillTables();
    start();
    auto* recipients = control<QComboBox>("lista_odbiorcow");
    recipients->setCurrentIndex(1);
    m_messages.queueAnswer(MessageAnswer::No);
    control<QPushButton>("b_usun2")->click();
    expectMessage(m_messages.last(),
                  QStringLiteral("Czy usunąć z listy odbiorców : ") + kBiuro + QStringLiteral(" ?"),
                  MessageIcon::Question, MessageButtons::YesNo);
    EXPECT_EQ(recipients->count(), 3);

    m_messages.queueAnswer(MessageAnswer::Yes);
    control<QPushButton>("b_usun2")->click();
    expectMessage(m_messages.last(), QStringLiteral("Usunięte"), MessageIcon::Exclamation);
    EXPECT_EQ(itemsOf(recipients), QStringList({kApteka, kZaklad}));
    EXPECT_EQ(recipients->currentIndex(), 0);

    auto* issuers = control<QComboBox>("lista_wystawcow");
    for (int i = 0; i < 2; ++i) {
        m_messages.queueAnswer(MessageAnswer::Yes);
        control<QPushButton>("b_usun1")->click();
    }
    EXPECT_EQ(issuers->count(), 0);
    ASSERT_TRUE(faktura().issuer());
    EXPECT_EQ(faktura().issuer()->Nazwa_firmy, QStringLiteral("Alfa s.c."));

    m_messages.clear();
    control<QPushButton>("b_usun1")->click();
    control<QPushButton>("b_korekta1")->click();
    ASSERT_EQ(m_messages.messages().size(), 2u);
    expectMessage(m_messages.messages()[0], QStringLiteral("Nie ma nic do usunięcia."),
                  MessageIcon::Exclamation);
    expectMessage(m_messages.messages()[1], QStringLiteral("Nie ma nic do korekty."),
                  MessageIcon::Exclamation);
}

TEST_F(PartiesTest, AFailedWriteIsShownAndTheCardKeepsWhatWasTyped)
{
    fillTables();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
        db.setDatabaseName(filePath(QStringLiteral("firmy.DB")));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Firmy BEGIN "
                                          "SELECT RAISE(ABORT, 'brak miejsca'); END")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    start();
    QMap<QString, QByteArray> before;
    for (const QString& name : QDir(folder()).entryList(QDir::Files)) {
        before.insert(name, readFile(name));
    }
    m_messages.queueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(withCard("b_dodaj2", recipientCard(), [&] {
        type(recipientCard(), {{1, QStringLiteral("Nowa")}, {4, QStringLiteral("Ełk")}});
        in<QPushButton>(recipientCard(), "b_zapisz")->click();
        EXPECT_EQ(field(recipientCard(), 1)->text(), QStringLiteral("Nowa"));
        EXPECT_EQ(field(recipientCard(), 4)->text(), QStringLiteral("Ełk"));
    }));
    ASSERT_EQ(m_messages.messages().size(), 2u);
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Kwitola®"));
    // The store's Polish description of the refused write.
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("narusza ograniczenie tabeli")))
        << m_messages.last().text.toStdString();
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        EXPECT_EQ(readFile(it.key()), it.value()) << it.key().toStdString();
    }
    EXPECT_EQ(control<QComboBox>("lista_odbiorcow")->count(), 3);
}

} // namespace
} // namespace kwitola::testing
