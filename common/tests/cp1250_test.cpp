#include "common/core/cp1250.h"

#include <gtest/gtest.h>

using namespace common;

TEST(Cp1250, PolishLettersHaveTheirCodePageBytes)
{
    const QString letters = QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźż");
    const QByteArray expected = QByteArray::fromHex("a5c6caa3d1d38c8fafb9e6eab3f1f39c9fbf");
    EXPECT_EQ(cp1250::encode(letters), expected);
    EXPECT_EQ(cp1250::decode(expected), letters);
}

TEST(Cp1250, EveryLineIsEncodedAndEndedByCrLf)
{
    const QString lines[] = {QStringLiteral("Łódź"), QString(), QStringLiteral("a\u0416")};
    EXPECT_EQ(cp1250::encodeLines(lines), QByteArray("\xa3\xf3"
                                                     "d\x9f\r\n\r\na?\r\n"));
    EXPECT_EQ(cp1250::encodeLines({}), QByteArray());
}

TEST(Cp1250, EveryByteSurvivesARoundTrip)
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, static_cast<char>(b));
        const QString text = cp1250::decode(one);
        ASSERT_EQ(text.size(), 1) << b;
        EXPECT_EQ(cp1250::encode(text), one) << "byte " << b;
    }
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    const QString text = QStringLiteral("a\u0416b\u00e6"); // Cyrillic Zhe, Latin ae
    EXPECT_FALSE(cp1250::canEncode(text));
    EXPECT_EQ(cp1250::encode(text), QByteArray("a?b?"));
    EXPECT_TRUE(cp1250::canEncode(QStringLiteral("Zażółć gęślą jaźń €")));
}
