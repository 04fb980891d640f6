// SPDX-License-Identifier: MIT
#include "scores/showscor.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/game.h"
#include "engine/game_loop.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

struct Caption {
    const char* rule;
    std::vector<std::pair<int, int>> answers; // points, possible
    const char* label2;
};

TEST(ScoreCaption, ShowsTheRunningScoreWithTwoBlanksBeforeThePercentage) {
    const Caption rows[] = {
        {"before the first answer", {}, "Current score: 0 of 0  (0%)"},
        {"after a right first choice", {{5, 5}}, "Current score: 5 of 5  (100%)"},
        {"15 of 25", {{5, 5}, {0, 5}, {10, 15}}, "Current score: 15 of 25  (60%)"},
        {"numbers of three digits", {{100, 100}, {150, 300}}, "Current score: 250 of 400  (62%)"},
    };
    for (const Caption& row : rows) {
        SCOPED_TRACE(row.rule);
        testing::ScriptedHost host;
        Game game{host};
        for (auto [points, possible] : row.answers)
            addscore(game, points, possible);
        scoreCaption(game);
        EXPECT_EQ(game.showscor.Label2, row.label2);
    }
}

} // namespace
} // namespace stratavex
