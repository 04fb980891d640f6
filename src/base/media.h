// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace stratavex {

struct ProgramState;

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

void playsfx(ProgramState& game, int n);
// A sound that cannot be played, now or while it plays, turns the effects off
// for the rest of the run.
void soundFailed(ProgramState& game);
void getMedia(ProgramState& game);

} // namespace stratavex
