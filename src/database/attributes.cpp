// SPDX-License-Identifier: MIT
#include "database/attributes.h"

#include <array>

#include "database/eras.h"
#include "engine/trivia.h"
#include "shell/fields.h"
#include "shell/game.h"

namespace stratavex {

namespace {

struct QuestionType {
    const char* name;
    std::optional<WindowId> screen;
};

// Indexed by code; 0 is not a question type.
const std::array<QuestionType, 20> questionTypes = {{
    {"", std::nullopt},
    {"Image with name", WindowId::imatch},
    {"Desc and name", WindowId::quote},
    {"Translated name by image ", WindowId::imatch},
    {"Nameme", WindowId::NameMe},
    {"Diet by image?", WindowId::Ioddout},
    {"Why named", WindowId::qmatch},
    {"Family", WindowId::qmatch},
    {"Diet by family?", WindowId::qoddout},
    {"Sort by era (million yrs ago)", WindowId::qsort},
    {"Which is not of this era", WindowId::qoddout},
    {"Order/suborder", WindowId::qmatch},
    {"Image with era", WindowId::imatch},
    {"Dinosaurs by size and length", WindowId::qmatch},
    {"Sort by weight", WindowId::qsort},
    {"Sort by length", WindowId::qsort},
    {"When did this one live?", WindowId::mchoice},
    {"Suborder difference", WindowId::qoddout},
    {"Where found?", WindowId::qmatch},
    {"Image with order", WindowId::imatch},
}};

const itemrec& item(const Game& game, int i) { return game.db.items.at(static_cast<std::size_t>(i)); }

std::string dietPhrase(const itemrec& it) {
    std::string phrase = it.diet + " eater";
    return phrase.find("meat") != std::string::npos ? "meat eater" : phrase;
}

std::string eraPhrase(const Game& game, const itemrec& it) {
    if (it.erarange > " " && game.settings.maxdif >= 3)
        return it.era + "  --  " + it.erarange;
    return it.era;
}

std::string withDetail(const std::string& text, const std::string& detail) {
    return text + " (" + detail + ")";
}

std::string sortingHeading(int qtype) {
    switch (qtype) {
    case 9: return "Sort by era (in millions of years ago), earliest on top";
    case 14: return "Sort by weight, smallest on top";
    case 15: return "Sort by length, shortest on top";
    default: return "";
    }
}

std::string shortLabel(Game& game, int i) {
    const itemrec& it = item(game, i);
    const int maxdif = game.settings.maxdif;
    switch (game.qtype) {
    case 12: return maxdif < 3 ? withDetail(it.era, it.erarange) : it.era;
    case 1: return it.name;
    case 19: return it.suborder;
    case 3: return it.translation;
    case 9:
    case 11:
    case 14:
    case 15: return maxdif <= 3 ? withDetail(it.name, it.family) : it.name;
    case 7: return maxdif <= 2 ? withDetail(it.name, it.order) : it.name;
    default: return getpstr(game, i, 0);
    }
}

std::string comparisonLine(Game& game, int a, int b) {
    const auto label = [&](int i) { return shortLabel(game, i); };
    switch (game.qtype) {
    case 9:
        return label(a) + " (" + item(game, a).era + ") > " + label(b) + " (" + item(game, b).era +
               ") ";
    case 14:
        return label(a) + "  " + str(itemnum(game, a, 14)) + " lbs >  " + label(b) + " " +
               str(itemnum(game, b, 14)) + " lbs";
    case 15:
        return label(a) + "  " + str(itemnum(game, a, 15)) + " ft >  " + label(b) + " " +
               str(itemnum(game, b, 15)) + " ft";
    default: return "";
    }
}

std::string longAnswer(Game& game, int i) {
    const itemrec& it = item(game, i);
    const int maxdif = game.settings.maxdif;
    switch (game.qtype) {
    case 2: return it.desc;
    case 18: return it.found;
    case 13: return "Wt: " + it.weight + "  Length: " + it.length;
    case 11:
    case 7:
    case 16: return getpstr(game, i, game.qtype);
    case 6: return maxdif <= 2 ? "'" + it.translation + "' --" + it.whynamed : it.whynamed;
    case 8: return it.family;
    case 17: return maxdif <= 2 ? withDetail(it.name, it.family) : it.name;
    case 10:
    case 5: return it.name;
    default: {
        const std::string name = game.qtype >= 0 && game.qtype <= 20 ? game.qname[game.qtype] : "";
        return str(game.qtype) + " *** need L_PARAM for " + name;
    }
    }
}

std::string matchCaption(Game& game, int i) {
    switch (game.qtype) {
    case 3: return "Match name and image ";
    case 2: return "Which fits this description?";
    case 7:
    case 11: return "Match name to classification";
    case 13: return "Match to size and length";
    case 18: return "Where were they found?";
    case 6: return "How did they get their names?";
    case 16: return "When did " + item(game, i).name + " live?";
    default: return "NEED Match   **** param name " + str(game.qtype);
    }
}

std::string oddQuestion(Game& game) {
    const int first = game.picked[0];
    switch (game.qtype) {
    case 10: return "Which did not live in the " + item(game, first).era + "?";
    case 5:
    case 8: return "Which was not a " + getpstr(game, first, game.qtype) + "?";
    case 17: return "Who is not in " + item(game, first).suborder + "?";
    default: return "";
    }
}

} // namespace

std::string getpstr(Game& game, int i, int code) {
    const itemrec& it = item(game, i);
    switch (code) {
    case 0:
    case 1:
    case 2:
    case 4: return it.name;
    case 3: return it.translation;
    case 5:
    case 8: return dietPhrase(it);
    case 6: return it.whynamed;
    case 7: return it.family;
    case 9: return it.erarange;
    case 10: return it.era;
    case 11:
    case 17:
    case 19: return it.suborder;
    case 12:
    case 16: return eraPhrase(game, it);
    case 13: return it.weight + " " + it.length;
    case 14: return it.weight;
    case 15: return it.length;
    case 18: return it.found;
    default: {
        const std::string name = code >= 0 && code <= 20 ? game.qname[code] : "";
        Message msg;
        msg.text = "No getpstr for " + str(code) + name;
        game.host.message(msg);
        return "";
    }
    }
}

std::string getqtext(Game& game, int mode, int item1, int item2) {
    switch (mode) {
    case qtext::sortHeading: return sortingHeading(game.qtype);
    case qtext::label: return shortLabel(game, item1);
    case qtext::comparison: return comparisonLine(game, item1, item2);
    case qtext::longAnswer: return longAnswer(game, item1);
    case qtext::caption: return matchCaption(game, item1);
    case qtext::oddQuestion: return oddQuestion(game);
    default: return "";
    }
}

std::string erarange(const Game& game, int i) { return eraSpan(item(game, i).era); }

std::string getimage(const Game& game, int i) { return item(game, i).image; }

std::int32_t itemnum(Game& game, int i, int code) { return numvalue(game, i, code); }

void inittables(Game& game) {
    for (int code = 1; code <= nQuestionTypes; ++code)
        game.qname[code] = questionTypes[code].name;
    game.artists[1].credit = "Francesco Rollandin (openclipart.org, public domain)";
    game.artists[2].credit = "Stratavex developers (public domain)";
}

std::optional<WindowId> screenOf(int code) {
    if (code < 1 || code > nQuestionTypes)
        return std::nullopt;
    return questionTypes[code].screen;
}

void showquestion(Game& game, int qt) {
    game.qtype = static_cast<std::int16_t>(qt);
    if (auto screen = screenOf(qt))
        game.host.showModal(*screen);
}

} // namespace stratavex
