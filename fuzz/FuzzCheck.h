#pragma once

#include <cstdio>
#include <cstdlib>

namespace velmar::fuzz {

// A broken invariant: says which and aborts, so the fuzzer keeps the input as a crash and
// a replay of it fails. Checked in every build type, unlike assert.
inline void Require(bool holds, const char* invariant)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

} // namespace velmar::fuzz
