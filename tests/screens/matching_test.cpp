// SPDX-License-Identifier: MIT
#include "screens/matching.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "base/fields.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "support/sample_items.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::ProgramFolder;
using testing::RecordingHost;

const std::string crlf = "\r\n";

// A dinosaur whose every field is its own, so no two can be mistaken.
itemrec matchable(const std::string& name) {
    itemrec it;
    it.name = name;
    it.dif = 1;
    it.image = name + ".jpg";
    it.translation = "lizard of " + name;
    it.whynamed = "named for " + name;
    it.order = "Saurischia";
    it.suborder = "Suborder of " + name;
    it.family = "Family of " + name;
    it.length = "20 ft";
    it.weight = name + " tons";
    it.found = "Land of " + name;
    it.era = "Late Cretaceous";
    it.diet = "plant";
    it.desc = "A description of " + name;
    return it;
}

// A game in its own program folder with a hand-made item table, every sound
// effect named after its number.
struct MatchingGame {
    ProgramFolder folder;
    RecordingHost host;
    Game game{host};

    MatchingGame() {
        testing::readyForQuestions(game, 11, 4);
        testing::nameSounds(game, "sfx");
    }

    void addItems(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            testing::addItem(game, matchable(name));
    }
    void addItems(int count) {
        static const char* const names[] = {"Allosaurus", "Brachiosaurus", "Coelophysis",
                                            "Diplodocus", "Edmontosaurus", "Futalognkosaurus"};
        addItems(std::vector<std::string>(names, names + count));
    }

    // The type, items and log threshold of a new question; the quiz log starts empty.
    void ask(int qtype) {
        game.qtype = static_cast<std::int16_t>(qtype);
        folder.dir.write("dremquiz.log", "");
    }

    std::string log() const { return folder.dir.read("dremquiz.log"); }
    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        const std::string text = log();
        std::size_t start = 0;
        for (std::size_t end; (end = text.find(crlf, start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    std::vector<std::string> sounds() const { return host.sounds; }

    int item(int slot) const { return game.picked[static_cast<std::size_t>(slot)]; }
    std::string name(int slot) const {
        return game.db.items[static_cast<std::size_t>(item(slot))].name;
    }
    int use(int slot) const { return game.db.itemuse[static_cast<std::size_t>(item(slot))]; }

    void place(Matching& m, int button, int target) {
        ASSERT_TRUE(m.press(button));
        EXPECT_TRUE(m.drop(target).placed);
    }
};

struct MatchingTest : ::testing::Test, MatchingGame {};

// The button that belongs to a target, and one that does not.
int rightButton(const Matching& m, int target) {
    return m.perm(target);
}
int wrongButton(const Matching& m, int target) {
    return m.perm((target + 1) % m.pairs());
}

// --- building the question ---

TEST_F(MatchingTest, PictureThreeAlwaysShowsTheItemOfNameButtonThree) {
    addItems(6);
    std::set<int> firstPicture;
    for (int round = 0; round < 200; ++round) {
        ask(1);
        game.db.itemuse.assign(game.db.itemuse.size(), 0);
        Matching m(game, imatchKind);
        ASSERT_TRUE(m.load());
        EXPECT_EQ(m.perm(3), 3);
        std::set<int> shown;
        for (int t = 0; t < 4; ++t) {
            shown.insert(m.perm(t));
            EXPECT_EQ(m.picture(t), getimage(game, item(m.perm(t))));
            EXPECT_EQ(m.caption(t), name(t));
        }
        EXPECT_EQ(shown, (std::set<int>{0, 1, 2, 3}));
        firstPicture.insert(m.perm(0));
    }
    EXPECT_EQ(firstPicture, (std::set<int>{0, 1, 2})) << "pictures 0 to 2 are shuffled";
}

TEST_F(MatchingTest, DescriptionFourAlwaysBelongsToBarFour) {
    addItems(6);
    std::set<int> firstDescription;
    for (int round = 0; round < 200; ++round) {
        ask(18);
        game.db.itemuse.assign(game.db.itemuse.size(), 0);
        Matching m(game, qmatchKind);
        ASSERT_TRUE(m.load());
        EXPECT_EQ(m.perm(4), 4);
        for (int t = 0; t < 5; ++t)
            EXPECT_EQ(m.description(t), "Land of " + name(m.perm(t)));
        firstDescription.insert(m.perm(0));
    }
    EXPECT_EQ(firstDescription, (std::set<int>{0, 1, 2, 3}));
}

TEST_F(MatchingTest, TheDescriptionScreenShowsThePromptOfItsQuestionType) {
    addItems(5);
    ask(11);
    Matching m(game, qmatchKind);
    ASSERT_TRUE(m.load());
    EXPECT_EQ(m.prompt(), "Match name to classification");
    Matching pictures(game, imatchKind);
    EXPECT_EQ(pictures.prompt(), "");
}

struct FontRow {
    const char* rule;
    const MatchingKind* kind;
    int qtype;
    std::size_t longest;
    int points;
};

const FontRow fontRows[] = {
    {"imatch: up to 16 characters 18 points", &imatchKind, 1, 16, 18},
    {"imatch: 17 characters 14 points", &imatchKind, 1, 17, 14},
    {"imatch: 19 characters still 14 points", &imatchKind, 1, 19, 14},
    {"imatch: 20 characters 12 points", &imatchKind, 1, 20, 12},
    {"imatch: 23 characters still 12 points", &imatchKind, 1, 23, 12},
    {"imatch: 24 characters 10 points", &imatchKind, 1, 24, 10},
    {"qmatch: up to 18 characters 18 points", &qmatchKind, 6, 18, 18},
    {"qmatch: 19 characters 14 points", &qmatchKind, 6, 19, 14},
    {"qmatch: 25 characters still 14 points", &qmatchKind, 6, 25, 14},
    {"qmatch: 26 characters 12 points", &qmatchKind, 6, 26, 12},
    {"qmatch: 32 characters still 12 points", &qmatchKind, 6, 32, 12},
    {"qmatch: 33 characters 10 points", &qmatchKind, 6, 33, 10},
};

TEST_F(MatchingTest, TheLongestCaptionSetsTheFontSizeOfEveryButton) {
    for (const FontRow& row : fontRows) {
        SCOPED_TRACE(row.rule);
        MatchingGame fresh;
        std::vector<std::string> names{"Ab", "Cd", std::string(row.longest, 'x'), "Ef", "Gh"};
        names.resize(static_cast<std::size_t>(row.kind->pairs));
        fresh.addItems(names);
        fresh.ask(row.qtype);
        Matching m(fresh.game, *row.kind);
        ASSERT_TRUE(m.load());
        EXPECT_EQ(m.fontSize(), row.points);
    }
}

// --- quiz log and export lines of a new question ---

// The prompt, " -- " and slot 0's description, the names of the first four
// descriptions in display order, and the position of slot 0's name.
std::string tabbedLine(const MatchingGame& t, const Matching& m, const std::string& question) {
    std::string line = question;
    int answer = 0;
    for (int p = 0; p < 4; ++p) {
        line += "\t" + t.name(m.perm(p));
        if (m.perm(p) == 0)
            answer = p + 1;
    }
    return line + "\t" + str(answer);
}

using LogLines = std::vector<std::string> (*)(const MatchingGame&, const Matching&);

struct NewQuestionRow {
    const char* rule;
    const MatchingKind* kind;
    int qtype;
    int items;
    int logstatus;
    bool online;
    bool tabbed;
    LogLines lines;
    int qcountBefore; // the export counter
    int qcountAfter;
};

std::vector<std::string> nothing(const MatchingGame&, const Matching&) {
    return {};
}

std::vector<std::string> typeAndNames(const MatchingGame& t, const Matching&) {
    return {"Match Image with name", t.name(0), t.name(1), t.name(2), t.name(3)};
}

std::vector<std::string> typeAndDescriptions(const MatchingGame& t, const Matching&) {
    std::vector<std::string> lines{"Where found?"};
    for (int slot = 0; slot < 5; ++slot)
        lines.push_back("Land of " + t.name(slot));
    return lines;
}

std::vector<std::string> pictureOnlineBlock(const MatchingGame& t, const Matching& m) {
    std::vector<std::string> lines{"IMATCH",  "Image with name", t.name(0),
                                   t.name(1), t.name(2),         t.name(3)};
    for (int target = 0; target < 4; ++target) {
        lines.push_back(str(m.perm(target) + 1));
        lines.push_back(t.name(m.perm(target)) + ".jpg");
    }
    return lines;
}

std::vector<std::string> descriptionOnlineBlock(const MatchingGame& t, const Matching& m) {
    std::vector<std::string> lines{"MATCH", "Where found?"};
    for (int slot = 0; slot < 5; ++slot)
        lines.push_back(t.name(slot));
    for (int target = 0; target < 5; ++target)
        lines.push_back("Land of " + t.name(m.perm(target)));
    for (int target = 0; target < 5; ++target)
        lines.push_back(str(m.perm(target) + 1));
    return lines;
}

std::vector<std::string> descriptionTabbedLine(const MatchingGame& t, const Matching& m) {
    return {tabbedLine(t, m, "Where were they found? -- Land of " + t.name(0))};
}

const NewQuestionRow newQuestionRows[] = {
    {"a picture question logs its type and names", &imatchKind, 1, 4, 1, false, false, typeAndNames,
     0, 0},
    {"a description question logs its type and descriptions but no names", &qmatchKind, 18, 5, 1,
     false, false, typeAndDescriptions, 0, 0},
    {"only incorrect logs nothing when a picture question opens", &imatchKind, 1, 5, 2, false,
     false, nothing, 0, 0},
    {"only incorrect logs nothing when a description question opens", &qmatchKind, 18, 5, 2, false,
     false, nothing, 0, 0},
    {"the online block of the picture screen", &imatchKind, 1, 4, 2, true, false,
     pictureOnlineBlock, 0, 0},
    {"the online block of the description screen does not count as an export line", &qmatchKind, 18,
     5, 2, true, false, descriptionOnlineBlock, 0, 0},
    {"the picture screen writes no tabbed line", &imatchKind, 1, 4, 2, false, true, nothing, 0, 0},
    {"the tabbed line of the description screen is counted", &qmatchKind, 18, 5, 2, false, true,
     descriptionTabbedLine, 7, 8},
};

TEST(MatchingLog, ANewQuestionWritesTheLinesOfItsScreenAndRun) {
    for (const NewQuestionRow& row : newQuestionRows) {
        SCOPED_TRACE(row.rule);
        MatchingGame t;
        t.addItems(row.items);
        t.ask(row.qtype);
        t.game.settings.logstatus = static_cast<std::int16_t>(row.logstatus);
        t.game.makeonline = row.online;
        t.game.maketabbed = row.tabbed;
        t.game.qcount = row.qcountBefore;
        Matching m(t.game, *row.kind);
        ASSERT_TRUE(m.load());
        std::string expected;
        for (const std::string& line : row.lines(t, m))
            expected += line + crlf;
        EXPECT_EQ(t.log(), expected);
        EXPECT_EQ(t.game.qcount, row.qcountAfter);
    }
}

struct MarkerRow {
    const char* rule;
    std::size_t whynamedLength; // the question is 33 characters longer
    std::size_t slot0NameLength;
    std::string prefix;
};

const MarkerRow markerRows[] = {
    {"a question of 130 characters has no marker", 97, 10, ""},
    {"a question of 131 characters is marked", 98, 10, "* Question TOO LONG * "},
    {"a name of 60 characters has no marker", 20, 60, ""},
    {"a name of 61 characters is marked", 20, 61, "* TOO LONG * "},
    {"the name marker goes in front of the question marker", 98, 61,
     "* TOO LONG * * Question TOO LONG * "},
};

TEST_F(MatchingTest, TabbedLineMarksTooLongTexts) {
    for (const MarkerRow& row : markerRows) {
        SCOPED_TRACE(row.rule);
        MatchingGame t;
        t.addItems({std::string(row.slot0NameLength, 'n')});
        t.game.db.items[1].whynamed = std::string(row.whynamedLength, 'w');
        t.addItems({"Ba", "Ca", "Da", "Ea"});
        // Only the first item can fill slot 0: the others were seen already.
        t.game.db.itemuse = {0, 0, 1, 1, 1, 1};
        t.ask(6);
        t.game.maketabbed = true;
        t.game.settings.logstatus = 2;
        Matching m(t.game, qmatchKind);
        ASSERT_TRUE(m.load());
        ASSERT_EQ(t.item(0), 1);
        const std::string question =
            "How did they get their names? -- " + std::string(row.whynamedLength, 'w');
        EXPECT_EQ(t.logLines(),
                  (std::vector<std::string>{row.prefix + tabbedLine(t, m, question)}));
    }
}

// --- dragging and dropping ---

TEST_F(MatchingTest, DragAndDropSoundsAndStatusDifferPerScreen) {
    addItems(5);
    ask(1);
    Matching pictures(game, imatchKind);
    ASSERT_TRUE(pictures.load());
    EXPECT_TRUE(pictures.press(2));
    EXPECT_EQ(pictures.dragged(), 2);
    EXPECT_FALSE(pictures.click(1)) << "a click does nothing on the picture screen";
    EXPECT_EQ(pictures.dragged(), 2);
    EXPECT_TRUE(pictures.drop(0).placed);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"sfx0", "sfx1"}));

    host.sounds.clear();
    ask(18);
    Matching bars(game, qmatchKind);
    ASSERT_TRUE(bars.load());
    EXPECT_TRUE(bars.press(3));
    EXPECT_EQ(bars.status(), "3 mousedown");
    EXPECT_EQ(sounds(), std::vector<std::string>{}) << "a press on a bar is silent";
    EXPECT_TRUE(bars.click(4));
    EXPECT_EQ(bars.status(), "4 click");
    EXPECT_EQ(bars.dragged(), 4);
    EXPECT_TRUE(bars.drop(1).placed);
    EXPECT_EQ(bars.place(1), 4);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"sfx1", "sfx2"}));
}

// A question type of either screen.
struct ScreenRow {
    const char* rule;
    const MatchingKind* kind;
    int qtype;
};
// Both screens keep one button on a target and a button on one target.
const ScreenRow screenRows[] = {{"imatch", &imatchKind, 1}, {"qmatch", &qmatchKind, 18}};

TEST_F(MatchingTest, AButtonDroppedOnAnOccupiedTargetSendsTheOtherHome) {
    for (const ScreenRow& row : screenRows) {
        SCOPED_TRACE(row.rule);
        MatchingGame t;
        t.addItems(5);
        t.ask(row.qtype);
        Matching m(t.game, *row.kind);
        ASSERT_TRUE(m.load());
        ASSERT_TRUE(m.press(0));
        EXPECT_EQ(m.drop(2).sentHome, Matching::noButton);
        ASSERT_TRUE(m.press(1));
        const Matching::Drop second = m.drop(2);
        EXPECT_TRUE(second.placed);
        EXPECT_EQ(second.sentHome, 0);
        for (int target = 0; target < m.pairs(); ++target)
            EXPECT_EQ(m.place(target), target == 2 ? 1 : Matching::noButton);
    }
}

TEST_F(MatchingTest, AButtonMovedToAnotherTargetLeavesTheFirstEmpty) {
    for (const ScreenRow& row : screenRows) {
        SCOPED_TRACE(row.rule);
        MatchingGame t;
        t.addItems(5);
        t.ask(row.qtype);
        Matching m(t.game, *row.kind);
        ASSERT_TRUE(m.load());
        t.place(m, 3, 1);
        t.place(m, 3, 2);
        for (int target = 0; target < m.pairs(); ++target)
            EXPECT_EQ(m.place(target), target == 2 ? 3 : Matching::noButton);
        EXPECT_EQ(m.targetOf(3), 2);
        EXPECT_EQ(m.targetOf(1), -1);
        ASSERT_TRUE(m.press(3));
        EXPECT_EQ(m.drop(2).sentHome, Matching::noButton) << "dropped again where it lies";
    }
}

// The right button moved on from its target to another is judged only where
// it lies: one wrong pair, nothing right.
TEST_F(MatchingTest, AMovedButtonIsJudgedOnlyWhereItLies) {
    for (const ScreenRow& row : screenRows) {
        SCOPED_TRACE(row.rule);
        MatchingGame t;
        t.addItems(5);
        t.ask(row.qtype);
        Matching m(t.game, *row.kind);
        ASSERT_TRUE(m.load());
        const int button = rightButton(m, 2);
        t.place(m, button, 2);
        t.place(m, button, 0);
        ASSERT_TRUE(m.done());
        const std::string wrongLine =
            row.kind == &imatchKind ? t.name(button) + " placed on image of " + t.name(m.perm(0))
                                    : t.name(button) + " = Land of " + t.name(button);
        const std::string scoreLine = row.kind == &imatchKind ? crlf + crlf + "*** Scored 0 of 4"
                                                              : crlf + "*** Scored 0 of 10";
        EXPECT_EQ(t.game.showscor.Text1, crlf + wrongLine + scoreLine);
        EXPECT_EQ(t.game.player.score, 0);
    }
}

// --- judging ---

// Placements by target: 'R' right, 'W' wrong, '-' none.
constexpr char placedRight = 'R';
constexpr char placedWrong = 'W';

struct JudgeRow {
    const char* rule;
    const MatchingKind* kind;
    std::string puts;
    bool online;
    int score;
    int possible;
    const char* sound;
};

const JudgeRow judgeRows[] = {
    {"imatch: all four correct", &imatchKind, "RRRR", false, 8, 8, "sfx5"},
    {"imatch: nothing placed", &imatchKind, "----", false, 0, 8, "sfx8"},
    {"imatch: two right, one wrong, one empty", &imatchKind, "RW-R", false, 4, 8, "sfx8"},
    {"imatch: all correct in an online run", &imatchKind, "RRRR", true, 8, 8, "sfx5"},
    {"imatch: a wrong pair in an online run", &imatchKind, "WRR-", true, 4, 8, "sfx8"},
    {"qmatch: three correct pairs", &qmatchKind, "R-RWR", false, 6, 10, "sfx8"},
    {"qmatch: all five correct", &qmatchKind, "RRRRR", false, 10, 10, "sfx5"},
    {"qmatch: all correct in an online run", &qmatchKind, "RRRRR", true, 10, 10, "sfx5"},
    {"qmatch: nothing placed", &qmatchKind, "-----", false, 0, 10, "sfx8"},
};

// A wrong placement takes the button of the next target that is not matched
// right, so it never moves a button placed right.
int wrongButtonOf(const JudgeRow& row, const Matching& m, int target) {
    for (int step = 1; step < m.pairs(); ++step) {
        const int other = (target + step) % m.pairs();
        if (row.puts[static_cast<std::size_t>(other)] != placedRight)
            return m.perm(other);
    }
    return m.perm(target);
}

// The verdict, built from the rules: one line per wrong pair, then the score
// line; all correct replaces it, except on imatch in an online run.
std::string expectedVerdict(const MatchingGame& t, const JudgeRow& row, const Matching& m) {
    const bool pictures = row.kind == &imatchKind;
    std::string verdict;
    int correct = 0;
    for (int target = 0; target < m.pairs(); ++target) {
        if (row.puts[static_cast<std::size_t>(target)] == placedRight)
            ++correct;
        if (row.puts[static_cast<std::size_t>(target)] != placedWrong)
            continue;
        const int placed = wrongButtonOf(row, m, target);
        verdict += crlf + t.name(placed) +
                   (pictures ? " placed on image of " + t.name(m.perm(target))
                             : " = Land of " + t.name(placed));
    }
    if (correct == m.pairs() && !(pictures && row.online))
        return "*** All correct!";
    return verdict + (pictures ? crlf + crlf + "*** Scored " + str(correct) + " of 4"
                               : crlf + "*** Scored " + str(2 * correct) + " of 10");
}

TEST_F(MatchingTest, DoneJudgesEveryTarget) {
    for (const JudgeRow& row : judgeRows) {
        SCOPED_TRACE(row.rule);
        MatchingGame t;
        t.addItems(5);
        t.ask(row.kind == &imatchKind ? 1 : 18);
        t.game.makeonline = row.online;
        Matching m(t.game, *row.kind);
        ASSERT_TRUE(m.load());
        t.folder.dir.write("dremquiz.log", "");
        t.game.settings.logstatus = 2;
        for (int target = 0; target < m.pairs(); ++target) {
            const char put = row.puts[static_cast<std::size_t>(target)];
            if (put == placedRight)
                t.place(m, rightButton(m, target), target);
            else if (put == placedWrong)
                t.place(m, wrongButtonOf(row, m, target), target);
        }
        t.host.sounds.clear();
        ASSERT_TRUE(m.done());
        EXPECT_EQ(t.game.showscor.Text1, expectedVerdict(t, row, m));
        EXPECT_EQ(t.game.player.score, row.score);
        EXPECT_EQ(t.game.player.possible, row.possible);
        EXPECT_EQ(t.sounds(), std::vector<std::string>{row.sound});
        EXPECT_EQ(t.host.shown, std::vector<WindowId>{WindowId::showscor});
        if (row.online) {
            EXPECT_EQ(t.log(), "") << "export files get no verdict lines";
        }
    }
}

TEST_F(MatchingTest, WrongPlacementsAndAllCorrectAreLoggedAsIncorrect) {
    addItems(4);
    ask(1);
    Matching m(game, imatchKind);
    ASSERT_TRUE(m.load());
    folder.dir.write("dremquiz.log", "");
    game.settings.logstatus = 2;
    place(m, rightButton(m, 2), 0);
    place(m, rightButton(m, 1), 1);
    ASSERT_TRUE(m.done());
    EXPECT_EQ(logLines(), (std::vector<std::string>{name(rightButton(m, 2)) +
                                                    " placed on image of " + name(m.perm(0))}));

    MatchingGame t;
    t.addItems(5);
    t.ask(18);
    Matching all(t.game, qmatchKind);
    ASSERT_TRUE(all.load());
    t.folder.dir.write("dremquiz.log", "");
    t.game.settings.logstatus = 2;
    for (int target = 0; target < 5; ++target)
        t.place(all, rightButton(all, target), target);
    ASSERT_TRUE(all.done());
    EXPECT_EQ(t.logLines(), std::vector<std::string>{" *** All correct!"});
}

TEST(MatchingLog, TabbedRunsGetNoVerdictLinesFromEitherScreen) {
    const ScreenRow screens[] = {
        {"the picture screen", &imatchKind, 1},
        {"the description screen", &qmatchKind, 18},
    };
    for (const ScreenRow& screen : screens) {
        SCOPED_TRACE(screen.rule);
        MatchingGame t;
        t.addItems(5);
        t.ask(screen.qtype);
        t.game.maketabbed = true;
        t.game.settings.logstatus = 2;
        Matching m(t.game, *screen.kind);
        ASSERT_TRUE(m.load());
        t.folder.dir.write("dremquiz.log", "");
        t.place(m, wrongButton(m, 0), 0);
        ASSERT_TRUE(m.done());
        EXPECT_EQ(t.log(), "");
    }
}

TEST_F(MatchingTest, UseCountersRiseForRightPairsAndFallForWrongOnes) {
    addItems(4);
    ask(1);
    Matching m(game, imatchKind);
    ASSERT_TRUE(m.load());
    std::vector<int> before;
    for (int slot = 0; slot < 4; ++slot)
        before.push_back(use(slot));
    const int right = rightButton(m, 0);
    int wrong = 0;
    while (wrong == right || wrong == rightButton(m, 1))
        ++wrong;
    place(m, right, 0);
    place(m, wrong, 1);
    ASSERT_TRUE(m.done());
    for (int slot = 0; slot < 4; ++slot) {
        const int expected = slot == right   ? before[slot] + 4
                             : slot == wrong ? std::max(0, before[slot] - 1)
                                             : before[slot];
        EXPECT_EQ(use(slot), expected) << "slot " << slot;
    }
}

TEST_F(MatchingTest, TheScoreDisplayHeadingNamesTheQuestionType) {
    addItems(5);
    const char* const eras[] = {"Triassic", "Late Jurassic", "Early Cretaceous", "Late Cretaceous",
                                "Permian"};
    for (int i = 1; i <= 5; ++i)
        game.db.items[static_cast<std::size_t>(i)].era = eras[i - 1];
    ask(12);
    Matching pictures(game, imatchKind);
    ASSERT_TRUE(pictures.load());
    ASSERT_TRUE(pictures.done());
    EXPECT_EQ(game.showscor.Label1, "Results for Image with era");
    ask(13);
    Matching bars(game, qmatchKind);
    ASSERT_TRUE(bars.load());
    ASSERT_TRUE(bars.done());
    EXPECT_EQ(game.showscor.Label1, "Results for Matching Dinosaurs by size and length");
    EXPECT_EQ(game.showscor.Label2, "Current score: 0 of 18  (0%)");
}

TEST_F(MatchingTest, AQuestionIsJudgedOnce) {
    addItems(4);
    ask(1);
    Matching m(game, imatchKind);
    ASSERT_TRUE(m.load());
    ASSERT_TRUE(m.done());
    EXPECT_FALSE(m.done());
    EXPECT_FALSE(m.press(0));
    EXPECT_FALSE(m.drop(0).placed);
    EXPECT_EQ(game.player.possible, 8);
    EXPECT_EQ(host.shown.size(), 1u);
}

// --- help and the question that cannot be built ---

struct HelpRow {
    const char* rule;
    const MatchingKind* kind;
    std::string text;
};

TEST_F(MatchingTest, HelpTellsHowToMatch) {
    const HelpRow rows[] = {
        {"the picture screen's help", &imatchKind,
         "Click on one of the colored bars\r\nThen drag it to its picture\r\n\r\n"
         "When all items are matched, click on 'done'\r\n\r\n"
         "Resize window to change image size"},
        {"the description screen's help", &qmatchKind,
         "Click on one of the colored bars at the top\r\n"
         "Then drag it down to the best match in the descriptions below\r\n\r\n"
         "Or, click on a colored bar, then click on the proper definition\r\n\r\n"
         "When all items are matched, click on 'done'"},
    };
    for (const HelpRow& row : rows) {
        SCOPED_TRACE(row.rule);
        host.messages.clear();
        Matching(game, *row.kind).help();
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, row.text);
        EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
        EXPECT_EQ(host.messages[0].title, "");
    }
}

TEST_F(MatchingTest, TooFewItemsDeselectTheTypeAndOpenTheSettings) {
    addItems(4);
    const ScreenRow screens[] = {
        {"pictures by order", &imatchKind, 19},
        {"names to classification", &qmatchKind, 11},
    };
    for (const ScreenRow& screen : screens) {
        SCOPED_TRACE(screen.rule);
        const MatchingKind* kind = screen.kind;
        const int qtype = screen.qtype;
        // Four items for four pictures, but all of one suborder.
        for (int i = 1; i <= 4; ++i)
            game.db.items[static_cast<std::size_t>(i)].suborder = "Theropoda";
        host.messages.clear();
        host.shown.clear();
        ask(qtype);
        game.makeonline = true;
        Matching m(game, *kind);
        EXPECT_FALSE(m.load());
        EXPECT_FALSE(m.built());
        EXPECT_EQ(host.messageTexts(),
                  std::vector<std::string>{"Current set doesn't provide enough items for " +
                                           game.qname[static_cast<std::size_t>(qtype)] +
                                           ". Use another question type or change difficulty "
                                           "level to include more."});
        EXPECT_EQ(game.settings.selected[static_cast<std::size_t>(qtype)], 0);
        EXPECT_EQ(host.shown, std::vector<WindowId>{WindowId::setup});
        EXPECT_EQ(log(), "") << "no half-written export block";
        EXPECT_FALSE(m.press(0));
        EXPECT_FALSE(m.done());
        EXPECT_EQ(game.player.possible, 0);
    }
}

} // namespace
} // namespace stratavex
