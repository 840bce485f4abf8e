// test.kfx as any bytes: the decoder keeps no line end inside a position,
// what it reads is written back and read again unchanged, and the file
// reader agrees with the decoder up to the size limit and refuses beyond it.
#include "common/core/smallfile.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/fuzzfiles.h"
#include "karoskop/core/lastnumberfile.h"

#include <QTemporaryDir>
#include <cstdint>

using namespace karoskop;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const Vin number = decodeLastNumber(bytes);
    for (const QString& position : number) {
        FUZZ_CHECK(!position.contains(QLatin1Char('\r')) && !position.contains(QLatin1Char('\n')));
    }
    FUZZ_CHECK(decodeLastNumber(encodeLastNumber(number)) == number);

    static const QTemporaryDir folder;
    putFile(lastNumberPath(folder.path()), bytes);
    const auto read = readLastNumber(folder.path());
    if (bytes.size() <= common::kSmallFileLimit) {
        FUZZ_CHECK(read && read->has_value());
        FUZZ_CHECK(**read == number);
    } else {
        FUZZ_CHECK(!read && !read.error().isEmpty());
    }
    return 0;
}
