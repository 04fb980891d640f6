// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "base/file_io.h"

namespace stratavex {

// A file the program cannot take in as it stands is kept beside it, under a
// name that is never overwritten: the file's name + ".bad", or, when that is
// taken, ".bad2", ".bad3" and so on.

// The first of those names that is free; empty when every one is taken.
std::string freeKeptName(const std::string& file);

enum class KeepBy {
    moving,  // the file is gone from its place afterwards
    copying, // the file stays, a copy is kept
};

// Keeps `file` under the first free name, which `keptAs` receives (empty when
// none was free).
FileResult keepAside(const std::string& file, KeepBy how, std::string& keptAs);

} // namespace stratavex
