// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "base/host.h"

namespace stratavex {

// A host with no player, for running the game's rules where nothing can be
// shown, as the database checker does: every message gets OK, no window
// opens, no sound plays, no address or file is opened, and there is no date.
class HeadlessHost : public Host {
public:
    Answer message(const Message&) override { return Answer::Ok; }
    void showModal(WindowId) override {}
    bool playSound(const std::string&) override { return false; }
    bool openUrl(const std::string&) override { return true; }
    bool viewText(const std::string&) override { return true; }
    void showText(const std::string&) override {}
    std::string shortDate() override { return ""; }
    std::string programFolder() override { return "."; }
};

} // namespace stratavex
