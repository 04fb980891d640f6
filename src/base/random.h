// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

namespace stratavex {

// The game's one random source: rnd() is uniform in [0, 1).
class Random {
public:
    void seed(std::uint64_t value) { engine_.seed(value); }
    double rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    // Int(rnd() * n): a whole number 0 .. n-1.
    int below(int n) { return static_cast<int>(rnd() * n); }

private:
    std::mt19937_64 engine_{20261208};
};

} // namespace stratavex
