// SPDX-License-Identifier: MIT
#include "engine/quizlog.h"

#include "shell/file_io.h"
#include "shell/game.h"

namespace stratavex {

namespace {

void reportFailure(Game& game, const FileResult& result, const char* procedure) {
    game.host.message({result.text + game.crlf + procedure + " " + logFile, Buttons::Ok,
                       Icon::Exclamation, "", false});
}

} // namespace

void logmsg(Game& game, const std::string& text, int level) {
    const int threshold = game.settings.logstatus;
    // "Off" keeps the log empty.
    if (threshold == 0 || level < threshold)
        return;
    const FileResult written = appendToFile(logFile, text + game.crlf);
    if (!written.ok)
        reportFailure(game, written, "logmsg");
}

void clearlog(Game& game) {
    const FileResult cleared = truncateFile(logFile);
    if (!cleared.ok)
        reportFailure(game, cleared, "clearlog");
}

} // namespace stratavex
