// The main window: its controls, the fields' typing rules, "Start
// wpisywania", "Ostatni numer" and the about box.
#include "karoskop/tests/karoskopwindowsfixture.h"
#include "karoskop/ui/tfabout.h"
#include "karoskop/ui/tfawaria.h"
#include "karoskop/ui/tfdruk.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QTimer>

namespace karoskop {
namespace {

using common::MessageIcon;
using testing::WindowsTest;

using MainWindow = WindowsTest;

TEST_F(MainWindow, StartsWithFiveWindowsAndOnlyTheMainOneShown)
{
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Karoskop® v.5.1999"));
    EXPECT_EQ(result().windowTitle(), QStringLiteral("Karoskop - opis pojazdu"));
    EXPECT_EQ(windows->about().windowTitle(), QStringLiteral("O programie"));
    EXPECT_EQ(windows->druk().windowTitle(), QStringLiteral("Druk"));
    EXPECT_EQ(windows->awaria().windowTitle(), QStringLiteral("Rozkodowanie awaryjne"));
    EXPECT_FALSE(result().isVisible());
    EXPECT_FALSE(windows->about().isVisible());
    for (int n = 1; n <= 17; ++n) {
        ASSERT_NE(edit(n), nullptr) << n;
        EXPECT_TRUE(edit(n)->text().isEmpty());
        EXPECT_EQ(edit(n)->size(), QSize(25, 28));
        auto* number = main().findChild<QLabel*>(QStringLiteral("Lab%1").arg(n));
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(number->text(), QString::number(n));
    }
    EXPECT_EQ(focusedField(), 1);
}

TEST_F(MainWindow, ButtonsCarryTheirCaptionsAndHints)
{
    const struct
    {
        const char* name;
        const char* text;
        const char* hint;
    } buttons[] = {
        {"b_start", "Start wpisywania", "Wyczyszczenie zawartości pól"},
        {"b_rozkodowanie", "Rozkodowanie", "Rozkodowanie wpisanego numeru"},
        {"b_ostatni", "Ostatni numer", "Wczytuje ostatni rozkodowywany numer nadwozia"},
        {"b_zamknij", "Zakończenie działania programu", "Wyjście z programu"},
        {"b_about", "", "O programie"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        auto* button = main().findChild<QAbstractButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.text));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.hint));
    }
    const QStringList instructions{
        "W celu uruchomienia procedury identyfikacji pojazdu -",
        "wprowadź pełny 17 - znakowy numer nadwozia/podwozia",
        "w formacie VIN. Rozpocznij w polu nr 1.",
        "Program traktuje małe i duże litery równoznacznie.",
        "Pamiętaj ! Wszystkie pola muszą być wypełnione.",
        "Po wprowadzeniu numeru naciśnij : ' Rozkodowanie '.",
    };
    for (int i = 0; i < instructions.size(); ++i) {
        auto* line = main().findChild<QLabel*>(QStringLiteral("instruction%1").arg(i + 1));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(), instructions[i]);
    }
    EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("title"))->text(), u"Karoskop®");
    EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("infoLabel"))->text(), u"Info");
}

TEST_F(MainWindow, TypingShowsCapitalsAndMovesOn)
{
    edit(5)->setFocus();
    QTest::keyClicks(edit(5), QStringLiteral("b"));
    EXPECT_EQ(edit(5)->text(), u"B");
    EXPECT_EQ(focusedField(), 6);

    // Deleting the character is a change as well.
    edit(5)->setFocus();
    QTest::keyClick(edit(5), Qt::Key_Backspace);
    EXPECT_TRUE(edit(5)->text().isEmpty());
    EXPECT_EQ(focusedField(), 6);

    // A diacritic is shown as its capital.
    edit(12)->setFocus();
    typeText(edit(12), QStringLiteral("ą"));
    EXPECT_EQ(edit(12)->text(), QStringLiteral("Ą"));
}

TEST_F(MainWindow, AFieldTakesOneTypedCharacter)
{
    edit(3)->setFocus();
    QTest::keyClicks(edit(3), QStringLiteral("X"));
    edit(3)->setFocus();
    edit(3)->end(false);
    QTest::keyClicks(edit(3), QStringLiteral("Y"));
    EXPECT_EQ(edit(3)->text(), u"X");
    // Field 17 keeps the focus.
    edit(17)->setFocus();
    QTest::keyClicks(edit(17), QStringLiteral("z"));
    EXPECT_EQ(edit(17)->text(), u"Z");
    EXPECT_EQ(focusedField(), 17);
}

TEST_F(MainWindow, SettingTheSameTextIsNoChange)
{
    edit(7)->setText(QStringLiteral("A"));
    EXPECT_EQ(focusedField(), 8);
    edit(3)->setFocus();
    edit(7)->setText(QStringLiteral("A"));
    EXPECT_EQ(focusedField(), 3);
}

TEST_F(MainWindow, TypingAWholeNumberFillsTheFieldsInOrder)
{
    typeNumber(QStringLiteral("wf0xxxxxafm012345"));
    EXPECT_EQ(main().fieldTexts()[0], u"W");
    EXPECT_EQ(main().fieldTexts()[10], u"M");
    EXPECT_EQ(main().fieldTexts()[16], u"5");
    EXPECT_EQ(focusedField(), 17);
}

TEST_F(MainWindow, StartWpisywaniaEmptiesTheFieldsAndGoesToFieldOne)
{
    typeNumber(QStringLiteral("WF0XXXXXAFM012345"));
    clickMain("b_start");
    for (const QString& text : main().fieldTexts()) {
        EXPECT_TRUE(text.isEmpty());
    }
    EXPECT_EQ(focusedField(), 1);
}

TEST_F(MainWindow, OstatniNumerWithoutAFileSaysSoAndChangesNothing)
{
    typeNumber(QStringLiteral("ABC"));
    clickMain("b_ostatni");
    ASSERT_EQ(m_messages.messages().size(), 1u);
    common::testing::expectBox(m_messages.last(), QStringLiteral("Brak informacji do odczytania."),
                               QStringLiteral("Karoskop"), MessageIcon::Information,
                               common::MessageButtons::Ok);
    EXPECT_EQ(main().fieldTexts()[2], u"C");
    EXPECT_TRUE(main().fieldTexts()[3].isEmpty());
}

TEST_F(MainWindow, OstatniNumerBringsBackTheSubmittedNumberAndEndsInField17)
{
    typeNumber(QStringLiteral("WOLOXXXXAFM01234O"));
    clickMain("b_rozkodowanie");
    auto* list = result().findChild<QComboBox*>(QStringLiteral("Lista1"));
    clickMain("b_start");
    list->addItem(QStringLiteral("stale"));
    m_messages.clear();

    clickMain("b_ostatni");
    EXPECT_TRUE(m_messages.empty());
    const Vin texts = main().fieldTexts();
    EXPECT_EQ(texts[1], u"O"); // position 2 kept as typed
    EXPECT_EQ(texts[3], u"0"); // position 4 stored as the digit
    EXPECT_EQ(texts[16], u"0");
    EXPECT_EQ(texts[8], u"A");
    EXPECT_EQ(focusedField(), 17);
    EXPECT_EQ(list->count(), 0);
}

TEST_F(MainWindow, OstatniNumerReadsShortAndLongLines)
{
    typeNumber(QStringLiteral("ZZZZZZZZZZZZZZZZZ"));
    writeKfx("w\r\nFORD\r\n0\r\n\r\nA\r\n");
    edit(1)->setFocus();
    clickMain("b_ostatni");
    const Vin texts = main().fieldTexts();
    EXPECT_EQ(texts[0], u"W");    // the fields show capitals whatever fills them
    EXPECT_EQ(texts[1], u"FORD"); // a longer line stands whole
    EXPECT_EQ(texts[2], u"0");
    EXPECT_TRUE(texts[3].isEmpty());
    EXPECT_EQ(texts[4], u"A");
    for (std::size_t i = 5; i < texts.size(); ++i) {
        EXPECT_TRUE(texts[i].isEmpty()) << i + 1;
    }
    EXPECT_EQ(focusedField(), 17);
}

TEST_F(MainWindow, OstatniNumerThatCannotReadTheFileKeepsTheFields)
{
    typeNumber(QStringLiteral("ABC"));
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("test.kfx")));
    clickMain("b_ostatni");
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(
        m_messages.last().text.startsWith(QStringLiteral("Nie można odczytać pliku test.kfx")))
        << m_messages.last().text.toStdString();
    EXPECT_EQ(m_messages.last().icon, MessageIcon::Error);
    EXPECT_EQ(main().fieldTexts()[0], u"A");
    EXPECT_EQ(main().fieldTexts()[2], u"C");
}

TEST_F(MainWindow, AboutBoxAlwaysOpensOnTheFirstInformationLine)
{
    TfAbout& about = windows->about();
    auto* list = about.findChild<QComboBox*>(QStringLiteral("informationList"));
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QString(23, u' ') + QStringLiteral("Informacje dodatkowe"));
    EXPECT_EQ(list->focusPolicy() & Qt::TabFocus, 0);

    for (int round = 0; round < 2; ++round) {
        int selected = -2;
        QSize size;
        QTimer::singleShot(0, &about, [&] {
            selected = list->currentIndex();
            size = about.size();
            list->setCurrentIndex(1); // the next showing selects the first again
            QTest::mouseClick(about.findChild<QAbstractButton*>(QStringLiteral("b_ok")),
                              Qt::LeftButton);
        });
        clickMain("b_about");
        EXPECT_EQ(selected, 0) << "round " << round;
        EXPECT_EQ(size, QSize(331, 257));
        EXPECT_FALSE(about.isVisible());
    }
}

TEST_F(MainWindow, ClosingTheWindowEndsTheProgram)
{
    bool ended = false;
    QObject::connect(&main(), &TfMainVin::closed, [&] { ended = true; });
    clickMain("b_zamknij");
    EXPECT_TRUE(ended);
    EXPECT_FALSE(main().isVisible());
}

} // namespace
} // namespace karoskop
