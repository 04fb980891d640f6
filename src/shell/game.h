// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "database/items.h"
#include "engine/settings.h"
#include "scores/hof.h"
#include "shell/config.h"
#include "shell/host.h"
#include "shell/media.h"
#include "shell/random.h"

namespace stratavex {

// An artist credit; an item's artist field indexes the table of them.
struct ArtistCredit {
    std::string credit;
};

// Points of the one player in the current game.
struct ScoreRecord {
    std::int16_t score = 0;
    std::int16_t possible = 0;
    std::int16_t pct = 0;
};

// The texts of the score display, filled by the question screens.
struct ScoreDisplay {
    std::string Label1; // heading
    std::string Text1;  // verdict
    std::string Label2; // running score
};

// The process-wide state of the program, grouped by owner. Everything outside
// the program's own rules goes through the host.
class Game {
public:
    explicit Game(Host& host) : host(host) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Host& host;
    Random random;
    const std::string crlf = "\r\n";

    // Database
    ItemTable db;

    // Configuration and settings
    Settings settings;
    Config config;
    bool sizing = false;

    // Sound effects
    Media media;

    // The question being asked
    std::int16_t qtype = 0;
    std::array<std::int16_t, 6> picked{};
    std::array<std::string, 21> qname{};
    std::array<ArtistCredit, 5> artists{};
    std::int16_t curitem = 1;

    // Name Me
    std::int16_t triesbase = 6;
    std::string creature = "TRex";

    // Scoring
    ScoreRecord player;
    ScoreDisplay showscor;

    // Hall of Fame; webentry: the player chose to send the entry online
    HallOfFame hof;
    bool webentry = false;

    // Export runs
    bool makeonline = false;
    bool maketabbed = false;
    int qcount = 0;
};

} // namespace stratavex
