// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <string>

#include "database/attributes.h"
#include "database/eras.h"
#include "database/picking.h"
#include "shell/game.h"

namespace stratavex {
namespace {

class SilentHost : public Host {
public:
    Answer message(const Message&) override { return Answer::Ok; }
    void showModal(WindowId) override {}
    bool playSound(const std::string&) override { return true; }
    void openUrl(const std::string&) override {}
    void viewText(const std::string&) override {}
    std::string shortDate() override { return ""; }
    std::string programFolder() override { return "."; }
};

const char* const eras[] = {"Late Cretaceous", "Late Jurassic", "Early Cretaceous",
                            "Late Triassic", "Middle Jurassic"};

// A full table of 500 varied items, all of difficulty dif.
void fillTable(Game& game, int dif) {
    for (int i = 1; i <= maxItems; ++i) {
        itemrec& it = game.db.items[i];
        it.name = "Benchosaurus" + std::to_string(i);
        it.dif = static_cast<std::int16_t>(dif);
        it.image = "pic.jpg";
        it.era = eras[i % 5];
        it.erarange = eraSpan(it.era);
        it.family = "Family" + std::to_string(i % 40);
        it.desc = "A description.";
        it.diet = i % 3 ? "plant" : "meat";
    }
    game.db.nitems = maxItems;
    game.db.itemuse.assign(maxItems + 1, 0);
}

// A typical pick: a fresh question of five slots on a table with unused items.
void BM_pickitem_typical(benchmark::State& state) {
    SilentHost host;
    Game game(host);
    inittables(game);
    fillTable(game, 1);
    game.qtype = 2;
    for (auto _ : state) {
        state.PauseTiming();
        game.db.itemuse.assign(maxItems + 1, 0);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pickitem(game, 0));
    }
}
BENCHMARK(BM_pickitem_typical);

// The worst case: nothing suits, so the search gives up after all widenings.
void BM_pickitem_give_up(benchmark::State& state) {
    SilentHost host;
    Game game(host);
    inittables(game);
    fillTable(game, 3);
    game.settings.maxdif = 1;
    game.qtype = 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(pickitem(game, 0));
}
BENCHMARK(BM_pickitem_give_up)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace stratavex
