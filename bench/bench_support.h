// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/game.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex::bench {

// The tests' quiet host answers every message as a player who goes along and
// shows no window; the benchmarks that play screens put their own work in
// place of the windows. The tests' temporary folders serve here too.
using testing::CurrentDir;
using testing::QuietHost;
using testing::TempDir;

// The shipped database, data/drem.dat, as bytes.
std::string shippedDatabase();
// A database of `records` records made from the shipped ones in turn; the
// repeats get a number after the name, so every name stays unique.
std::string generatedDatabase(int records);

// A game over the generated database of `records` records, read by parsedb.
struct LoadedGame {
    explicit LoadedGame(int records);
    QuietHost host;
    std::unique_ptr<Game> game;
};

// A job and its baselines, run by turns in every iteration so that all of
// them meet the same moment of a busy machine; the order rotates from one
// iteration to the next. Each one's median time, in seconds, becomes a
// counter under its name; the iteration time is the first job's.
struct Turn {
    std::string name;
    std::function<void()> run;
};
void runByTurns(benchmark::State& state, const std::vector<Turn>& turns);

double median(std::vector<double> values);

} // namespace stratavex::bench
