// Picking a model in the result window's vehicle-type list.
#include "common/testsupport/recordingmessageservice.h"
#include "karoskop/core/decoder.h"
#include "karoskop/core/lastnumberfile.h"
#include "karoskop/ui/tfvinfind.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace karoskop {
namespace {

class ModelListWindow : public ::testing::Test
{
protected:
    void decode(const char* number)
    {
        Vin vin;
        for (int i = 0; i < kVinLength; ++i) {
            vin[static_cast<std::size_t>(i)] = QString(QLatin1Char(number[i]));
        }
        ASSERT_TRUE(writeLastNumber(dir.path(), vin));
        window.rozkodowanieVin();
        window.present();
        // The question about several types comes once the window is on screen.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window.modelQuestionPending(); }));
    }

    QString label(const char* name) const
    {
        const auto* field = window.findChild<QLabel*>(QString::fromLatin1(name));
        return field != nullptr ? field->text() : QStringLiteral("<brak pola>");
    }

    // Picks the entry at index as a user does: opens the list and chooses.
    void pick(int index)
    {
        auto* list = window.findChild<QComboBox*>(QStringLiteral("Lista1"));
        ASSERT_NE(list, nullptr);
        list->setFocus();
        for (int i = list->currentIndex(); i < index; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        for (int i = list->currentIndex(); i > index; --i) {
            QTest::keyClick(list, Qt::Key_Up);
        }
        ASSERT_EQ(list->currentIndex(), index);
    }

    QTemporaryDir dir;
    common::testing::RecordingMessageService messages;
    Decoder decoder;
    TfVinFind window{messages, decoder, dir.path()};
};

TEST_F(ModelListWindow, PickingAnotherModelShowsItsWholeSpan)
{
    decode("WF0XXXXXAFM012345");               // "Ford Orion", then "Ford Escort", year 1991
    ASSERT_EQ(messages.messages().size(), 1u); // the several-types question
    EXPECT_EQ(label("Label12"), QStringLiteral("1991 1992 1993 1994 1995"));
    pick(1);
    EXPECT_EQ(label("Label12"), QStringLiteral("1980 1981 1982 1983 1984 1985 1986 1987 1988 "
                                               "1989 1990 1991 1992 1993 1994 1995 1996 1997 "
                                               "1998 1999"));
    EXPECT_EQ(label("Label4"), QStringLiteral("Escort / Orion"));
    EXPECT_EQ(label("Label5"), QStringLiteral("1991"));
    EXPECT_EQ(label("Label13"), QStringLiteral("12345"));
    pick(0);
    EXPECT_EQ(label("Label12"),
              QStringLiteral("1983 1984 1985 1986 1987 1988 1989 1990 1991 1992 1993"));
    const auto* list = window.findChild<QComboBox*>(QStringLiteral("Lista1"));
    EXPECT_EQ(list->count(), 2);
}

TEST_F(ModelListWindow, ModelsWithoutAGivenSpanGetTheirOwn)
{
    decode("WF0XXXXXGAF012345");            // "Ford Granada", then "Ford Scorpio" (1985)
    EXPECT_EQ(label("Label12"), QString()); // no decoding-time row for Granada
    pick(1);
    EXPECT_EQ(label("Label12"), QStringLiteral("1985 1986 1987 1988 1989 1990 1991 1992 1993 "
                                               "1994 1995 1996 1997 1998 1999"));
    pick(0);
    EXPECT_EQ(label("Label12"), QStringLiteral("1980 1981 1982 1983 1984 1985"));
}

} // namespace
} // namespace karoskop
