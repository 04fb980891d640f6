// SPDX-License-Identifier: MIT
#include "engine/setup.h"

#include <algorithm>
#include <limits>

#include "base/config.h"
#include "base/fields.h"
#include "base/host.h"
#include "base/services.h"
#include "database/attributes.h"
#include "engine/game.h"

namespace stratavex {

namespace {

constexpr const char* helpFile = "dremhelp.txt";

std::int16_t clampedBox(std::string_view text, std::int64_t lo, std::int64_t hi) {
    return limit(boxValue(text), lo, hi);
}

bool exportRun(const Game& game) {
    return game.makeonline || game.maketabbed;
}

std::size_t position(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

SetupModel::SetupModel(Game& game) : game_(game) {
    Settings& s = game_.settings;
    // A window opened again during an export run keeps that run's question
    // count, which the previous close stored in nquest.
    if (exportRun(game_))
        questionsBound_ = std::max<int>(questionsPerGameBound, s.nquest);
    s.mindif = lowestValue;
    nquestion_ = str(s.nquest);
    tmindif_ = str(s.mindif);
    tmaxdif_ = str(s.maxdif);
    for (int code = 1; code <= nQuestionTypes; ++code) {
        names_[position(code - 1)] = game_.qname[position(code)];
        selected_[position(code - 1)] = s.selected[position(code)] != 0;
    }
    sound_ = s.soundon != 0;
}

std::string SetupModel::caption() const {
    return std::string(appTitle) + " Setup";
}

int SetupModel::logOption() const {
    return limit(game_.settings.logstatus, 0, logOptions - 1);
}

const std::string& SetupModel::listEntry(int index) const {
    return names_.at(position(index));
}

bool SetupModel::listSelected(int index) const {
    return selected_.at(position(index));
}

std::string SetupModel::nquestion_Change(std::string_view text) {
    nquestion_ = str(clampedBox(text, lowestValue, questionsBound_));
    return nquestion_;
}

std::string SetupModel::tmaxdif_Change(std::string_view text) {
    tmaxdif_ = str(clampedBox(text, boxValue(tmindif_), maxDifficultyBound));
    return tmaxdif_;
}

std::string SetupModel::tmindif_Change(std::string_view text) {
    tmindif_ = str(clampedBox(text, lowestValue, boxValue(tmaxdif_)));
    return tmindif_;
}

void SetupModel::Option1_Click(int index) {
    game_.settings.logstatus = limit(index, 0, logOptions - 1);
}

void SetupModel::Check1_Click(int value) {
    sound_ = value != 0;
    game_.settings.soundon = sound_ ? 1 : 0;
}

void SetupModel::List1_Click(int index) {
    setListSelected(index, !listSelected(index));
}

void SetupModel::setListSelected(int index, bool on) {
    selected_.at(position(index)) = on;
}

void SetupModel::cmdHelp_Click() {
    viewtext(game_, helpFile);
}

void SetupModel::Form_Unload() {
    Settings& s = game_.settings;
    s.nquest = exportRun(game_) ? static_cast<std::int16_t>(questionsBound_)
                                : clampedBox(nquestion_, lowestValue, questionsBound_);
    s.mindif = clampedBox(tmindif_, lowestValue, maxDifficultyBound);
    s.maxdif = clampedBox(tmaxdif_, lowestValue, maxDifficultyBound);
    for (int code = 1; code <= nQuestionTypes; ++code)
        s.selected[position(code)] = selected_[position(code - 1)] ? -1 : 0;
    putini(game_);
    inittables(game_);
}

} // namespace stratavex
