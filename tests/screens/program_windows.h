// SPDX-License-Identifier: MIT
// Every window of the program, opened on one game that was started from a
// copy of the bundled data the way the player starts it, for the tests that
// look at all windows alike.
#pragma once

#include "base/qt_text.h"
#include "database/dremedit_window.h"
#include "engine/game.h"
#include "engine/setup_window.h"
#include "qtsupport/qt_test_host.h"
#include "scores/HOF_window.h"
#include "scores/NameEntry_window.h"
#include "scores/showscor_window.h"
#include "screens/Ioddout_window.h"
#include "screens/NameMe_window.h"
#include "screens/imatch_window.h"
#include "screens/mchoice_window.h"
#include "screens/qmatch_window.h"
#include "screens/qoddout_window.h"
#include "screens/qsort_window.h"
#include "screens/quote_window.h"
#include "shell/main_window.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace stratavex::testing {

// A window of the program, and the question type it is opened for (0 for a
// window that asks no question).
struct WindowKind {
    const char* name;
    int qtype;
    std::function<std::unique_ptr<QWidget>(Game&)> make;
};

template <typename W> std::unique_ptr<QWidget> make(Game& game) {
    return std::make_unique<W>(game);
}

inline std::vector<WindowKind> windowKinds() {
    return {
        {"setup", 0, make<setup>},
        {"dremedit", 0, make<dremedit>},
        {"showscor", 0, make<showscor>},
        {"HOF", 0, make<HOF>},
        {"NameEntry", 0, make<NameEntry>},
        {"mchoice", 16, make<mchoice>}, // When did this one live?
        {"quote", 2, make<quote>},      // Desc and name
        {"qoddout", 10, make<qoddout>}, // Which is not of this era
        {"Ioddout", 5, make<Ioddout>},  // Diet by image?
        {"imatch", 1, make<imatch>},    // Image with name
        {"qmatch", 18, make<qmatch>},   // Where found?
        {"qsort", 14, make<qsort>},     // Sort by weight
        {"NameMe", 4, make<NameMe>},    // Nameme
    };
}

// The program in a folder of its own: the main menu has run the start-up on
// a copy of the bundled data. Questions are drawn from every difficulty, the
// same ones on every run.
class Program {
public:
    Program() {
        entered_ = folder_.enter();
        copyBundledData(folder_.path());
        host_ = std::make_unique<RecordingQtHost>(folder_.path());
        game_ = std::make_unique<Game>(*host_);
        menu_ = std::make_unique<stratavex::main>(*game_);
        game_->settings.maxdif = 4;
        game_->settings.soundon = 0;
        game_->random.seed(7);
    }
    ~Program() { folder_.leave(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return entered_ && game_->db.nitems > 0; }
    Game& game() { return *game_; }
    RecordingQtHost& host() { return *host_; }
    stratavex::main& menu() { return *menu_; }

    std::unique_ptr<QWidget> open(const WindowKind& kind) {
        if (kind.qtype != 0)
            game_->qtype = static_cast<std::int16_t>(kind.qtype);
        return kind.make(*game_);
    }

    // The names of the dinosaurs the question on screen is about.
    QStringList pickedNames() const {
        QStringList names;
        for (std::int16_t item : game_->picked)
            if (item > 0 && item <= game_->db.nitems)
                names << displayText(game_->db.items[static_cast<std::size_t>(item)].name);
        return names;
    }

private:
    WorkingFolder folder_;
    bool entered_ = false;
    std::unique_ptr<RecordingQtHost> host_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<stratavex::main> menu_;
};

} // namespace stratavex::testing
