// "Rozkodowanie": the checks in their order, the stored number, the run and
// what follows it.
#include "common/testsupport/filesizelimit.h"
#include "karoskop/tests/karoskopwindowsfixture.h"
#include "karoskop/ui/tfawaria.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace karoskop {
namespace {

using common::MessageAnswer;
using common::MessageButtons;
using common::MessageIcon;
using testing::WindowsTest;

using Submit = WindowsTest;

const QString kFord = QStringLiteral("WF0XXXXXAFM012345");

struct FieldEdit
{
    int position;
    const char* text;
};

TEST_F(Submit, RefusalsShowTheirMessageAtTheirPlace)
{
    const QString kIncomplete = QStringLiteral("Wprowadzony numer nadwozia nie zawiera 17 znaków.");
    const QString kSpace = QStringLiteral("Wprowadzony numer nadwozia zawiera spację.");
    const auto kBadChar = [](int n) {
        return QStringLiteral("Jeżeli dane na poz.%1 są wprowadzone poprawnie - proszę "
                              "dokładnie sprawdzić pole numerowe nadwozia.")
            .arg(n);
    };
    const struct
    {
        const char* what;
        std::vector<FieldEdit> edits;
        QString text;
        bool relativeToWindow;
        bool stored;
        int focusAfter; // 0: where it was
    } cases[] = {
        {"empty 9 before a space in 3", {{9, ""}, {3, " "}}, kIncomplete, false, false, 0},
        {"space in 17", {{17, " "}}, kSpace, false, false, 0},
        {"hyphen in 12", {{12, "-"}}, kBadChar(12), true, true, 12},
        {"diacritic in 12", {{12, "Ą"}}, kBadChar(12), true, true, 12},
        {"bad 5 and 9: only 5", {{9, "#"}, {5, "@"}}, kBadChar(5), true, true, 5},
        {"bad 1", {{1, "*"}}, kBadChar(1), true, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(kfxPath());
        m_messages.clear();
        clickMain("b_start");
        typeNumber(kFord);
        for (const FieldEdit& e : c.edits) {
            edit(e.position)->setText(QString::fromUtf8(e.text));
        }
        edit(2)->setFocus();

        clickMain("b_rozkodowanie");

        ASSERT_EQ(m_messages.messages().size(), 1u);
        const common::Message& m = m_messages.last();
        EXPECT_EQ(m.text, c.text);
        EXPECT_EQ(m.title, QStringLiteral("Karoskop"));
        EXPECT_EQ(m.icon, MessageIcon::None);
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
        const QRect frame = main().frameGeometry();
        const int screenWidth = main().screen()->geometry().width();
        const QPoint expected = c.relativeToWindow
                                    ? QPoint(frame.left() + 30, frame.top() + 75)
                                    : QPoint(screenWidth / 2 - 150, frame.top() + 75);
        EXPECT_EQ(m.topLeft, std::optional<QPoint>(expected));
        EXPECT_EQ(QFile::exists(kfxPath()), c.stored);
        EXPECT_EQ(focusedField(), c.focusAfter == 0 ? 2 : c.focusAfter);
        EXPECT_FALSE(result().isVisible());
    }
}

TEST_F(Submit, StoresTheNumberBeforeTheCharacterCheck)
{
    // O in positions 2 and 4, a diacritic in 12.
    typeNumber(QStringLiteral("woooxxxxafmą1234o"));
    ASSERT_EQ(edit(12)->text(), QStringLiteral("Ą"));
    clickMain("b_rozkodowanie");
    EXPECT_EQ(kfxBytes(), QByteArray("W\r\nO\r\nO\r\n0\r\nX\r\nX\r\nX\r\nX\r\nA\r\nF\r\nM\r\n"
                                     "\xA5\r\n1\r\n2\r\n3\r\n4\r\n0\r\n"));
    // The fields keep what was typed.
    EXPECT_EQ(edit(4)->text(), u"O");
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("poz.12 ")));
    EXPECT_EQ(focusedField(), 12);
}

TEST_F(Submit, AFailedWriteSaysSoAndKeepsTheOldFile)
{
    writeKfx("OLD\r\n");
    typeNumber(kFord);
    {
        const common::testing::FileSizeLimit full;
        clickMain("b_rozkodowanie");
    }
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("test.kfx")));
    EXPECT_EQ(m_messages.last().icon, MessageIcon::Error);
    EXPECT_EQ(kfxBytes(), QByteArray("OLD\r\n"));
    EXPECT_FALSE(result().isVisible());
}

TEST_F(Submit, KnownMakeShowsTheResultWindow)
{
    const struct
    {
        const char* typed;
        const char* fullVin;
        const char* make;
    } cases[] = {
        {"wf0xxxxxafm012345", "WF0XXXXXAFM012345", "Ford"},
        {"wfoxxxxxafm012345", "WFOXXXXXAFM012345", "Ford"},
        {"w0lxxxxxxxxo12345", "W0LXXXXXXXX012345", "Opel"},
        {"wolxxxxxxxx012345", "WOLXXXXXXXX012345", "Opel"},
        {"wo4xxxxxxxx012345", "WO4XXXXXXXX012345", "WM Meyer"},
        {"wf1xxxxxxxx012345", "WF1XXXXXXXX012345", "Merkur"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        m_messages.clear();
        result().hide();
        clickMain("b_start");
        typeNumber(QString::fromLatin1(c.typed));
        clickMain("b_rozkodowanie");
        EXPECT_TRUE(result().isVisible());
        EXPECT_EQ(label("Label0"), QString::fromLatin1(c.fullVin));
        EXPECT_EQ(label("Label1"), QStringLiteral("Europa"));
        EXPECT_EQ(label("Label2"), QStringLiteral("Niemcy / RFN"));
        EXPECT_EQ(label("Label3"), QString::fromLatin1(c.make));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // the hourglass is gone
    }
}

TEST_F(Submit, SeveralFittingTypesAskForAChoice)
{
    typeNumber(kFord);
    clickMain("b_rozkodowanie");
    resultOnScreen();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral("Program znalazł więcej niż jeden typ pojazdu pasujący do kodu "
                             "nadwozia. Aby rozkodować dane pojazdu - program potrzebuje więcej "
                             "informacji. Proszę wybrać z rozwijalnej listy odpowiedni model."));
    EXPECT_EQ(m_messages.last().title, QStringLiteral("Karoskop"));
    EXPECT_EQ(m_messages.last().icon, MessageIcon::Exclamation);
    auto* list = result().findChild<QComboBox*>(QStringLiteral("Lista1"));
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(result().focusWidget(), list); // it gets the focus when the window does
    EXPECT_EQ(label("Label5"), QStringLiteral("1991"));
    EXPECT_EQ(label("Label13"), QStringLiteral("12345"));

    // One fitting type: no question.
    m_messages.clear();
    QApplication::setActiveWindow(&main());
    clickMain("b_start");
    typeNumber(QStringLiteral("WF0DA51XXXX012345"));
    clickMain("b_rozkodowanie");
    resultOnScreen();
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(list->count(), 1);
}

// The question has no place of its own: it waits until the result window
// is on screen and stands centred over it, on the first run and on a run
// while the window is already shown.
TEST_F(Submit, SeveralTypesAreAskedOverTheResultWindowOnScreen)
{
    bool onScreen = false;
    QRect resultFrame;
    m_messages.onShow([&](const common::Message&) {
        onScreen = result().isVisible() && result().windowHandle() != nullptr &&
                   result().windowHandle()->isExposed();
        resultFrame = result().frameGeometry();
    });
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        m_messages.clear();
        onScreen = false;
        QApplication::setActiveWindow(&main());
        clickMain("b_start");
        typeNumber(kFord);
        clickMain("b_rozkodowanie");
        resultOnScreen();
        ASSERT_EQ(m_messages.messages().size(), 1u); // once
        EXPECT_TRUE(onScreen);
        EXPECT_FALSE(m_messages.last().topLeft.has_value());
        ASSERT_TRUE(m_messages.last().centredOver.has_value());
        EXPECT_EQ(*m_messages.last().centredOver, resultFrame);
        QApplication::processEvents();
        EXPECT_EQ(m_messages.messages().size(), 1u); // and not again
    }
}

TEST_F(Submit, UnknownManufacturerAsksWhetherToGoOn)
{
    const QString question =
        QStringLiteral("Błąd ! Kombinacja znaków na poz.1 , 2 i 3 nie występuje w żadnym numerze "
                       "nadwozia. Proszę sprawdzić poprawność wprowadzonych danych.\r"
                       "Czy kontynuować rozkodowanie ?");
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        SCOPED_TRACE(answer == MessageAnswer::Yes ? "Yes" : "No");
        m_messages.clear();
        result().hide();
        clickMain("b_start");
        typeNumber(QStringLiteral("WAUZZZ8LZXA012345"));
        edit(6)->setFocus();
        m_messages.queueAnswer(answer);
        QString makeWhileAsked;
        m_messages.onShow([&](const common::Message&) { makeWhileAsked = label("Label1"); });
        if (answer == MessageAnswer::Yes) {
            // However the position choice is closed, the result window follows.
            QTimer::singleShot(0, &windows->awaria(),
                               [this] { windows->awaria().done(QDialog::Accepted); });
        }

        clickMain("b_rozkodowanie");

        ASSERT_EQ(m_messages.messages().size(), 1u);
        const common::Message& m = m_messages.last();
        EXPECT_EQ(m.text, question);
        EXPECT_EQ(m.title, QStringLiteral("Karoskop®"));
        EXPECT_EQ(m.icon, MessageIcon::Question);
        EXPECT_EQ(m.buttons, MessageButtons::YesNo);
        EXPECT_EQ(m.defaultAnswer, MessageAnswer::No);
        EXPECT_FALSE(m.topLeft.has_value());
        // The region was decoded, but the fields are emptied before asking.
        EXPECT_TRUE(makeWhileAsked.isEmpty());
        EXPECT_TRUE(label("Label0").isEmpty());
        EXPECT_TRUE(label("Label3").isEmpty());
        EXPECT_TRUE(label("Label140").isEmpty());
        EXPECT_EQ(result().isVisible(), answer == MessageAnswer::Yes);
        // With the result window in front, field 1 keeps the main window's focus.
        EXPECT_EQ(main().focusWidget(), edit(answer == MessageAnswer::Yes ? 1 : 6));
        m_messages.onShow({});
    }
}

TEST_F(Submit, OtherFirstLettersMatchNoManufacturer)
{
    typeNumber(QStringLiteral("VF1AAAAAAAA012345"));
    clickMain("b_rozkodowanie");
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().icon, MessageIcon::Question);
    EXPECT_FALSE(result().isVisible());
}

} // namespace
} // namespace karoskop
