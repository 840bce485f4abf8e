#pragma once

#include <cstdio>
#include <cstdlib>

// An invariant of a fuzz target. A broken one is a finding: it stops the run
// with a crash, which the fuzzer records together with the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
