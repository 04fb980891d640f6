// SPDX-License-Identifier: MIT
#include "support/sample_items.h"

#include <cstddef>
#include <utility>

#include "base/fields.h"
#include "database/attributes.h"
#include "database/eras.h"

namespace stratavex::testing {

itemrec examplosaurus() {
    itemrec r;
    r.name = "Examplosaurus";
    r.dif = 2;
    r.artist = 0;
    r.pronounce = "ex-AMP-lo-SAWR-us";
    r.roots = "Latin";
    r.translation = "example lizard";
    r.whynamed = "named for this example";
    r.order = "Order A";
    r.suborder = "Suborder B";
    r.family = "Family C";
    r.length = "20 ft";
    r.weight = "2 tons";
    r.found = "Asia";
    r.era = "Late Cretaceous";
    r.erarange = "100.5 - 66 mya";
    r.diet = "meat";
    r.desc = "A made-up record for illustration.";
    return r;
}

std::string examplosaurusRecord() {
    return "\"************************\"\r\n"
           "\"Examplosaurus\",2,0,\"\"\r\n"
           "\"ex-AMP-lo-SAWR-us\"\r\n"
           "\"Latin\",\"example lizard\",\"named for this example\"\r\n"
           "\"Order A\",\"Suborder B\",\"Family C\"\r\n"
           "\"20 ft\",\"2 tons\"\r\n"
           "\"Asia\",\"Late Cretaceous\",\"meat\"\r\n"
           "\"A made-up record for illustration.\"\r\n";
}

std::string numberedRecord(int n) {
    return "\"************************\"\r\n\"Dino" + std::to_string(n) +
           "\",1,1,\"d.jpg\"\r\n\"DY-no\"\r\n\"Greek\",\"terrible\",\"because\"\r\n"
           "\"Saurischia\",\"Theropoda\",\"Dinoidae\"\r\n\"5 ft\",\"9 lbs\"\r\n"
           "\"Asia\",\"Jurassic\",\"meat\"\r\n\"About Dino.\"\r\n";
}

std::string numberedRecords(int count) {
    std::string file;
    for (int n = 1; n <= count; ++n)
        file += numberedRecord(n);
    return file;
}

std::string utf16(const std::string& text) {
    std::string out = "\xff\xfe";
    for (char c : text)
        out += {c, '\0'};
    return out;
}

itemrec dino(std::string name, std::string era, int dif) {
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

int addItem(Game& game, itemrec it, int use) {
    it.erarange = eraSpan(it.era);
    const int i = ++game.db.nitems;
    const auto slot = static_cast<std::size_t>(i);
    game.db.items[slot] = std::move(it);
    game.db.itemuse.resize(slot + 1, 0);
    game.db.itemuse[slot] = static_cast<std::int16_t>(use);
    return i;
}

HofEntry hofEntry(int score, const std::string& name, int pct, const std::string& date) {
    return {static_cast<std::int16_t>(score),
            "drem    ",
            static_cast<std::int16_t>(pct),
            name,
            date,
            0};
}

HallOfFame earlierResults(const std::vector<int>& scores) {
    HallOfFame table;
    for (std::size_t i = 0; i < scores.size(); ++i)
        table.hof[i + 1] = hofEntry(scores[i], "2  old" + std::to_string(i + 1));
    table.hofcount = static_cast<int>(scores.size());
    return table;
}

void readyForQuestions(Game& game, std::uint64_t seed, int maxdif) {
    game.random.seed(seed);
    inittables(game);
    game.settings.maxdif = static_cast<std::int16_t>(maxdif);
    game.settings.logstatus = 1;
    game.settings.soundon = 1;
}

void nameSounds(Game& game, const std::string& prefix, const std::string& suffix) {
    for (int n = 0; n < nSounds; ++n)
        game.media.sndfile[static_cast<std::size_t>(n)] = prefix + str(n) + suffix;
}

} // namespace stratavex::testing
