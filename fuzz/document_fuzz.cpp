// Any bytes as a session on the document: each step's choices are read from
// the bytes, and after every step the totals agree with an exact
// calculation of their own and every list index is valid.
#include "fuzz/fuzzcheck.h"
#include "kwitola/testsupport/documentcheck.h"
#include "kwitola/testsupport/documentsession.h"

#include <cstdint>
#include <cstdio>

using namespace kwitola::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t next = 0;
    DocumentSession session([&](std::uint32_t bound) -> std::uint32_t {
        if (next >= size) {
            return 0;
        }
        const std::uint32_t byte = data[next++];
        return bound <= 256 ? byte % bound : (byte << 8 | (next < size ? data[next++] : 0)) % bound;
    });
    while (next < size) {
        const std::string step = session.step();
        if (const auto broken = brokenInvariant(session.document())) {
            std::fprintf(stderr, "after %s: %s\n", step.c_str(), broken->c_str());
            FUZZ_CHECK(!broken);
        }
    }
    return 0;
}
