// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace stratavex {

class Random;

// Which picked slot each display position shows.
using Perm = std::array<std::int16_t, 6>;

// The display shuffle of the odd-one-out and matching screens: starting from
// perm(p) = p, 20 times r = Int(Rnd * (n - 1)) and, when r > 0, positions r and
// r - 1 exchange. The last position (n - 1) never moves.
Perm displayShuffle(Random& random, int n);

// The display position that shows a slot, or -1.
int positionOf(const Perm& perm, int n, int slot);

} // namespace stratavex
