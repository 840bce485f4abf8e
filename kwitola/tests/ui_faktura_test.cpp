#include "kwitola/core/singleinstance.h"
#include "kwitola/tests/kwitolawindowsfixture.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

namespace kwitola::testing {
namespace {

const QColor kNavy(0, 0, 128);

class MainWindowTest : public WindowsTest
{
protected:
    void startActive()
    {
        start();
        faktura().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&faktura()));
    }

    QString focusName() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    QLineEdit* date(int number) const
    {
        return control<QLineEdit>(QStringLiteral("Edit%1").arg(number).toLatin1().constData());
    }
};

TEST_F(MainWindowTest, StartFillsTheListsAndShowsTheFirstChoices)
{
    fillTables();
    start();
    ASSERT_TRUE(faktura().isStarted());
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(faktura().windowTitle(), QStringLiteral("Kwitola® 2.0"));

    // Issuers keep table order; recipients and goods are alphabetical with
    // Polish letters in their places and capitals alike with small letters.
    EXPECT_EQ(itemsOf(control<QComboBox>("lista_wystawcow")),
              QStringList({QStringLiteral("Zeta sp. z o.o.  Poznań  ul. Długa 1  111-111-11-11"),
                           QStringLiteral("Alfa s.c.  Poznań  ul. Długa 1  111-111-11-11")}));
    EXPECT_EQ(itemsOf(control<QComboBox>("lista_odbiorcow")),
              QStringList({QStringLiteral("apteka Pod Lwem  Kraków  Rynek 3  333-333-33-33"),
                           QStringLiteral("Biuro Rachunkowe  Gdańsk  ul. Ogarna 4  444-444-44-44"),
                           QStringLiteral("Zakład Łąka  Łódź  ul. Łąkowa 2  222-222-22-22")}));
    EXPECT_EQ(itemsOf(control<QComboBox>("lista_towarow")),
              QStringList({QStringLiteral("Łopata  L-1"), QStringLiteral("Młotek  M-2"),
                           QStringLiteral("Śruba M6  S-6")}));

    ASSERT_TRUE(faktura().issuer());
    EXPECT_EQ(faktura().issuer()->Nazwa_firmy, QStringLiteral("Zeta sp. z o.o."));
    ASSERT_TRUE(faktura().recipient());
    EXPECT_EQ(faktura().recipient()->Nazwa_firmy, QStringLiteral("apteka Pod Lwem"));
    const std::pair<const char*, QString> details[] = {
        {"Label101", QStringLiteral("apteka Pod Lwem")},
        {"Label102", QStringLiteral("Rynek 3  31-042  Kraków")},
        {"Label103", QStringLiteral("333-333-33-33")},
        {"Label104", QStringLiteral("Anna Nowak")},
        {"Label105", QStringLiteral("12 345 67 89")},
        {"Label106", QStringLiteral("01-02-2001")},
    };
    for (const auto& [name, text] : details) {
        EXPECT_EQ(control<QLabel>(name)->text(), text) << name;
    }
    ASSERT_TRUE(faktura().goods());
    EXPECT_EQ(faktura().goods()->Nazwa_towaru, QStringLiteral("Łopata"));
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("35,00"));
    EXPECT_EQ(control<QLineEdit>("Edit7")->text(), QStringLiteral("szt."));
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QStringLiteral("1"));

    EXPECT_EQ(control<QComboBox>("Druk")->currentText(), QStringLiteral("Faktura VAT"));
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("0"));
    EXPECT_EQ(control<QLineEdit>("Edit5")->text(), QStringLiteral("0,00"));
    EXPECT_EQ(control<QComboBox>("ComboBox2")->currentText(), QStringLiteral("gotówka"));
    EXPECT_FALSE(control<QPushButton>("Button5")->isEnabled());
}

TEST_F(MainWindowTest, ChoosingAnotherRecipientShowsItsDetails)
{
    fillTables();
    start();
    control<QComboBox>("lista_odbiorcow")->setCurrentIndex(2);
    EXPECT_EQ(control<QLabel>("Label101")->text(), QStringLiteral("Zakład Łąka"));
    EXPECT_EQ(control<QLabel>("Label102")->text(), QStringLiteral("ul. Łąkowa 2  90-001  Łódź"));
    ASSERT_TRUE(faktura().recipient());
    EXPECT_EQ(faktura().recipient()->Nip_firmy, QStringLiteral("222-222-22-22"));
    // The value stands at the right end of its dotted caption.
    const QLabel* value = control<QLabel>("Label101");
    const QLabel* caption = control<QLabel>("Label3");
    EXPECT_EQ(value->geometry().right(), caption->geometry().right());
    EXPECT_GT(value->width(), value->fontMetrics().horizontalAdvance(value->text()));
}

TEST_F(MainWindowTest, EmptyFolderStartsWithEmptyTablesAndLists)
{
    start();
    ASSERT_TRUE(faktura().isStarted());
    EXPECT_TRUE(m_messages.empty());
    for (const char* name :
         {"wystawca.db", "odbiorca.db", "firmy.DB", "magazyn.db", "faktury.DB", "sprzedaz.db"}) {
        EXPECT_TRUE(QFile::exists(filePath(QLatin1String(name)))) << name;
    }
    for (const char* list : {"lista_wystawcow", "lista_odbiorcow", "lista_towarow"}) {
        EXPECT_EQ(control<QComboBox>(list)->count(), 0) << list;
    }
    EXPECT_FALSE(faktura().recipient());
    EXPECT_TRUE(control<QLabel>("Label101")->text().isEmpty());
}

TEST_F(MainWindowTest, TableThatCannotBeOpenedStopsTheStartWithTheStoreMessage)
{
    writeFile(QStringLiteral("odbiorca.db"), "to nie jest tabela programu, tylko tekst\r\n");
    const QStringList before = QDir(folder()).entryList(QDir::Files);
    const QByteArray bytes = readFile(QStringLiteral("odbiorca.db"));
    start();

    EXPECT_FALSE(faktura().isStarted());
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Kwitola®"));
    EXPECT_FALSE(m_messages.last().text.isEmpty());
    // The store's own text, as the store reports it.
    TableStore probe;
    probe.setPassword(QString(kTablePassword));
    EXPECT_EQ(probe.open(folder()).error(), m_messages.last().text);

    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), before) << "no table may be created";
    EXPECT_EQ(readFile(QStringLiteral("odbiorca.db")), bytes);
    EXPECT_EQ(control<QComboBox>("lista_odbiorcow")->count(), 0);
    EXPECT_TRUE(faktura().isVisible()) << "the window stays, without lists";
}

TEST_F(MainWindowTest, SecondCopyIsToldAndEndsWithoutTouchingTheTables)
{
    SingleInstance firstCopy(lockPath());
    ASSERT_TRUE(firstCopy.acquire());
    m_windows = std::make_unique<ui::KwitolaWindows>(services());
    QSignalSpy ended(&faktura(), &ui::TfFaktura::programEnded);
    faktura().show();

    ASSERT_EQ(m_messages.messages().size(), 1u);
    common::testing::expectBox(m_messages.last(), QStringLiteral("Program jest już uruchomiony"),
                               QStringLiteral("Informacja"), common::MessageIcon::Information,
                               common::MessageButtons::Ok);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(faktura().isStarted());
    EXPECT_FALSE(QFile::exists(filePath(QStringLiteral("odbiorca.db"))));
    QTRY_VERIFY_WITH_TIMEOUT(!faktura().isVisible(), 2000);
    EXPECT_EQ(m_messages.messages().size(), 1u) << "ending asks nothing more";
    EXPECT_TRUE(firstCopy.isHeld()) << "the first copy is unaffected";
}

TEST_F(MainWindowTest, GuardThatCannotBeMadeDoesNotKeepTheOnlyCopyFromStarting)
{
    writeFile(QStringLiteral("plik"), "x");
    ui::Services withoutGuard = services();
    withoutGuard.instanceLockPath = filePath(QStringLiteral("plik/Kwitola.lock"));
    m_windows = std::make_unique<ui::KwitolaWindows>(withoutGuard);
    faktura().show();
    EXPECT_TRUE(faktura().isStarted());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(MainWindowTest, RunningWindowKeepsOtherCopiesOutUntilItCloses)
{
    start();
    ASSERT_TRUE(faktura().isStarted());
    SingleInstance secondCopy(lockPath());
    EXPECT_FALSE(secondCopy.acquire());

    m_messages.queueAnswer(common::MessageAnswer::Yes);
    faktura().close();
    EXPECT_TRUE(secondCopy.acquire()) << "closing gives the guard up";
}

TEST_F(MainWindowTest, DatesStartAsTodayForIssueAndDeliveryAndDashesForTheAdvance)
{
    start();
    const QString expected[] = {QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2001"),
                                QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2001"),
                                QStringLiteral("-"),  QStringLiteral("-"),  QStringLiteral("-")};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(date(8 + i)->text(), expected[i]) << "Edit" << 8 + i;
    }
    m_clock.setToday(QDate(1999, 12, 31));
    m_windows.reset();
    start();
    EXPECT_EQ(date(8)->text() + date(9)->text() + date(10)->text(), QStringLiteral("31121999"));
}

TEST_F(MainWindowTest, LeavingADateEditCopiesItForwardToTheLaterDates)
{
    startActive();
    struct Case
    {
        int typedInto;
        const char* text;
        std::array<int, 2> copiedTo; // 0: none
        std::array<int, 2> untouched;
    };
    const Case cases[] = {
        {8, "12", {11, 14}, {9, 12}},    // issue day: delivery and advance day
        {12, "07", {15, 0}, {9, 10}},    // delivery month: advance month only
        {10, "2002", {13, 16}, {8, 11}}, // issue year
        {16, "2003", {0, 0}, {10, 13}},  // advance year copies nowhere
    };
    for (const Case& c : cases) {
        std::map<int, QString> before;
        for (int n = 8; n <= 16; ++n) {
            before[n] = date(n)->text();
        }
        QLineEdit* edit = date(c.typedInto);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(c.text));
        control<QComboBox>("ComboBox2")->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(edit->text(), QLatin1String(c.text));
        for (int target : c.copiedTo) {
            if (target != 0) {
                EXPECT_EQ(date(target)->text(), QLatin1String(c.text))
                    << "Edit" << c.typedInto << " -> Edit" << target;
            }
        }
        for (int other : c.untouched) {
            EXPECT_EQ(date(other)->text(), before[other]) << "Edit" << other;
        }
        // What a print reads is what the edits show, typed and copied alike.
        for (int n = 8; n <= 16; ++n) {
            EXPECT_EQ(faktura().header().dateParts.at(std::size_t(n - 8)), date(n)->text())
                << "Edit" << n;
        }
    }
}

TEST_F(MainWindowTest, TheHeaderHoldsThePaymentAndNumberAsChosenOrTyped)
{
    writeFile(QStringLiteral("faktura.kfx"), "close\r\n\r\n\r\n41\r\n/01\r\n");
    startActive();
    EXPECT_EQ(faktura().header().paymentWay, QStringLiteral("gotówka"));
    EXPECT_EQ(faktura().header().number, QStringLiteral("41/01"));
    EXPECT_EQ(faktura().header().date(DocumentHeader::Date::Issue).joined(),
              QStringLiteral("05-03-2001"));

    auto* payment = control<QComboBox>("ComboBox2");
    payment->setCurrentIndex(5);
    EXPECT_EQ(faktura().header().paymentWay, QStringLiteral("przelew 7 dni"));
    payment->setFocus(Qt::MouseFocusReason);
    payment->lineEdit()->selectAll();
    QTest::keyClicks(payment->lineEdit(), QStringLiteral("za pobraniem"));
    EXPECT_EQ(faktura().header().paymentWay, QStringLiteral("za pobraniem"));

    auto* number = control<QLineEdit>("Edit6");
    number->setFocus(Qt::MouseFocusReason);
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("7/X"));
    EXPECT_EQ(faktura().header().number, QStringLiteral("7/X"));
    control<QPushButton>("Button8")->click();
    EXPECT_EQ(faktura().header().number, QStringLiteral("42/01"))
        << "a step shows the counter's number again";

    const DocumentFields fields = faktura().documentFields(QStringLiteral("Drukarka"));
    EXPECT_EQ(fields.header.paymentWay, QStringLiteral("za pobraniem"));
    EXPECT_EQ(fields.header.number, QStringLiteral("42/01"));
    EXPECT_EQ(fields.header.dateParts, faktura().header().dateParts);
    EXPECT_EQ(fields.printerName, QStringLiteral("Drukarka"));
}

TEST_F(MainWindowTest, DateEditsBecomeTabStopsAfterAKeyAndStopBeingThemAfterTheLast)
{
    startActive();
    for (int n = 8; n <= 16; ++n) {
        EXPECT_FALSE(date(n)->focusPolicy() & Qt::TabFocus) << "Edit" << n;
    }
    QLineEdit* monthOfIssue = date(9);
    monthOfIssue->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(monthOfIssue, Qt::Key_End);
    for (int n = 10; n <= 16; ++n) {
        EXPECT_TRUE(date(n)->focusPolicy() & Qt::TabFocus) << "Edit" << n;
    }
    EXPECT_FALSE(date(8)->focusPolicy() & Qt::TabFocus) << "earlier edits stay passed over";

    // Tab now walks through the later date edits.
    QStringList walked;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focusName();
    }
    EXPECT_EQ(walked,
              QStringList({"Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), QStringLiteral("ComboBox2"));
    for (int n = 8; n <= 16; ++n) {
        EXPECT_FALSE(date(n)->focusPolicy() & Qt::TabFocus) << "Edit" << n;
    }
}

TEST_F(MainWindowTest, TabWalksTheControlsInTheirOrderPassingOverTheRest)
{
    fillTables();
    startActive();
    EXPECT_EQ(focusName(), QStringLiteral("lista_odbiorcow")) << "focus after start";
    control<QComboBox>("Druk")->setFocus(Qt::TabFocusReason);
    QStringList walked{focusName()};
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focusName();
    }
    // "Usuń z faktury" is disabled at start, so Tab passes it too.
    EXPECT_EQ(walked, QStringList({"Druk", "lista_wystawcow", "lista_odbiorcow", "find_nip",
                                   "b_szukaj", "b_wszystkie", "ComboBox2", "lista_towarow", "Edit1",
                                   "b_dodaj_do_faktury", "Button7", "Button1", "Button2", "Button3",
                                   "b_opcje", "b_zamknij"}));
}

TEST_F(MainWindowTest, EditsAreNavyWithWhiteTextWhileTheyHoldTheFocus)
{
    startActive();
    const QColor windowBase = QApplication::palette().color(QPalette::Base);
    QWidget* elsewhere = control<QPushButton>("b_szukaj");
    for (const char* name : {"find_nip", "ComboBox2", "Edit1", "Edit2", "Edit3", "Edit4", "Edit7",
                             "Edit8", "Edit12", "Edit16"}) {
        auto* widget = control<QWidget>(name);
        widget->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(widget->palette().color(QPalette::Base), kNavy) << name;
        EXPECT_EQ(widget->palette().color(QPalette::Text), QColor(Qt::white)) << name;
        elsewhere->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(widget->palette().color(QPalette::Base), windowBase) << name;
        EXPECT_EQ(widget->palette().color(QPalette::Text), QColor(Qt::black)) << name;
    }
}

TEST_F(MainWindowTest, EnterMovesFromRecipientsToGoodsToQuantityAndAddsTheLine)
{
    fillTables();
    startActive();
    QSignalSpy added(control<QPushButton>("b_dodaj_do_faktury"), &QPushButton::clicked);
    QSignalSpy searched(control<QPushButton>("b_szukaj"), &QPushButton::clicked);

    control<QComboBox>("lista_odbiorcow")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("lista_towarow"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(focusName(), QStringLiteral("Edit1"));
    EXPECT_EQ(added.count(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(focusName(), QStringLiteral("lista_towarow"));

    control<QLineEdit>("find_nip")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kr"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(searched.count(), 1);
    EXPECT_EQ(added.count(), 1);
}

TEST_F(MainWindowTest, AnsweringNoToClosingKeepsEverything)
{
    fillTables();
    start();
    QSignalSpy ended(&faktura(), &ui::TfFaktura::programEnded);
    // A document in progress.
    control<QComboBox>("Druk")->setCurrentIndex(4);
    control<QComboBox>("lista_odbiorcow")->setCurrentIndex(1);
    control<QLineEdit>("Edit1")->setText(QStringLiteral("3"));
    date(8)->setText(QStringLiteral("17"));
    control<QListWidget>("Memo1")->addItems({QStringLiteral("Łopata"), QStringLiteral("Młotek")});
    control<QLineEdit>("Edit5")->setText(QStringLiteral("84,50"));
    const auto grab = [this] {
        QStringList state;
        for (QWidget* widget : faktura().findChildren<QWidget*>()) {
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                state << edit->objectName() + QLatin1Char('=') + edit->text();
            } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
                state << list->objectName() + QLatin1Char('=') + list->currentText();
            } else if (auto* column = qobject_cast<QListWidget*>(widget)) {
                state << column->objectName() + QLatin1Char('=') + QString::number(column->count());
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                state << label->objectName() + QLatin1Char('=') + label->text();
            }
        }
        return state;
    };
    const QStringList before = grab();

    m_messages.queueAnswer(common::MessageAnswer::No);
    control<QPushButton>("b_zamknij")->click();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    common::testing::expectBox(m_messages.last(), QStringLiteral("Czy zakończyć fakturowanie ?"),
                               QStringLiteral("Kwitola®"), common::MessageIcon::Question,
                               common::MessageButtons::YesNo);
    EXPECT_TRUE(faktura().isVisible());
    EXPECT_EQ(grab(), before);
    EXPECT_EQ(ended.count(), 0);
    SingleInstance other(lockPath());
    EXPECT_FALSE(other.acquire()) << "the guard is still held";

    m_messages.queueAnswer(common::MessageAnswer::Yes);
    faktura().close();
    EXPECT_FALSE(faktura().isVisible());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(MainWindowTest, SavedNumberAndSuffixAreShownAtStart)
{
    writeFile(QStringLiteral("faktura.kfx"),
              "close\r\n\r\n\r\n125\r\n/2024\r\nclose\r\n\r\nclose\r\n\r\n\r\n");
    start();
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("125/2024"));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(MainWindowTest, UnreadableSettingsAreReportedAndTheStartGoesOnWithDefaults)
{
    fillTables();
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("faktura.kfx")));
    start();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Kwitola®"));
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("faktura.kfx")));
    EXPECT_TRUE(faktura().isStarted()) << "the tables open all the same";
    EXPECT_EQ(control<QLineEdit>("Edit6")->text(), QStringLiteral("0"));
    EXPECT_EQ(control<QComboBox>("lista_odbiorcow")->count(), 3);
}

} // namespace
} // namespace kwitola::testing
