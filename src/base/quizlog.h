// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace stratavex {

struct ProgramState;

constexpr const char* logFile = "dremquiz.log";

// Appends one line when level >= logstatus. Threshold 0 ("Off") writes nothing.
void logmsg(ProgramState& game, const std::string& text, int level);
// Creates the quiz log or empties it.
void clearlog(ProgramState& game);

} // namespace stratavex
