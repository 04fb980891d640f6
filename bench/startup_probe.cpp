// SPDX-License-Identifier: MIT
// The program's start-up, exactly as the program itself runs it, ending on
// the first idle turn of the event loop once the main window is shown. It
// lives in a program folder of its own with a copy of the game data.
#include "idle_signal.h"
#include "shell/qt_program.h"

int main(int argc, char* argv[]) {
    return stratavex::runProgram(argc, argv, stratavex::bench::reportIdleAndQuit);
}
