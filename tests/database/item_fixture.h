// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "database/eras.h"
#include "engine/game.h"

namespace stratavex::testing {

// Collects the messages the code under test shows; everything else is inert.
class QuietHost : public Host {
public:
    std::vector<std::string> messages;
    Answer message(const Message& msg) override {
        messages.push_back(msg.text);
        return Answer::Ok;
    }
    void showModal(WindowId) override {}
    bool playSound(const std::string&) override { return true; }
    void openUrl(const std::string&) override {}
    void viewText(const std::string&) override {}
    std::string shortDate() override { return "08/12/2026"; }
    std::string programFolder() override { return "."; }
};

// A game with a hand-made item table.
struct ItemGame {
    QuietHost host;
    Game game{host};

    ItemGame() { game.random.seed(7); }

    // Appends an item and returns its index.
    int add(itemrec it) {
        it.erarange = eraSpan(it.era);
        const int i = ++game.db.nitems;
        game.db.items[i] = it;
        game.db.itemuse.assign(game.db.nitems + 1, 0);
        return i;
    }

    static itemrec dino(std::string name, std::string era = "Late Cretaceous", int dif = 1) {
        itemrec it;
        it.name = std::move(name);
        it.dif = static_cast<std::int16_t>(dif);
        it.era = std::move(era);
        it.image = "pic.jpg";
        it.diet = "plant";
        it.family = "Family of " + it.name;
        it.order = "Ornithischia";
        it.suborder = "Ornithopoda";
        it.found = "Asia";
        it.length = "20 ft";
        it.weight = "2 tons";
        it.translation = "lizard";
        it.whynamed = "for a reason";
        it.desc = "A description.";
        return it;
    }
};

} // namespace stratavex::testing
