// SPDX-License-Identifier: MIT
#include "database/picking.h"

#include <algorithm>
#include <limits>
#include <string>

#include "database/attributes.h"
#include "database/quiz_state.h"

namespace stratavex {

namespace {

constexpr int missesPerWidening = 50;
constexpr int widening = 2;
constexpr int lastThreshold = 50;

bool contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

// The field rule of a question type, beyond a non-empty attribute.
bool typeRule(const QuizState& game, const itemrec& it) {
    switch (game.qtype) {
    case 6:
        return present(it.whynamed);
    case 16:
        return present(it.era);
    case 13:
        return present(it.length) && present(it.weight);
    case 2:
        return present(it.desc);
    case 7:
        // The family must not give the name away.
        return game.settings.maxdif < 2 || !contains(it.family, it.name.substr(0, 7));
    case 1:
    case 3:
    case 4:
    case 12:
    case 19:
        return present(it.image);
    case 5:
        return present(it.diet) && present(it.image);
    case 8:
        return present(it.family);
    default:
        return true;
    }
}

bool isOddOneOut(int qtype) {
    return qtype == 5 || qtype == 8 || qtype == 10 || qtype == 17;
}

bool isDietQuestion(int qtype) {
    return qtype == 5 || qtype == 8;
}

// Slot 1 holds the odd one out; slots 0 and 2 onward share one attribute value.
bool oddOneOutRule(QuizState& game, int slot, const std::string& s) {
    if (slot == 0)
        return true;
    const bool same = s == getpstr(game, game.picked[0], game.qtype);
    return slot == 1 ? !same : same;
}

// The answer texts on one screen must not repeat (for places: not overlap).
bool distinctRule(QuizState& game, int slot, const std::string& s) {
    for (int j = 0; j < slot; ++j) {
        const std::string t = getpstr(game, game.picked[j], game.qtype);
        const bool clash = game.qtype == 18 ? contains(s, t) || contains(t, s) : s == t;
        if (clash)
            return false;
    }
    return true;
}

bool acceptable(QuizState& game, int r, int slot, int threshold) {
    const itemrec& it = game.db.items[r];
    if (it.dif > game.settings.maxdif)
        return false;
    const std::string s = getpstr(game, r, game.qtype);
    if (s < " ")
        return false;
    if (game.db.itemuse[r] >= threshold)
        return false;
    if (!typeRule(game, it))
        return false;
    if (isDietQuestion(game.qtype) && isMixedDiet(s))
        return false;
    if (isOddOneOut(game.qtype))
        return oddOneOutRule(game, slot, s);
    return distinctRule(game, slot, s);
}

} // namespace

std::int16_t pickitem(QuizState& game, int slot) {
    const int n = game.db.nitems;
    if (n <= 0 || slot < 0 || slot >= static_cast<int>(game.picked.size()))
        return noItem;
    int threshold = 1;
    int misses = 0;
    for (;;) {
        const int r = game.random.below(n) + 1;
        if (acceptable(game, r, slot, threshold)) {
            game.picked[slot] = static_cast<std::int16_t>(r);
            adjustuse(game, r, slot == 0 ? 10 : 1);
            return static_cast<std::int16_t>(r);
        }
        if (++misses > missesPerWidening) {
            threshold += widening;
            misses = 0;
            if (threshold > lastThreshold)
                return noItem;
        }
    }
}

void adjustuse(QuizState& game, int item, int delta) {
    if (item < 0 || item >= static_cast<int>(game.db.itemuse.size()))
        return;
    const int value = game.db.itemuse[item] + delta;
    game.db.itemuse[item] = static_cast<std::int16_t>(
        std::clamp(value, 0, int{std::numeric_limits<std::int16_t>::max()}));
}

} // namespace stratavex
