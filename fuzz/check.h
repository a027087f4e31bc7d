#pragma once

#include <cstdio>
#include <cstdlib>

// An invariant of a fuzz target; one that breaks names itself before the
// fuzzer stops.
#define check(condition)                                                                         \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "invariant broken at line %d: %s\n", __LINE__, #condition); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)
