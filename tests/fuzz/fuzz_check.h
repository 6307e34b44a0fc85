#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise is a finding: abort, so that libFuzzer keeps the input and the
// corpus replay fails on it.
inline void fuzzCheck(bool holds, const char *promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}
