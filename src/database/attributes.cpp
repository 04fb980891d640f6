// SPDX-License-Identifier: MIT
#include "database/attributes.h"

#include <array>

#include "base/fields.h"
#include "database/eras.h"
#include "database/quiz_state.h"

namespace stratavex {

namespace {

// Indexed by code; 0 is not a question type.
const std::array<const char*, nQuestionTypes + 1> questionTypeNames = {{
    "",
    "Image with name",
    "Desc and name",
    "Translated name by image ",
    "Nameme",
    "Diet by image?",
    "Why named",
    "Family",
    "Diet by family?",
    "Sort by era (million yrs ago)",
    "Which is not of this era",
    "Order/suborder",
    "Image with era",
    "Dinosaurs by size and length",
    "Sort by weight",
    "Sort by length",
    "When did this one live?",
    "Suborder difference",
    "Where found?",
    "Image with order",
}};

const itemrec& item(const QuizState& game, int i) {
    return game.db.items.at(static_cast<std::size_t>(i));
}

std::string eraPhrase(const QuizState& game, const itemrec& it) {
    if (it.erarange > " " && game.settings.maxdif >= 3)
        return it.era + "  --  " + it.erarange;
    return it.era;
}

std::string withDetail(const std::string& text, const std::string& detail) {
    return text + " (" + detail + ")";
}

std::string sortingHeading(int qtype) {
    switch (qtype) {
    case 9:
        return "Sort by era (in millions of years ago), earliest on top";
    case 14:
        return "Sort by weight, smallest on top";
    case 15:
        return "Sort by length, shortest on top";
    default:
        return "";
    }
}

std::string shortLabel(QuizState& game, int i) {
    const itemrec& it = item(game, i);
    const int maxdif = game.settings.maxdif;
    switch (game.qtype) {
    case 12:
        return maxdif < 3 ? withDetail(it.era, it.erarange) : it.era;
    case 1:
        return it.name;
    case 19:
        return it.suborder;
    case 3:
        return it.translation;
    case 9:
    case 11:
    case 14:
    case 15:
        return maxdif <= 3 ? withDetail(it.name, it.family) : it.name;
    case 7:
        return maxdif <= 2 ? withDetail(it.name, it.order) : it.name;
    default:
        return getpstr(game, i, 0);
    }
}

std::string comparisonLine(QuizState& game, int a, int b) {
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
    default:
        return "";
    }
}

std::string longAnswer(QuizState& game, int i) {
    const itemrec& it = item(game, i);
    const int maxdif = game.settings.maxdif;
    switch (game.qtype) {
    case 2:
        return it.desc;
    case 18:
        return it.found;
    case 13:
        return "Wt: " + it.weight + "  Length: " + it.length;
    case 11:
    case 7:
    case 16:
        return getpstr(game, i, game.qtype);
    case 6:
        return maxdif <= 2 ? "'" + it.translation + "' --" + it.whynamed : it.whynamed;
    case 8:
        return it.family;
    case 17:
        return maxdif <= 2 ? withDetail(it.name, it.family) : it.name;
    case 10:
    case 5:
        return it.name;
    default: {
        return str(game.qtype) + " *** need L_PARAM for " + typeName(game, game.qtype);
    }
    }
}

std::string matchCaption(QuizState& game, int i) {
    switch (game.qtype) {
    case 3:
        return "Match name and image ";
    case 2:
        return "Which fits this description?";
    case 7:
    case 11:
        return "Match name to classification";
    case 13:
        return "Match to size and length";
    case 18:
        return "Where were they found?";
    case 6:
        return "How did they get their names?";
    case 16:
        return "When did " + item(game, i).name + " live?";
    default:
        return "NEED Match   **** param name " + str(game.qtype);
    }
}

std::string oddQuestion(QuizState& game) {
    const int first = game.picked[0];
    switch (game.qtype) {
    case 10:
        return "Which did not live in the " + item(game, first).era + "?";
    case 5:
    case 8:
        return "Which was not a " + getpstr(game, first, game.qtype) + "?";
    case 17:
        return "Who is not in " + item(game, first).suborder + "?";
    default:
        return "";
    }
}

} // namespace

std::string dietPhrase(const itemrec& it) {
    std::string phrase = it.diet + " eater";
    return phrase.find("meat") != std::string::npos ? "meat eater" : phrase;
}

bool isMixedDiet(std::string_view phrase) {
    return phrase.find(" and ") != std::string_view::npos;
}

std::string getpstr(QuizState& game, int i, int code) {
    const itemrec& it = item(game, i);
    switch (code) {
    case 0:
    case 1:
    case 2:
    case 4:
        return it.name;
    case 3:
        return it.translation;
    case 5:
    case 8:
        return dietPhrase(it);
    case 6:
        return it.whynamed;
    case 7:
        return it.family;
    case 9:
        return it.erarange;
    case 10:
        return it.era;
    case 11:
    case 17:
    case 19:
        return it.suborder;
    case 12:
    case 16:
        return eraPhrase(game, it);
    case 13:
        return it.weight + " " + it.length;
    case 14:
        return it.weight;
    case 15:
        return it.length;
    case 18:
        return it.found;
    default: {
        Message msg;
        msg.text = "No getpstr for " + str(code) + typeName(game, code);
        game.host.message(msg);
        return "";
    }
    }
}

std::string getqtext(QuizState& game, int mode, int item1, int item2) {
    switch (mode) {
    case qtext::sortHeading:
        return sortingHeading(game.qtype);
    case qtext::label:
        return shortLabel(game, item1);
    case qtext::comparison:
        return comparisonLine(game, item1, item2);
    case qtext::longAnswer:
        return longAnswer(game, item1);
    case qtext::caption:
        return matchCaption(game, item1);
    case qtext::oddQuestion:
        return oddQuestion(game);
    default:
        return "";
    }
}

std::string erarange(const QuizState& game, int i) {
    return eraSpan(item(game, i).era);
}

std::string getimage(const QuizState& game, int i) {
    return item(game, i).image;
}

void inittables(QuizState& game) {
    for (std::size_t code = 1; code <= nQuestionTypes; ++code)
        game.qname[code] = questionTypeNames[code];
    game.artists[1].credit = "Francesco Rollandin (openclipart.org, public domain)";
    game.artists[2].credit = "Stratavex developers (public domain)";
}

std::string typeName(const QuizState& game, int code) {
    const bool known = code >= 0 && code < static_cast<int>(game.qname.size());
    return known ? game.qname[static_cast<std::size_t>(code)] : "";
}

} // namespace stratavex
