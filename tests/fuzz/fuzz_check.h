// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

namespace stratavex::fuzz {

// A broken promise of a reader or writer: the fuzzer must stop on it and keep
// the input, so say what broke and abort.
inline void check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace stratavex::fuzz
