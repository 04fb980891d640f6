// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>

namespace stratavex {

// The largest file of each kind the program reads. Each stands far above any
// real file of its kind and low enough that the program stays small whatever
// its folder holds; a larger file is refused with a message, like a missing one.

// 500 records of 8 KB each; a typical record takes under 1 KB.
constexpr std::size_t largestDatabase = std::size_t{4} << 20;
// 33 lines of numbers, two names and a picture file name.
constexpr std::size_t largestConfiguration = std::size_t{64} << 10;
// 30 entries of six short lines.
constexpr std::size_t largestHallOfFame = std::size_t{64} << 10;
// 16 file names of up to 4 KB each.
constexpr std::size_t largestSoundList = std::size_t{64} << 10;
// Over a minute and a half of CD-quality stereo; the effects last a few seconds.
// The sound player holds the whole file in memory.
constexpr std::size_t largestSound = std::size_t{16} << 20;
// A compressed picture file of far more pixels than the decoding allows.
constexpr std::size_t largestPicture = std::size_t{32} << 20;
// A decoded picture, in megabytes: a 4K screen (3840 x 2160) at 4 bytes a pixel
// fits, so the background fills any screen sharply.
constexpr int largestDecodedPictureMegabytes = 32;
// A hundred times the text that comes with the program.
constexpr std::size_t largestHelpText = std::size_t{1} << 20;
// The references file the database checker reads beside a database.
constexpr std::size_t largestSourcesFile = std::size_t{1} << 20;
// Any file the program copies into the player's folder.
constexpr std::size_t largestGameFile =
    std::max({largestDatabase, largestConfiguration, largestHallOfFame, largestSoundList,
              largestSound, largestPicture, largestHelpText});

} // namespace stratavex
