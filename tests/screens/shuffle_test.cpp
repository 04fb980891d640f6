// SPDX-License-Identifier: MIT
#include "screens/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "base/random.h"

namespace stratavex {
namespace {

TEST(DisplayShuffle, LastPositionNeverMovesAndEveryOtherSlotCanMove) {
    for (int n : {4, 5}) {
        Random random;
        random.seed(static_cast<std::uint64_t>(n));
        std::set<int> seenAtZero;
        for (int round = 0; round < 300; ++round) {
            const Perm perm = displayShuffle(random, n);
            EXPECT_EQ(perm[n - 1], n - 1);
            std::vector<int> sorted(perm.begin(), perm.begin() + n);
            std::sort(sorted.begin(), sorted.end());
            for (int p = 0; p < n; ++p)
                EXPECT_EQ(sorted[p], p) << "a permutation of the slots";
            seenAtZero.insert(perm[0]);
        }
        EXPECT_EQ(static_cast<int>(seenAtZero.size()), n - 1);
    }
}

TEST(DisplayShuffle, DrawsTwentyTimes) {
    Random a;
    Random b;
    a.seed(3);
    b.seed(3);
    displayShuffle(a, 4);
    for (int i = 0; i < 20; ++i)
        b.rnd();
    EXPECT_EQ(a.rnd(), b.rnd());
}

TEST(DisplayShuffle, PositionOfFindsTheSlot) {
    const Perm perm{2, 0, 1, 3, 4, 5};
    EXPECT_EQ(positionOf(perm, 4, 1), 2);
    EXPECT_EQ(positionOf(perm, 4, 3), 3);
    EXPECT_EQ(positionOf(perm, 4, 5), -1);
}

} // namespace
} // namespace stratavex
