// The checks of a submitted number, in their order, and their messages.
#include "karoskop/core/lastnumberfile.h"
#include "karoskop/core/vinentry.h"
#include "karoskop/tests/vinfixture.h"

#include <gtest/gtest.h>

namespace karoskop {
namespace {

using testing::vinOf;

Vin withField(Vin vin, int position, const QString& text)
{
    vin[static_cast<std::size_t>(position - 1)] = text;
    return vin;
}

const QString kGood = QStringLiteral("WF0AXXGBBAVA12345");

TEST(VinEntry, RefusalsComeInTheirOrderAtTheFirstFailingPosition)
{
    const struct
    {
        const char* what;
        Vin fields;
        EntryCheck check;
        int position;
        bool stored;
    } cases[] = {
        {"empty 9 beats a space in 3", withField(withField(vinOf(kGood), 9, {}), 3, " "),
         EntryCheck::Completeness, 9, false},
        {"all empty", Vin{}, EntryCheck::Completeness, 1, false},
        {"space in 17", withField(vinOf(kGood), 17, " "), EntryCheck::Spaces, 17, false},
        {"space before a bad character", withField(withField(vinOf(kGood), 2, "-"), 8, " "),
         EntryCheck::Spaces, 8, false},
        {"two blanks are no single space", withField(vinOf(kGood), 6, "  "), EntryCheck::Characters,
         6, true},
        {"hyphen in 12", withField(vinOf(kGood), 12, "-"), EntryCheck::Characters, 12, true},
        {"diacritic in 12", withField(vinOf(kGood), 12, QStringLiteral("Ą")),
         EntryCheck::Characters, 12, true},
        {"small letter", withField(vinOf(kGood), 1, "w"), EntryCheck::Characters, 1, true},
        {"first of 5 and 9", withField(withField(vinOf(kGood), 9, "*"), 5, "@"),
         EntryCheck::Characters, 5, true},
        {"below 0", withField(vinOf(kGood), 7, "/"), EntryCheck::Characters, 7, true},
        {"between 9 and A", withField(vinOf(kGood), 7, ":"), EntryCheck::Characters, 7, true},
        {"above Z", withField(vinOf(kGood), 7, "["), EntryCheck::Characters, 7, true},
        {"not in the code page", withField(vinOf(kGood), 3, QStringLiteral("日")),
         EntryCheck::Characters, 3, true},
        {"longer text judged by its first", withField(vinOf(kGood), 4, "a1"),
         EntryCheck::Characters, 4, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const EntryResult r = checkEntry(c.fields);
        ASSERT_TRUE(r.refusal.has_value());
        EXPECT_EQ(r.refusal->check, c.check);
        EXPECT_EQ(r.refusal->position, c.position);
        EXPECT_EQ(r.storeNumber, c.stored);
        EXPECT_EQ(r.fileBytes.isEmpty(), !c.stored);
    }
}

TEST(VinEntry, EveryDigitAndCapitalLetterPasses)
{
    // I, O and Q included: they are refused nowhere in the entry.
    const QString all = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (int start = 0; start < all.size(); start += kVinLength) {
        QString number = all.mid(start, kVinLength);
        number += kGood.mid(number.size());
        SCOPED_TRACE(number.toStdString());
        const EntryResult r = checkEntry(vinOf(number));
        EXPECT_FALSE(r.refusal.has_value());
        EXPECT_TRUE(r.storeNumber);
    }
}

TEST(VinEntry, LetterOBecomesZeroFromPositionFourOn)
{
    const EntryResult r = checkEntry(vinOf(QStringLiteral("WOOOXXGBBAVA1234O")));
    ASSERT_FALSE(r.refusal.has_value());
    EXPECT_EQ(r.stored[1], u"O");
    EXPECT_EQ(r.stored[2], u"O");
    EXPECT_EQ(r.stored[3], u"0");
    EXPECT_EQ(r.stored[16], u"0");
    EXPECT_EQ(r.fileBytes, encodeLastNumber(r.stored));
    // Only a lone capital O is replaced.
    EXPECT_EQ(storedForm(withField(vinOf(kGood), 5, "OO"))[4], u"OO");
}

TEST(VinEntry, NumberRefusedForACharacterIsStoredAsTyped)
{
    const EntryResult r = checkEntry(withField(vinOf(kGood), 12, QStringLiteral("Ą")));
    ASSERT_TRUE(r.storeNumber);
    EXPECT_EQ(r.fileBytes.mid(33, 3), QByteArray("\xA5\r\n")); // line 12
}

TEST(VinEntry, MessagePositions)
{
    const QPoint window(40, 60);
    EXPECT_EQ(refusalMessagePosition(EntryCheck::Completeness, window, 1280), QPoint(490, 135));
    EXPECT_EQ(refusalMessagePosition(EntryCheck::Spaces, window, 1025), QPoint(362, 135));
    EXPECT_EQ(refusalMessagePosition(EntryCheck::Characters, window, 1280), QPoint(70, 135));
    EXPECT_EQ(refusalMessagePosition(EntryCheck::Characters, QPoint(-4, -4), 800), QPoint(26, 71));
}

} // namespace
} // namespace karoskop
