// The decoding run on any seventeen characters: it ends, and two runs on the
// same number give the same description.
#include "common/core/cp1250.h"
#include "fuzz/fuzzcheck.h"
#include "karoskop/core/decoder.h"

#include <cstdint>

using namespace karoskop;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kVinLength) {
        return -1; // not a number: keep it out of the corpus
    }
    // Up to 33 bytes: one character of code page 1250 per byte, as test.kfx
    // holds them; from 34 bytes: any UTF-16 unit per pair of bytes.
    const bool wide = size >= 2 * kVinLength;
    Vin number;
    for (std::size_t i = 0; i < number.size(); ++i) {
        number[i] = wide ? QString(QChar(static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8)))
                         : common::cp1250::decode(QByteArray(1, static_cast<char>(data[i])));
    }
    Decoder first;
    first.decode(number);
    Decoder second;
    second.decode(number);
    FUZZ_CHECK(first.description() == second.description());
    FUZZ_CHECK(first.severalTypes() == second.severalTypes());
    return 0;
}
