// SPDX-License-Identifier: MIT
// A whole game of ten questions in core: every question screen builds its
// question with its own core model and the player answers it, with the quiz
// log at level 1 ("Everything").
#include <benchmark/benchmark.h>

#include <algorithm>
#include <variant>

#include "base/quizlog.h"
#include "bench_support.h"
#include "database/attributes.h"
#include "engine/game_loop.h"
#include "scores/showscor.h"
#include "screens/choice.h"
#include "screens/matching.h"
#include "screens/nameme.h"
#include "screens/oddout.h"
#include "screens/question_screens.h"
#include "screens/sorting.h"

namespace stratavex::bench {
namespace {

// Stands in for the question windows: each runs its screen's core model and
// gives the right answer; the sorting player judges the order as dealt.
class PlayingHost : public QuietHost {
public:
    void attach(Game& game) { game_ = &game; }
    int questions = 0;

    void showModal(WindowId window) override {
        if (game_ == nullptr)
            return;
        const QuestionScreen* screen = questionScreen(window);
        if (screen == nullptr)
            return;
        std::visit(Player{*game_}, screen->core);
        ++questions;
    }

private:
    // Plays the question of a screen with the screen's core class.
    struct Player {
        Game& game;

        void operator()(const ChoiceKind* kind) const {
            ChoiceQuestion q(game, *kind);
            q.load();
            if (q.built())
                q.press(q.answer());
        }
        void operator()(const OddOutScreen* screen) const {
            OddOut q(game, *screen);
            q.load();
            if (q.built())
                q.answer(q.oddPosition());
        }
        void operator()(const MatchingKind* kind) const {
            Matching q(game, *kind);
            if (!q.load())
                return;
            for (int target = 0; target < q.pairs(); ++target) {
                q.press(q.perm(target));
                q.drop(target);
            }
            q.done();
        }
        void operator()(NameMeQuestion) const {
            NameMePuzzle q(game);
            if (!q.load())
                return;
            const std::string word = q.word();
            for (char c : word)
                if (c >= 'A' && c <= 'Z' && q.Form_KeyPress(c) == NameMePuzzle::Key::closes)
                    return;
        }
        void operator()(SortingQuestion) const {
            Sorting q(game);
            if (q.load())
                q.done();
        }
    };

    Game* game_ = nullptr;
};

void BM_whole_game(benchmark::State& state) {
    TempDir folder;
    CurrentDir here(folder.path());
    PlayingHost host;
    auto game = std::make_unique<Game>(host);
    host.attach(*game);
    LoadedGame loaded(maxItems);
    game->db = loaded.game->db;
    game->random.seed(20261208);
    inittables(*game);
    game->settings.nquest = 10;
    game->settings.logstatus = 1;
    // A full Hall of Fame out of reach: the game ends without a name entry.
    game->hof.hofcount = HallOfFame::places;
    for (int e = 1; e <= HallOfFame::places; ++e)
        game->hof.hof[static_cast<std::size_t>(e)].score = 32767;

    for (auto _ : state) {
        state.PauseTiming();
        clearlog(*game);
        std::fill(game->db.itemuse.begin(), game->db.itemuse.end(), 0);
        state.ResumeTiming();
        playgame(*game);
    }
    if (host.questions != 10 * static_cast<int>(state.iterations()))
        state.SkipWithError("a game did not ask ten questions");
}
BENCHMARK(BM_whole_game)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace stratavex::bench
