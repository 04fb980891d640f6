// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "base/config.h"
#include "base/host.h"
#include "base/media.h"
#include "base/random.h"
#include "base/settings.h"

namespace stratavex {

// What every part of the program shares: the host, the random source, the
// settings and configuration, and the sound list. Each layer above extends
// it with the state it owns, and Game is the whole of it, so a procedure
// sees only the state of its own layer and the layers below.
struct ProgramState {
    explicit ProgramState(Host& host) : host(host) {}
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    Host& host;
    Random random;
    const std::string crlf = "\r\n";

    Settings settings;
    Config config;
    // A window is being resized by its saved size, which fires its resize event.
    bool sizing = false;
    // A failed save of the configuration was reported; another failure is
    // only reported after a save has worked, so a full disk does not open a
    // box at every resize.
    bool configSaveFailed = false;

    Media media;
};

} // namespace stratavex
