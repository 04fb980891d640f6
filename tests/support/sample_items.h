// SPDX-License-Identifier: MIT
// The items and the Hall of Fame entries the tests build their tables from,
// and a game to build them in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "database/items.h"
#include "engine/game.h"
#include "support/test_host.h"

namespace stratavex::testing {

// The sample record: a made-up dinosaur of the Late Cretaceous with every
// field filled but its picture. A test that needs another value in a field
// changes it on its copy.
itemrec examplosaurus();
// The sample record as the database file holds it, byte for byte.
std::string examplosaurusRecord();
// A record in the file's own layout, named "Dino" + number, and a file of
// `count` of them numbered from 1.
std::string numberedRecord(int n);
std::string numberedRecords(int count);
// The text as another editor saves it in UTF-16, with its byte order mark.
std::string utf16(const std::string& text);

// A plain dinosaur for a hand-made table, its family named after it.
itemrec dino(std::string name, std::string era = "Late Cretaceous", int dif = 1);

// Appends an item with the span of its era and the given use counter to the
// game's table; returns its index.
int addItem(Game& game, itemrec it, int use = 0);

// Names every sound effect by its number between `prefix` and `suffix`
// ("sfx5.wav"), so a test sees which effect played.
void nameSounds(Game& game, const std::string& prefix, const std::string& suffix = "");

// An entry of this game in the Hall of Fame.
HofEntry hofEntry(int score, const std::string& name, int pct = 50,
                  const std::string& date = "1/2/2026");
// A Hall of Fame of earlier results with the given scores, best first, named
// "2  old1", "2  old2", ...
HallOfFame earlierResults(const std::vector<int>& scores);

// Readies a game for a question screen: seeded, its tables built, questions
// up to `maxdif`, the quiz log taking every question and the sound effects on.
void readyForQuestions(Game& game, std::uint64_t seed, int maxdif);

// A game, seeded, with a table built by hand.
struct ItemGame {
    RecordingHost host;
    Game game{host};

    ItemGame() { game.random.seed(7); }

    int add(itemrec it) { return addItem(game, std::move(it)); }
};

} // namespace stratavex::testing
