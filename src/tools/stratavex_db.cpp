// SPDX-License-Identifier: MIT
// stratavex-db: the database checker for database authors.
#include <iostream>
#include <string>
#include <vector>

#include "tools/checker.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return stratavex::runDatabaseTool(args, std::cout, std::cerr);
}
