// SPDX-License-Identifier: MIT
#include "screens/choice.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "database/attributes.h"
#include "engine/game.h"
#include "engine/game_loop.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"
#include "support/sample_items.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::addItem;
using testing::dino;
using testing::ItemGame;
using testing::ProgramFolder;
using testing::ScriptedHost;

constexpr int whenDidItLive = 16;
constexpr int descAndName = 2;

const std::string notEnoughItems16 =
    "Current set doesn't provide enough items for When did this one live?. Use another "
    "question type or change difficulty level to include more.";

const char* const eras[] = {"Late Cretaceous", "Late Jurassic",   "Early Cretaceous",
                            "Triassic",        "Middle Jurassic", "Cretaceous"};

std::string repeat(char c, std::size_t n) {
    return std::string(n, c);
}

// A game in its own program folder with six dinosaurs of six eras.
struct ChoiceScreen : ::testing::Test {
    ProgramFolder folder;
    ScriptedHost host;
    Game game{host};
    std::set<std::string> shownWindows;

    ChoiceScreen() {
        testing::readyForQuestions(game, 99, 2);
        game.media.sndfile[5] = "right.wav";
        game.media.sndfile[8] = "wrong.wav";
        for (int i = 0; i < 6; ++i) {
            itemrec it = dino("Saurus" + std::to_string(i), eras[i]);
            it.desc = "Description of Saurus" + std::to_string(i) + ".";
            addItem(game, it);
        }
    }

    const itemrec& item(int slot) const {
        return game.db.items[static_cast<std::size_t>(game.picked[static_cast<std::size_t>(slot)])];
    }

    int use(int slot) const {
        return game.db
            .itemuse[static_cast<std::size_t>(game.picked[static_cast<std::size_t>(slot)])];
    }

    std::string quizLog() const {
        return folder.dir.exists("dremquiz.log") ? folder.dir.read("dremquiz.log") : "";
    }

    static std::string lines(const std::vector<std::string>& texts) {
        std::string out;
        for (const std::string& t : texts)
            out += t + "\r\n";
        return out;
    }

    ChoiceQuestion loaded(const ChoiceKind& kind, int qtype) {
        game.qtype = static_cast<std::int16_t>(qtype);
        ChoiceQuestion q(game, kind);
        q.load();
        return q;
    }
};

struct KindCase {
    const char* name;
    const ChoiceKind* kind;
    int qtype;
};

const KindCase bothScreens[] = {
    {"mchoice", &mchoiceKind, whenDidItLive},
    {"quote", &quoteKind, descAndName},
};

TEST_F(ChoiceScreen, TheRightAnswerIsAlwaysOneOfTheFirstFourOptions) {
    for (const KindCase& c : bothScreens) {
        std::set<int> answers;
        for (int round = 0; round < 200; ++round) {
            game.db.itemuse.assign(game.db.itemuse.size(), 0);
            const ChoiceQuestion q = loaded(*c.kind, c.qtype);
            ASSERT_TRUE(q.built()) << c.name;
            answers.insert(q.answer());
        }
        EXPECT_EQ(answers, (std::set<int>{0, 1, 2, 3})) << c.name;
    }
}

TEST_F(ChoiceScreen, WhenDidThisOneLiveAsksAboutTheRightItemsEra) {
    game.settings.maxdif = 3;
    const ChoiceQuestion q = loaded(mchoiceKind, whenDidItLive);
    ASSERT_TRUE(q.built());
    for (int i = 0; i < nChoices; ++i)
        EXPECT_EQ(q.caption(i), item(i).era + "  --  " + item(i).erarange);
    EXPECT_EQ(q.question(), "When did " + item(q.answer()).name + " live?");
    EXPECT_EQ(q.description(), "");
}

TEST_F(ChoiceScreen, DescAndNameShowsTheRightItemsDescriptionAndFiveNames) {
    const ChoiceQuestion q = loaded(quoteKind, descAndName);
    ASSERT_TRUE(q.built());
    for (int i = 0; i < nChoices; ++i)
        EXPECT_EQ(q.caption(i), item(i).name);
    EXPECT_EQ(q.description(), item(q.answer()).desc);
    EXPECT_EQ(q.question(), "Which fits this description?");
}

// One row per way of answering: which option is pressed relative to the
// right one, and what the player and the log must see.
struct PressCase {
    const char* rule;
    const ChoiceKind* kind;
    int qtype;
    bool right;
    bool fifth; // press option 4, which is never right
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.rule;
}

class PressingAnOption : public ChoiceScreen, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressingAnOption, ScoresMovesUseCountersPlaysAndLogs) {
    const PressCase& c = GetParam();
    ChoiceQuestion q = loaded(*c.kind, c.qtype);
    ASSERT_TRUE(q.built());
    const int right = q.answer();
    const int pressed = c.right ? right : (c.fifth ? 4 : (right + 1) % 4);
    const int rightUse = use(right);
    const int pressedUse = use(pressed);
    const std::string rightCaption = q.caption(right);

    ASSERT_TRUE(q.press(pressed));

    ASSERT_EQ(host.shown, std::vector<WindowId>{WindowId::showscor});
    EXPECT_EQ(game.showscor.Label1, "Results for " + game.qname[static_cast<std::size_t>(c.qtype)]);
    if (c.right) {
        EXPECT_EQ(game.showscor.Text1, " Correct, +5 pts");
        EXPECT_EQ(game.showscor.Label2, "Current score: 5 of 5  (100%)");
        EXPECT_EQ(use(right), rightUse + 4);
        EXPECT_EQ(host.sounds, std::vector<std::string>{"right.wav"});
        EXPECT_EQ(quizLog(), "Multiple Choice\r\n");
    } else {
        EXPECT_EQ(game.showscor.Text1, "Sorry, the answer was " + rightCaption);
        EXPECT_EQ(game.showscor.Label2, "Current score: 0 of 5  (0%)");
        EXPECT_EQ(use(right), rightUse - 1);
        EXPECT_EQ(use(pressed), pressedUse - 1);
        EXPECT_EQ(host.sounds, std::vector<std::string>{"wrong.wav"});
        EXPECT_EQ(quizLog(), "Multiple Choice\r\n" + q.question() + " " + rightCaption + "\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothScreens, PressingAnOption,
    ::testing::Values(PressCase{"mchoiceRight", &mchoiceKind, whenDidItLive, true, false},
                      PressCase{"mchoiceWrong", &mchoiceKind, whenDidItLive, false, false},
                      PressCase{"mchoiceFifth", &mchoiceKind, whenDidItLive, false, true},
                      PressCase{"quoteRight", &quoteKind, descAndName, true, false},
                      PressCase{"quoteWrong", &quoteKind, descAndName, false, false},
                      PressCase{"quoteFifth", &quoteKind, descAndName, false, true}),
    [](const auto& info) { return std::string(info.param.rule); });

TEST_F(ChoiceScreen, OnlyIncorrectLoggingKeepsTheQuestionLinesOut) {
    game.settings.logstatus = 2;
    ChoiceQuestion q = loaded(mchoiceKind, whenDidItLive);
    q.press(4);
    EXPECT_EQ(quizLog(), "");
}

TEST_F(ChoiceScreen, OnlyTheFirstPressCounts) {
    ChoiceQuestion q = loaded(mchoiceKind, whenDidItLive);
    EXPECT_TRUE(q.press(q.answer()));
    EXPECT_FALSE(q.press(4));
    EXPECT_EQ(game.player.score, 5);
    EXPECT_EQ(game.player.possible, 5);
    EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(ChoiceScreen, HelpExplainsHowToAnswerWithOkOnly) {
    ChoiceQuestion q(game, mchoiceKind);
    q.help();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Click on the best description.\r\nClick on skip to move to the next question");
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
}

TEST_F(ChoiceScreen, TooFewItemsDeselectsTheQuestionTypeAndOpensTheSettings) {
    game.db.nitems = 4; // only four different eras left
    game.db.itemuse.resize(5);
    game.picked[0] = 3;
    ChoiceQuestion q = loaded(mchoiceKind, whenDidItLive);
    EXPECT_FALSE(q.built());
    EXPECT_EQ(game.picked[0], 0);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{notEnoughItems16});
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(game.settings.selected[whenDidItLive], 0);
    EXPECT_EQ(host.shown, std::vector<WindowId>{WindowId::setup});
    // The options filled so far keep their captions; the rest stay empty.
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(q.caption(i).empty());
    EXPECT_EQ(q.caption(4), "");
    EXPECT_EQ(q.question(), "");
    EXPECT_EQ(quizLog(), "Multiple Choice\r\n");
    EXPECT_FALSE(q.press(0));
    EXPECT_EQ(game.player.possible, 0);
}

TEST_F(ChoiceScreen, AnOnlineRunWritesTheMultBlock) {
    game.makeonline = true;
    game.settings.logstatus = 2;
    const ChoiceQuestion q = loaded(mchoiceKind, whenDidItLive);
    std::vector<std::string> expected{"MULT", "When did this one live?"};
    for (int i = 0; i < nChoices; ++i)
        expected.push_back(item(i).era);
    expected.push_back("When did " + item(q.answer()).name + " live?");
    expected.push_back(" " + std::to_string(q.answer() + 1));
    EXPECT_EQ(quizLog(), lines(expected));
    EXPECT_EQ(game.qcount, 0);
}

TEST_F(ChoiceScreen, AnOnlineRunWritesTheMultqBlockWithTheDescription) {
    game.makeonline = true;
    game.settings.logstatus = 2;
    game.db.items[3].desc = "First line.\r\nSecond line.";
    const ChoiceQuestion q = loaded(quoteKind, descAndName);
    std::vector<std::string> expected{"MULTQ", "Desc and name"};
    for (int i = 0; i < nChoices; ++i)
        expected.push_back(item(i).name);
    expected.push_back("Which fits this description?");
    expected.push_back(item(q.answer()).desc);
    expected.push_back("*****");
    expected.push_back(" " + std::to_string(q.answer() + 1));
    EXPECT_EQ(quizLog(), lines(expected));
}

TEST_F(ChoiceScreen, ATabbedRunWritesOneLineAndCountsIt) {
    game.maketabbed = true;
    game.settings.logstatus = 2;
    game.qcount = 7;
    const ChoiceQuestion q = loaded(mchoiceKind, whenDidItLive);
    std::string expected = "When did " + item(q.answer()).name + " live?\t";
    for (int i = 0; i < 4; ++i)
        expected += item(i).era + "\t";
    expected += std::to_string(q.answer() + 1) + "\r\n";
    EXPECT_EQ(quizLog(), expected);
    EXPECT_EQ(game.qcount, 8);
}

TEST_F(ChoiceScreen, AQuestionThatCannotBeBuiltLeavesNoExportLines) {
    game.db.nitems = 4;
    game.db.itemuse.resize(5);
    game.settings.logstatus = 2;
    for (bool online : {true, false}) {
        game.makeonline = online;
        game.maketabbed = !online;
        game.settings.selected[whenDidItLive] = -1;
        game.db.itemuse.assign(5, 0);
        const ChoiceQuestion q = loaded(mchoiceKind, whenDidItLive);
        EXPECT_FALSE(q.built());
        EXPECT_EQ(quizLog(), "") << (online ? "online" : "tabbed");
        EXPECT_EQ(game.qcount, 0);
    }
}

TEST_F(ChoiceScreen, AWholeGameOfRightAnswersScoresFivePerQuestion) {
    game.settings.selected.fill(0);
    game.settings.selected[whenDidItLive] = -1;
    game.settings.nquest = 3;
    host.onShow[WindowId::mchoice] = [this] {
        ChoiceQuestion q(game, mchoiceKind);
        q.load();
        q.press(q.answer());
    };
    playgame(game);
    const std::vector<std::string> texts = host.messageTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], "You scored 15 out of 15 (100%)\r\nScore adjusted for difficulty: 30");
    EXPECT_EQ(game.showscor.Label2, "Current score: 15 of 15  (100%)");
}

// Tabbed lines, one row per length rule.
struct TabbedCase {
    const char* rule;
    const ChoiceKind* kind;
    ChoiceTexts texts;
    std::string expected;
};

const std::string q131 = repeat('q', 131);
const std::string a61 = repeat('a', 61);
const std::string n131 = repeat('n', 131);
const std::string d101 = repeat('d', 101);

const TabbedCase tabbedCases[] = {
    {"mchoice: question, four options, answer number",
     &mchoiceKind,
     {"Q?", "", {"A", "B", "C", "D", "E"}, 2},
     "Q?\tA\tB\tC\tD\t3"},
    {"mchoice: a question of 130 characters is not marked",
     &mchoiceKind,
     {repeat('q', 130), "", {"A", "B", "C", "D", "E"}, 0},
     repeat('q', 130) + "\tA\tB\tC\tD\t1"},
    {"mchoice: a question of 131 characters is marked",
     &mchoiceKind,
     {q131, "", {"A", "B", "C", "D", "E"}, 0},
     "* Question TOO LONG * " + q131 + "\tA\tB\tC\tD\t1"},
    {"mchoice: an option of 60 characters is not marked",
     &mchoiceKind,
     {"Q?", "", {"A", repeat('a', 60), "C", "D", "E"}, 3},
     "Q?\tA\t" + repeat('a', 60) + "\tC\tD\t4"},
    {"mchoice: an option of 61 characters is marked",
     &mchoiceKind,
     {"Q?", "", {"A", "B", "C", a61, "E"}, 3},
     "* ANS 5 TOO LONG * Q?\tA\tB\tC\t" + a61 + "\t4"},
    {"mchoice: the fifth option never enters the line",
     &mchoiceKind,
     {"Q?", "", {"A", "B", "C", "D", a61}, 1},
     "Q?\tA\tB\tC\tD\t2"},
    {"mchoice: the answer marker comes before the question marker",
     &mchoiceKind,
     {q131, "", {a61, "B", "C", "D", "E"}, 0},
     "* ANS 5 TOO LONG * * Question TOO LONG * " + q131 + "\t" + a61 + "\tB\tC\tD\t1"},
    {"quote: question, description, four options, answer number",
     &quoteKind,
     {"Which?", "Desc.", {"A", "B", "C", "D", "E"}, 1},
     "Which? -- Desc.\tA\tB\tC\tD\t2"},
    {"quote: line breaks become a slash and a blank",
     &quoteKind,
     {"Which?", "One.\r\nTwo.\r\nThree.", {"A", "B", "C", "D", "E"}, 0},
     "Which? -- One./ Two./ Three.\tA\tB\tC\tD\t1"},
    {"quote: a description of 100 characters is not marked",
     &quoteKind,
     {"Which?", repeat('d', 100), {"A", "B", "C", "D", "E"}, 0},
     "Which? -- " + repeat('d', 100) + "\tA\tB\tC\tD\t1"},
    {"quote: a description of 101 characters is marked",
     &quoteKind,
     {"Which?", d101, {"A", "B", "C", "D", "E"}, 0},
     "* Quote TOO LONG * Which? -- " + d101 + "\tA\tB\tC\tD\t1"},
    {"quote: the line breaks count in the description's length",
     &quoteKind,
     {"Which?", repeat('d', 49) + "\r\n" + repeat('d', 50), {"A", "B", "C", "D", "E"}, 0},
     "* Quote TOO LONG * Which? -- " + repeat('d', 49) + "/ " + repeat('d', 50) +
         "\tA\tB\tC\tD\t1"},
    {"quote: a name of 130 characters is not marked",
     &quoteKind,
     {"Which?", "Desc.", {"A", repeat('n', 130), "C", "D", "E"}, 0},
     "Which? -- Desc.\tA\t" + repeat('n', 130) + "\tC\tD\t1"},
    {"quote: a name of 131 characters marks the options collected so far",
     &quoteKind,
     {"Which?", "Desc.", {"A", n131, "C", "D", "E"}, 3},
     "Which? -- Desc.\t* Quote TOO LONG * A\t" + n131 + "\tC\tD\t4"},
    {"quote: a long name and a long description are both marked",
     &quoteKind,
     {"Which?", d101, {n131, "B", "C", "D", "E"}, 0},
     "* Quote TOO LONG * Which? -- " + d101 + "\t* Quote TOO LONG * " + n131 + "\tB\tC\tD\t1"},
};

TEST(ChoiceTabbedLine, FollowsTheLengthRules) {
    for (const TabbedCase& c : tabbedCases)
        EXPECT_EQ(tabbedLine(*c.kind, c.texts), c.expected) << c.rule;
}

} // namespace
} // namespace stratavex
