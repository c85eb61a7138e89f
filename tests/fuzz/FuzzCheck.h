#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a broken one is a finding, reported as a crash. Unlike
// assert, it holds in optimised builds too.
inline void FuzzCheck(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}
