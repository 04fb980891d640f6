// SPDX-License-Identifier: MIT
#include "screens/shuffle.h"

#include <utility>

#include "base/random.h"

namespace stratavex {

Perm displayShuffle(Random& random, int n) {
    Perm perm{};
    for (int p = 0; p < static_cast<int>(perm.size()); ++p)
        perm[p] = static_cast<std::int16_t>(p);
    for (int i = 0; i < 20; ++i) {
        const int r = random.below(n - 1);
        if (r > 0)
            std::swap(perm[r], perm[r - 1]);
    }
    return perm;
}

int positionOf(const Perm& perm, int n, int slot) {
    for (int p = 0; p < n; ++p)
        if (perm[p] == slot)
            return p;
    return -1;
}

} // namespace stratavex
