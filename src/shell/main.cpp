// SPDX-License-Identifier: MIT
#include "shell/qt_program.h"

int main(int argc, char* argv[]) {
    return stratavex::runProgram(argc, argv);
}
