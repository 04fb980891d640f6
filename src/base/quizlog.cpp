// SPDX-License-Identifier: MIT
#include "base/quizlog.h"

#include "base/file_io.h"
#include "base/program_state.h"

namespace stratavex {

namespace {

void reportFailure(ProgramState& game, const FileResult& result, const char* procedure) {
    game.host.message({result.text + game.crlf + procedure + " " + logFile, Buttons::Ok,
                       Icon::Exclamation, "", false});
}

} // namespace

void logmsg(ProgramState& game, const std::string& text, int level) {
    const int threshold = game.settings.logstatus;
    // "Off" keeps the log empty.
    if (threshold == 0 || level < threshold)
        return;
    const FileResult written = appendToFile(logFile, text + game.crlf);
    if (!written.ok)
        reportFailure(game, written, "logmsg");
}

void clearlog(ProgramState& game) {
    const FileResult cleared = truncateFile(logFile);
    if (!cleared.ok)
        reportFailure(game, cleared, "clearlog");
}

} // namespace stratavex
