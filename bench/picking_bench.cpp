// SPDX-License-Identifier: MIT
// Item picking on tables made from the shipped records, against one draw of
// the random source.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_support.h"
#include "database/picking.h"

namespace stratavex::bench {
namespace {

constexpr int slotsPerQuestion = 5;
constexpr int descAndName = 2;
constexpr int dietByFamily = 8;

void BM_random_draw(benchmark::State& state) {
    LoadedGame loaded(maxItems);
    Game& game = *loaded.game;
    for (auto _ : state)
        benchmark::DoNotOptimize(game.random.below(game.db.nitems) + 1);
}
BENCHMARK(BM_random_draw);

// A typical pick: the five slots of a fresh question, as a game asks them,
// with the default settings; the time is per pick.
void BM_pickitem_typical(benchmark::State& state) {
    LoadedGame loaded(static_cast<int>(state.range(0)));
    Game& game = *loaded.game;
    game.qtype = descAndName;
    int missed = 0;
    for (auto _ : state) {
        std::fill(game.db.itemuse.begin(), game.db.itemuse.end(), 0);
        for (int slot = 0; slot < slotsPerQuestion; ++slot)
            missed += pickitem(game, slot) == noItem;
    }
    if (missed != 0)
        state.SkipWithError("a typical pick found no item");
    state.counters["per_pick"] =
        benchmark::Counter(slotsPerQuestion, benchmark::Counter::kIsIterationInvariantRate |
                                                 benchmark::Counter::kInvert);
}
BENCHMARK(BM_pickitem_typical)->Arg(50)->Arg(250)->Arg(500);

// Give-up after every widening, when no item is within the difficulty: each
// draw is turned down by its first test.
void BM_pickitem_give_up_difficulty(benchmark::State& state) {
    LoadedGame loaded(maxItems);
    Game& game = *loaded.game;
    for (int i = 1; i <= game.db.nitems; ++i)
        game.db.items[static_cast<std::size_t>(i)].dif = 4;
    game.settings.maxdif = 1;
    game.qtype = descAndName;
    for (auto _ : state)
        if (pickitem(game, 0) != noItem)
            state.SkipWithError("the pick did not give up");
}
BENCHMARK(BM_pickitem_give_up_difficulty)->Unit(benchmark::kMicrosecond);

// Give-up after every widening, when each item passes every test but the
// last: the odd one out of "Diet by family?" when all eat plants.
void BM_pickitem_give_up_last_rule(benchmark::State& state) {
    LoadedGame loaded(maxItems);
    Game& game = *loaded.game;
    for (int i = 1; i <= game.db.nitems; ++i) {
        itemrec& it = game.db.items[static_cast<std::size_t>(i)];
        it.diet = "plant";
        it.dif = 1;
    }
    game.qtype = dietByFamily;
    if (pickitem(game, 0) == noItem)
        state.SkipWithError("no first item");
    for (auto _ : state)
        if (pickitem(game, 1) != noItem)
            state.SkipWithError("the pick did not give up");
}
BENCHMARK(BM_pickitem_give_up_last_rule)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace stratavex::bench
