// The decoding run from start to end: order of the steps and the rules of
// its last steps.
#include "karoskop/core/decoder.h"
#include "karoskop/core/lastnumberfile.h"
#include "karoskop/core/vinentry.h"
#include "karoskop/tests/vinfixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace karoskop {
namespace {

using testing::vinOf;

const QString kEq = QStringLiteral("=");
const QString kNoData = QStringLiteral("brak danych");
const QString kExplanation =
    QStringLiteral("Znak = oznacza, iż dana informacja nie jest zakodowana przez producenta. ");

TEST(Decoder, MissingFileLeavesTheStartValues)
{
    QTemporaryDir dir;
    Decoder decoder;
    decoder.decode(vinOf(QStringLiteral("WF0XXXXXAFM012345")));
    decoder.rozkodowanieVin(dir.path());
    EXPECT_EQ(decoder.description(), VehicleDescription{});
    EXPECT_EQ(decoder.description().make, kEq);
    EXPECT_FALSE(decoder.severalTypes());
}

TEST(Decoder, ReadsTheNumberAsStoredInTheFile)
{
    QTemporaryDir dir;
    // Typed with a letter O in positions 2 and 4: the file holds O and 0.
    const EntryResult entry = checkEntry(vinOf(QStringLiteral("WOLOXXXXXXX012345")));
    ASSERT_FALSE(entry.refusal.has_value());
    ASSERT_TRUE(writeLastNumber(dir.path(), entry.stored));
    Decoder decoder;
    decoder.rozkodowanieVin(dir.path());
    EXPECT_EQ(decoder.lastRun().vin, entry.stored);
    EXPECT_EQ(decoder.description().fullVin, QStringLiteral("WOL0XXXXXXX012345"));
    EXPECT_EQ(decoder.description().make, QStringLiteral("Opel"));

    // The file and a number given directly go the same way.
    const VehicleDescription fromFile = decoder.description();
    decoder.decode(entry.stored);
    EXPECT_EQ(decoder.description(), fromFile);
}

TEST(Decoder, NumberWithoutTypeBodyOrEngineExplainsThePlaceholder)
{
    Decoder decoder;
    decoder.decode(vinOf(QStringLiteral("W0LXXXXXXXX012345")));
    const VehicleDescription& d = decoder.description();
    EXPECT_EQ(d.region, QStringLiteral("Europa"));
    EXPECT_EQ(d.type, kEq);
    EXPECT_EQ(d.comments, (std::array<QString, 3>{kExplanation, QString(), QString()}));
    // No year was decoded, and no serial number is given for this make.
    EXPECT_EQ(d.productionYear, kNoData);
    EXPECT_EQ(d.modelYear, kNoData);
    EXPECT_EQ(d.serial, kEq);
}

TEST(Decoder, UnknownManufacturerKeepsTheMakeAtPlaceholder)
{
    Decoder decoder;
    for (const char* number : {"WAUZZZ8LZXA012345", "ZFA00000000012345", "VF1AAAAAAAA012345"}) {
        SCOPED_TRACE(number);
        decoder.decode(vinOf(QString::fromLatin1(number)));
        EXPECT_EQ(decoder.description().make, kEq);
        EXPECT_EQ(decoder.description().fullVin, QString::fromLatin1(number));
    }
}

TEST(Decoder, FordRunFillsTheFordFieldsAndAsksForAModelWhenSeveralFit)
{
    Decoder decoder;
    decoder.decode(vinOf(QStringLiteral("WF0XXXXXAFM012345")));
    const VehicleDescription& d = decoder.description();
    EXPECT_EQ(d.make, QStringLiteral("Ford"));
    EXPECT_EQ(d.models, (QStringList{"Ford Orion", "Ford Escort"}));
    EXPECT_TRUE(decoder.severalTypes());
    EXPECT_EQ(d.productionYear, QStringLiteral("1991"));
    EXPECT_EQ(d.serial, QStringLiteral("12345"));
    EXPECT_EQ(d.fullVin, QStringLiteral("WF0XXXXXAFM012345"));
    // The type is known, so the Ford comments stand.
    EXPECT_NE(d.comments[0], kExplanation);
    EXPECT_FALSE(d.comments[1].isEmpty());

    decoder.decode(vinOf(QStringLiteral("WF0DA51XXXX012345")));
    EXPECT_EQ(decoder.description().models, QStringList{"Ford Windstar"});
    EXPECT_FALSE(decoder.severalTypes());
}

TEST(Decoder, EachRunStartsAfresh)
{
    Decoder decoder;
    decoder.decode(vinOf(QStringLiteral("WF0XXXXXAFM012345")));
    decoder.decode(vinOf(QStringLiteral("W0LXXXXXXXX012345")));
    const VehicleDescription& d = decoder.description();
    EXPECT_TRUE(d.models.isEmpty());
    EXPECT_EQ(d.serial, kEq);
    EXPECT_EQ(d.productionMonth, kEq);
    EXPECT_EQ(d.make, QStringLiteral("Opel"));
    EXPECT_FALSE(decoder.severalTypes());
}

TEST(Decoder, RomanianStepRunsForUInPositionOneOrTwo)
{
    Decoder decoder;
    decoder.decode(vinOf(QStringLiteral("WU2XXXXXXXX012345")));
    const VehicleDescription& d = decoder.description();
    EXPECT_EQ(d.region, QStringLiteral("Europa")); // W settles region and country
    EXPECT_EQ(d.type, QStringLiteral("Club 11RL / 12 TRS"));
    EXPECT_EQ(d.comments[0], kExplanation);
    EXPECT_EQ(d.productionYear, kNoData);
}

} // namespace
} // namespace karoskop
