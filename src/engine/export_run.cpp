// SPDX-License-Identifier: MIT
#include "engine/export_run.h"

#include <algorithm>

#include "base/fields.h"
#include "base/quizlog.h"
#include "base/settings.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "engine/setup.h"
#include "screens/question_screens.h"

namespace stratavex {

namespace {

// Only levels 2 and 4 reach the log, so the file holds little besides the
// exported questions.
constexpr int exportThreshold = 2;
constexpr int exportLevel = 4;

struct ExportRun {
    bool online;
    int questions;
    const char* announcement;
};

constexpr ExportRun onlineRun{true, 12, "Will create 12 question file for online games"};
constexpr ExportRun tabbedRun{false, 50, "Will create 50 questions in tabbed format"};

void startExport(Game& game, SetupModel& setup, const ShowRunSettings& show, const ExportRun& run) {
    game.makeonline = run.online;
    game.maketabbed = !run.online;
    game.settings.logstatus = exportThreshold;
    clearlog(game);
    logmsg(game, game.host.shortDate(), exportLevel);
    setup.setQuestionsBound(run.questions);
    show(setup.nquestion_Change(str(run.questions)));
    game.host.message({run.announcement, Buttons::Ok, Icon::None, "", false});
}

std::string tabbedTypeNames(const Game& game) {
    std::string names;
    for (int code = 1; code <= nQuestionTypes; ++code) {
        if (!writesTabbedLines(code))
            continue;
        if (!names.empty())
            names += ", ";
        names += game.qname[static_cast<std::size_t>(code)];
    }
    return names;
}

} // namespace

void startOnlineExport(Game& game, SetupModel& setup, const ShowRunSettings& show) {
    startExport(game, setup, show, onlineRun);
}

void startTabbedExport(Game& game, SetupModel& setup, const ShowRunSettings& show) {
    startExport(game, setup, show, tabbedRun);
}

bool writesTabbedLines(int code) {
    const QuestionScreen* screen = questionScreen(code);
    return screen != nullptr && screen->writesTabbedLines;
}

bool TabbedRunGuard::endsGame(Game& game) {
    if (!game.maketabbed || game.qcount != lastCount_) {
        lastCount_ = game.qcount;
        idle_ = 0;
        return false;
    }
    const int limit = std::max<int>(1, game.settings.nquest);
    if (++idle_ < limit)
        return false;
    game.host.message(
        {"The last " + str(limit) + " questions wrote no tabbed question, so this game ends here." +
             game.crlf + game.crlf +
             "Tabbed questions come from these question types: " + tabbedTypeNames(game),
         Buttons::Ok, Icon::Information, "", false});
    return true;
}

} // namespace stratavex
