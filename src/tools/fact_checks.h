// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "database/items.h"
#include "tools/checker.h"

namespace stratavex {

// Checks across the records of a database that keep its questions fair to a
// player: no description names an animal, no two descriptions are near
// copies, every record has its references, and the diet questions cannot
// have an answer a player could dispute.

// The references file beside a database: one line per animal,
// "- Name: address address ...".
inline constexpr const char* sourcesFileName = "SOURCES.md";

// A description (desc) holding a word of its own item's name or of another
// item's name, or a word made from one ("plesiosaur" from "Plesiosaurus"):
// the quote question would give its answer away or point at a wrong one.
std::vector<Finding> checkDescriptionNames(const ItemTable& table);

// Two descriptions with the same first sentence, or sharing most of their
// runs of three words: a player could not tell the two animals apart.
std::vector<Finding> checkNearCopies(const ItemTable& table);

// A picture file named by more than one record, reported on each later
// record with the first that names it: a player would see one animal's
// picture as another's. Names are compared byte for byte, as the game opens
// them.
std::vector<Finding> checkSharedPictures(const ItemTable& table);

// Every record listed with a reference address in the references file;
// nullopt when the database has no such file beside it.
std::vector<Finding> checkSources(const ItemTable& table, const std::optional<std::string>& text);

// Which answers each diet question can have: for every diet of three or more
// animals, the diets of the animals that can be its odd one out.
struct DietAudit {
    std::vector<std::string> lines;
    std::vector<Finding> warnings;
};
DietAudit auditDietQuestions(const ItemTable& table);

} // namespace stratavex
