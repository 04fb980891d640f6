// SPDX-License-Identifier: MIT
// Building each question screen's question in core, as the screen does when
// it loads: picking the items and filling the texts, on the 500-record table
// with the default settings.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_support.h"
#include "screens/choice.h"
#include "screens/matching.h"
#include "screens/nameme.h"
#include "screens/oddout.h"
#include "screens/sorting.h"

namespace stratavex::bench {
namespace {

template <typename Build> void buildQuestions(benchmark::State& state, int qtype, Build build) {
    TempDir folder;
    CurrentDir here(folder.path());
    LoadedGame loaded(maxItems);
    Game& game = *loaded.game;
    game.qtype = static_cast<std::int16_t>(qtype);
    int unbuilt = 0;
    for (auto _ : state) {
        // Each question starts from the same table, not one worn by thousands before it.
        std::fill(game.db.itemuse.begin(), game.db.itemuse.end(), 0);
        unbuilt += !build(game);
    }
    if (unbuilt != 0)
        state.SkipWithError("a question could not be built");
}

void BM_build_mchoice(benchmark::State& state) {
    buildQuestions(state, 16, [](Game& game) {
        ChoiceQuestion q(game, mchoiceKind);
        q.load();
        return q.built();
    });
}
BENCHMARK(BM_build_mchoice)->Unit(benchmark::kMicrosecond);

void BM_build_quote(benchmark::State& state) {
    buildQuestions(state, 2, [](Game& game) {
        ChoiceQuestion q(game, quoteKind);
        q.load();
        return q.built();
    });
}
BENCHMARK(BM_build_quote)->Unit(benchmark::kMicrosecond);

void BM_build_qoddout(benchmark::State& state) {
    buildQuestions(state, 8, [](Game& game) {
        OddOut q(game, qoddoutScreen);
        q.load();
        return q.built();
    });
}
BENCHMARK(BM_build_qoddout)->Unit(benchmark::kMicrosecond);

void BM_build_Ioddout(benchmark::State& state) {
    buildQuestions(state, 5, [](Game& game) {
        OddOut q(game, IoddoutScreen);
        q.load();
        return q.built();
    });
}
BENCHMARK(BM_build_Ioddout)->Unit(benchmark::kMicrosecond);

void BM_build_imatch(benchmark::State& state) {
    buildQuestions(state, 1, [](Game& game) {
        Matching q(game, imatchKind);
        return q.load();
    });
}
BENCHMARK(BM_build_imatch)->Unit(benchmark::kMicrosecond);

void BM_build_qmatch(benchmark::State& state) {
    buildQuestions(state, 6, [](Game& game) {
        Matching q(game, qmatchKind);
        return q.load();
    });
}
BENCHMARK(BM_build_qmatch)->Unit(benchmark::kMicrosecond);

void BM_build_NameMe(benchmark::State& state) {
    buildQuestions(state, 4, [](Game& game) {
        NameMePuzzle q(game);
        return q.load();
    });
}
BENCHMARK(BM_build_NameMe)->Unit(benchmark::kMicrosecond);

void BM_build_qsort(benchmark::State& state) {
    buildQuestions(state, 9, [](Game& game) {
        Sorting q(game);
        return q.load();
    });
}
BENCHMARK(BM_build_qsort)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace stratavex::bench
