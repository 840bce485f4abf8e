// The North American check digit of VIN position 9.
#include "karoskop/core/checkdigit.h"

#include "karoskop/core/positions.h"

#include <array>

namespace karoskop {

namespace {

constexpr int kCheckDigitPosition = 9;
constexpr int kModulus = 11;
constexpr int kNoValue = -1;

// The weight of each position, 1 to 17; position 9 itself counts nothing.
constexpr std::array<int, kVinLength> kWeights{8, 7, 6, 5, 4, 3, 2, 10, 0, 9, 8, 7, 6, 5, 4, 3, 2};

// The value each letter stands for, A to Z; I, O and Q have none.
constexpr std::array<int, 26> kLetterValues{
    1, 2, 3, 4, 5, 6,        7, 8,        kNoValue, // A-I
    1, 2, 3, 4, 5, kNoValue, 7, kNoValue, 9,        // J-R
    2, 3, 4, 5, 6, 7,        8, 9,                  // S-Z
};

int valueOf(char16_t c)
{
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'Z') {
        return kLetterValues[static_cast<std::size_t>(c - u'A')];
    }
    return kNoValue;
}

} // namespace

bool northAmericanMaker(const Vin& number)
{
    const char16_t first = vinChar(number, 1);
    return first >= u'1' && first <= u'5';
}

std::optional<char16_t> expectedCheckDigit(const Vin& number)
{
    int sum = 0;
    for (int position = 1; position <= kVinLength; ++position) {
        if (position == kCheckDigitPosition) {
            continue;
        }
        const int value = valueOf(vinChar(number, position));
        if (value == kNoValue) {
            return std::nullopt;
        }
        sum += value * kWeights[static_cast<std::size_t>(position - 1)];
    }
    const int remainder = sum % kModulus;
    return remainder == kModulus - 1 ? u'X' : static_cast<char16_t>(u'0' + remainder);
}

std::optional<bool> checkDigitMatches(const Vin& number)
{
    if (!northAmericanMaker(number)) {
        return std::nullopt;
    }
    const std::optional<char16_t> expected = expectedCheckDigit(number);
    return expected.has_value() && *expected == vinChar(number, kCheckDigitPosition);
}

} // namespace karoskop
