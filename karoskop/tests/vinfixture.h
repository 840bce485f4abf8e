#pragma once

#include "common/testsupport/chartexts.h"
#include "karoskop/core/decodingcontext.h"

#include <QString>
#include <utility>

namespace karoskop::testing {

// The seventeen one-character fields of number (empty past its end).
inline Vin vinOf(const QString& number)
{
    return common::testing::charTexts<kVinLength>(number);
}

// A decoding context for one 17-character number, with its own session.
class VinFixture
{
public:
    explicit VinFixture(const QString& number, const QString& make = QString())
    {
        reset(number, make);
    }

    void reset(const QString& number, const QString& make = QString())
    {
        context = DecodingContext{};
        context.session = &session;
        context.vin = vinOf(number);
        if (!make.isNull()) {
            context.description.make = make;
        }
        context.makeCopy = context.description.make;
    }

    VehicleDescription& d() { return context.description; }

    DecodingSession session;
    DecodingContext context;
};

// number with the characters at the given positions (1..17) replaced.
inline QString withChars(QString number, std::initializer_list<std::pair<int, char>> changes)
{
    for (const auto& [position, c] : changes) {
        number[position - 1] = QLatin1Char(c);
    }
    return number;
}

} // namespace karoskop::testing
