// The position-choice window of emergency decoding, driven through the main
// window's submit and the result window's back button.
#include "common/widgets/transparentbutton.h"
#include "karoskop/tests/karoskopwindowsfixture.h"
#include "karoskop/ui/tfawaria.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace karoskop::testing {
namespace {

const QColor kWhite{Qt::white};
const QColor kLime{0, 255, 0};

// Positions 1-3 name no maker; 9 A and 10 F fit rule 5 (Orion, Escort).
const QString kUnknown = QStringLiteral("XYZXXXXXAFAB12345");

class EmergencyTest : public WindowsTest
{
protected:
    TfAwaria& choice() { return windows->awaria(); }
    // The emergency flag: up from entering the choice until it is cancelled.
    bool flagUp() { return windows->decoder().emergencyUnderWay(); }
    QCheckBox* box(int n)
    {
        return choice().findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
    }
    QLabel* character(int n)
    {
        return choice().findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
    }
    QColor colourOf(int n) { return character(n)->palette().color(QPalette::WindowText); }
    QString backCaption()
    {
        auto* button = result().findChild<QWidget*>(QStringLiteral("b_powrot"));
        if (auto* flat = qobject_cast<common::TTransparentButton*>(button)) {
            return flat->caption();
        }
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            return push->text();
        }
        return QStringLiteral("<no b_powrot>");
    }
    QStringList models()
    {
        return itemsOf(result().findChild<QComboBox*>(QStringLiteral("Lista1")));
    }

    // Runs action inside the position-choice window's modal loop, once it is
    // open; records whether it opened.
    void whenChoiceOpens(std::function<void()> action)
    {
        opened = false;
        QTimer::singleShot(0, &choice(), [this, action = std::move(action)] {
            opened = choice().isVisible() && QApplication::activeModalWidget() == &choice();
            if (opened) {
                action();
            }
            if (choice().isVisible()) {
                choice().reject(); // never leave a test inside the loop
            }
        });
    }

    // Submits number, answers Yes to the unknown-maker question, and runs
    // inChoice while the position-choice window is open.
    void submitUnknown(const QString& number, std::function<void()> inChoice)
    {
        QApplication::setActiveWindow(&main());
        main().activateWindow();
        QApplication::processEvents();
        clickMain("b_start");
        typeNumber(number);
        m_messages.clear();
        m_messages.queueAnswer(common::MessageAnswer::Yes);
        whenChoiceOpens(std::move(inChoice));
        clickMain("b_rozkodowanie");
    }
    void setTicks(std::initializer_list<std::pair<int, bool>> ticks)
    {
        for (const auto& [position, on] : ticks) {
            box(position)->setChecked(on);
        }
    }
    void press(const char* button) { click(choice(), button); }

    bool opened = false;
};

TEST_F(EmergencyTest, OpensFromTheSubmitWithItsFixedArrangement)
{
    struct Expected
    {
        bool ticked;
        bool locked;
        bool marked;
        QColor colour;
    };
    auto expected = [](int n) -> Expected {
        if (n <= 3) {
            return {false, true, true, kLime};
        }
        if (n >= 12) {
            return {true, true, true, kLime};
        }
        const bool on = n == 9 || n == 10;
        return {on, false, false, on ? kWhite : kLime};
    };
    bool flagInside = false;
    submitUnknown(kUnknown, [&] {
        flagInside = flagUp();
        EXPECT_EQ(choice().windowTitle(), QStringLiteral("Rozkodowanie awaryjne"));
        EXPECT_EQ(choice().size(), QSize(458, 223));
        for (int n = 1; n <= 17; ++n) {
            SCOPED_TRACE(n);
            const Expected e = expected(n);
            ASSERT_NE(box(n), nullptr);
            EXPECT_EQ(box(n)->isChecked(), e.ticked);
            EXPECT_EQ(box(n)->isEnabled(), !e.locked);
            auto* marker = choice().findChild<QWidget*>(QStringLiteral("marker%1").arg(n));
            EXPECT_EQ(marker != nullptr && marker->isVisible(), e.marked);
            if (marker != nullptr) {
                EXPECT_EQ(marker->size(), QSize(7, 7));
            }
            EXPECT_EQ(character(n)->text(), kUnknown.mid(n - 1, 1));
            EXPECT_EQ(colourOf(n), e.colour);
        }
        press("b_rozkodowanie");
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(flagInside);

    // Decoded: the result window shows the number, the flag stays up and the
    // back button leads to the choice.
    EXPECT_FALSE(choice().isVisible());
    EXPECT_TRUE(result().isVisible());
    EXPECT_TRUE(flagUp());
    EXPECT_EQ(backCaption(), QStringLiteral("Powrót do wyboru znaków"));
    EXPECT_EQ(main().focusWidget(), edit(1));
    EXPECT_EQ(label("Label0"), kUnknown);
    EXPECT_EQ(label("Label13"), QStringLiteral("12345"));
}

TEST_F(EmergencyTest, TickingAChoosablePositionColoursItsCharacter)
{
    choice().show();
    QApplication::processEvents();
    QTest::mouseClick(box(5), Qt::LeftButton);
    EXPECT_TRUE(box(5)->isChecked());
    EXPECT_EQ(colourOf(5), kWhite);
    QTest::mouseClick(box(5), Qt::LeftButton);
    EXPECT_FALSE(box(5)->isChecked());
    EXPECT_EQ(colourOf(5), kLime);
    QTest::mouseClick(box(9), Qt::LeftButton);
    EXPECT_EQ(colourOf(9), kLime);

    // Locked boxes do not move, and their characters keep their colour.
    for (int n : {1, 3, 12, 17}) {
        const bool before = box(n)->isChecked();
        QTest::mouseClick(box(n), Qt::LeftButton);
        EXPECT_EQ(box(n)->isChecked(), before) << n;
        EXPECT_EQ(colourOf(n), kLime) << n;
    }
    choice().hide();
}

TEST_F(EmergencyTest, CancellingGoesBackToTheMainWindow)
{
    // Both the button and Esc cancel.
    for (bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape);
        submitUnknown(kUnknown, [&] {
            if (byEscape) {
                QTest::keyClick(&choice(), Qt::Key_Escape);
            } else {
                press("b_rezygnacja");
            }
        });
        ASSERT_TRUE(opened);
        EXPECT_FALSE(choice().isVisible());
        EXPECT_FALSE(flagUp());
        EXPECT_EQ(backCaption(), QStringLiteral("Powrót do edycji numeru"));
        EXPECT_FALSE(result().isVisible());
        EXPECT_EQ(main().focusWidget(), edit(1)); // where the focus is when the main window is
    }
}

TEST_F(EmergencyTest, CancellingFromTheResultWindowClosesIt)
{
    submitUnknown(kUnknown, [&] { press("b_rozkodowanie"); });
    ASSERT_TRUE(result().isVisible());
    whenChoiceOpens([&] { press("b_rezygnacja"); });
    click(result(), "b_powrot");
    ASSERT_TRUE(opened);
    EXPECT_FALSE(choice().isVisible());
    EXPECT_FALSE(result().isVisible());
    EXPECT_FALSE(flagUp());
    EXPECT_EQ(backCaption(), QStringLiteral("Powrót do edycji numeru"));
}

TEST_F(EmergencyTest, ANewNumberEndsTheEmergencyDecoding)
{
    submitUnknown(kUnknown, [&] { press("b_rozkodowanie"); });
    ASSERT_EQ(backCaption(), QStringLiteral("Powrót do wyboru znaków"));

    QApplication::setActiveWindow(&main());
    clickMain("b_start");
    typeNumber(QStringLiteral("WF0XXXXXAFM012345"));
    clickMain("b_rozkodowanie");
    EXPECT_EQ(label("Label3"), QStringLiteral("Ford"));
    EXPECT_FALSE(flagUp());
    EXPECT_EQ(backCaption(), QStringLiteral("Powrót do edycji numeru"));
    // So the back button leads to the main window, not to the old choice.
    whenChoiceOpens([] {});
    click(result(), "b_powrot");
    EXPECT_FALSE(opened);
    EXPECT_FALSE(result().isVisible());
}

TEST_F(EmergencyTest, CancelDoesNothingWithoutAnEmergencyUnderWay)
{
    ASSERT_FALSE(flagUp());
    choice().show();
    QApplication::processEvents();
    press("b_rezygnacja");
    EXPECT_TRUE(choice().isVisible());
    EXPECT_FALSE(flagUp());
    choice().hide();
}

TEST_F(EmergencyTest, TheBackButtonReopensTheChoiceAsItWas)
{
    submitUnknown(kUnknown, [&] {
        setTicks({{4, true}, {5, true}, {6, true}, {7, true}, {10, false}});
        press("b_rozkodowanie");
    });
    ASSERT_TRUE(opened);
    EXPECT_EQ(models(), (QStringList{"Ford Escort", "Ford Orion", "Ford Escort Cabrio",
                                     "Ford Escort Kombi"}));

    whenChoiceOpens([&] {
        for (int n = 1; n <= 17; ++n) {
            EXPECT_EQ(character(n)->text(), kUnknown.mid(n - 1, 1)) << n;
        }
        EXPECT_TRUE(box(4)->isChecked());
        EXPECT_FALSE(box(10)->isChecked());
        EXPECT_EQ(colourOf(10), kLime);
        setTicks({{10, true}}); // 9 A, 10 F: rule 5 alone
        press("b_rozkodowanie");
    });
    click(result(), "b_powrot");
    ASSERT_TRUE(opened);
    EXPECT_EQ(models(), (QStringList{"Ford Orion", "Ford Escort"}));
    EXPECT_EQ(label("Label4"), QStringLiteral("Escort / Orion"));
    EXPECT_EQ(backCaption(), QStringLiteral("Powrót do wyboru znaków"));
}

TEST_F(EmergencyTest, ListsEveryModelThatFitsTheTickedPositions)
{
    const QString severalTypes = QStringLiteral(
        "Program znalazł więcej niż jeden typ pojazdu pasujący do kodu nadwozia. Aby rozkodować "
        "dane pojazdu - program potrzebuje więcej informacji. Proszę wybrać z rozwijalnej listy "
        "odpowiedni model.");
    const struct
    {
        const char* what;
        const char* number;
        std::initializer_list<std::pair<int, bool>> ticks;
        QStringList models;
        const char* type;
        const char* engine;
    } cases[] = {
        // Rules testing only 4-7 do not fit while those are unticked.
        {"9 and 10 as at first",
         "XYZXXXXXAFAB12345",
         {},
         {"Ford Orion", "Ford Escort"},
         "Escort / Orion",
         "benzyna / olej napędowy"},
        {"4-7 ticked and holding the Windstar code",
         "XYZDA51XAFAB12345",
         {{4, true}, {5, true}, {6, true}, {7, true}},
         {"Ford Orion", "Ford Escort", "Ford Windstar"},
         "Windstar",
         "benzyna"},
        {"4-7 ticked: one rule",
         "XYZXXXXXFAAB12345",
         {{4, true}, {5, true}, {6, true}, {7, true}},
         {"Ford Fiesta"},
         "Fiesta",
         "benzyna / olej napędowy"},
        {"nothing fits",
         "XYZXXXXXXAAB12345",
         {{4, true}, {5, true}, {6, true}, {7, true}},
         {},
         "=",
         "="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        setTicks({{4, false},
                  {5, false},
                  {6, false},
                  {7, false},
                  {8, false},
                  {9, true},
                  {10, true},
                  {11, false}});
        submitUnknown(QString::fromLatin1(c.number), [&] {
            setTicks(c.ticks);
            press("b_rozkodowanie");
        });
        ASSERT_TRUE(opened);
        EXPECT_EQ(models(), c.models);
        EXPECT_EQ(label("Label4"), QString::fromUtf8(c.type));
        EXPECT_EQ(label("Label10"), QString::fromUtf8(c.engine));
        for (const char* field : {"Label1", "Label2", "Label3"}) {
            EXPECT_EQ(label(field), QStringLiteral("=")) << field;
        }
        resultOnScreen();
        const bool asked =
            std::any_of(m_messages.messages().begin(), m_messages.messages().end(),
                        [&](const common::Message& m) { return m.text == severalTypes; });
        EXPECT_EQ(asked, c.models.size() >= 2);
    }
}

} // namespace
} // namespace karoskop::testing
