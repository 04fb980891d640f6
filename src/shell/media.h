// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace stratavex {

class Game;

constexpr int nSounds = 16;

// Sound effects by number; entry 16 stays empty.
struct Media {
    std::string sndlist = "dremsnd.dat";
    std::array<std::string, nSounds + 1> sndfile{};
};

// Well-known effect numbers.
namespace sfx {
constexpr int drag = 0;
constexpr int drop = 1;
constexpr int right = 5;
constexpr int wrong = 8;
} // namespace sfx

void playsfx(Game& game, int n);
void getMedia(Game& game);

} // namespace stratavex
