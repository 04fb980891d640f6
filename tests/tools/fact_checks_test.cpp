// SPDX-License-Identifier: MIT
#include "tools/fact_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stratavex {
namespace {

struct Animal {
    std::string name;
    std::string desc;
    std::string diet = "plant";
    std::string image{}; // none unless given
};

ItemTable tableOf(const std::vector<Animal>& animals) {
    ItemTable table;
    for (const Animal& a : animals) {
        itemrec& it = table.items[static_cast<std::size_t>(++table.nitems)];
        it.name = a.name;
        it.desc = a.desc;
        it.diet = a.diet;
        it.image = a.image;
    }
    return table;
}

std::vector<std::string> textsOf(const std::vector<Finding>& findings) {
    std::vector<std::string> texts;
    for (const Finding& f : findings)
        texts.push_back(std::to_string(f.item) + ": " + f.text);
    return texts;
}

struct NameRow {
    const char* rule;
    std::string desc;
    std::vector<std::string> expected; // findings for item 2, the one described
};

TEST(CheckDescriptionNames, FindsWordsMadeFromAnyName) {
    const std::vector<NameRow> rows = {
        {"a plain description", "A long-necked sea reptile.", {}},
        {"a word made from its own name",
         "A long-necked Plesiosaur of the seas.",
         {"2: description (desc) has the word \"plesiosaur\", made from its own name"}},
        {"its whole own name is left to the item's other giveaways", "Plesiosaurus swam.", {}},
        {"another item's name",
         "Smaller than Tyrannosaurus.",
         {"2: description (desc) has the word \"tyrannosaurus\", made from the name of item 1 "
          "Tyrannosaurus rex"}},
        {"a word made from another item's name",
         "Hunted by tyrannosaurs.",
         {"2: description (desc) has the word \"tyrannosaurs\", made from the name of item 1 "
          "Tyrannosaurus rex"}},
        {"a short name word counts only whole",
         "Its rexes and t-rex.",
         {"2: description (desc) has the word \"rex\", made from the name of item 1 "
          "Tyrannosaurus rex"}},
        {"a name inside a longer word is not a name", "Not a protyrannosaur.", {}},
    };
    for (const NameRow& row : rows) {
        const ItemTable table =
            tableOf({{"Tyrannosaurus rex", "A big hunter."}, {"Plesiosaurus", row.desc}});
        EXPECT_EQ(textsOf(checkDescriptionNames(table)), row.expected) << row.rule;
    }
}

struct CopyRow {
    const char* rule;
    std::string first;
    std::string second;
    bool copied;
};

TEST(CheckNearCopies, FindsTheSameFirstSentenceOrMostlySharedWording) {
    const std::vector<CopyRow> rows = {
        {"the same first sentence, in other capitals",
         "A small feathered hunter with a sickle claw. A boy found it.",
         "a small feathered hunter with a sickle claw! Ash kept its feathers.", true},
        {"most three-word runs shared",
         "A giant hunter with a huge head and tiny arms. Its teeth were long.",
         "A giant hunter of Asia with a huge head and tiny arms. It ruled.", true},
        {"a few words shared", "A giant hunter with a huge head.",
         "A plant eater with a huge beak and a frill.", false},
        {"an empty description copies nothing", "", "", false},
    };
    for (const CopyRow& row : rows) {
        const ItemTable table = tableOf({{"Alpha", row.first}, {"Beta", row.second}});
        const std::vector<std::string> expected = {
            "2: description (desc) is a near copy of the one of item 1 Alpha"};
        EXPECT_EQ(textsOf(checkNearCopies(table)),
                  row.copied ? expected : std::vector<std::string>{})
            << row.rule;
    }
}

TEST(CheckSources, EveryRecordNeedsALineWithAnAddress) {
    const ItemTable table = tableOf({{"Alpha", ""}, {"Beta", ""}, {"Gamma", ""}, {"Delta", ""}});
    const std::string sources = "# References\n"
                                "- Alpha: https://example.org/alpha\n"
                                "- Beta: no address yet\n"
                                "- gamma: https://example.org/gamma\r\n"
                                "Delta: https://example.org/delta\n";
    EXPECT_EQ(textsOf(checkSources(table, sources)),
              (std::vector<std::string>{
                  "2: not listed with a reference address in SOURCES.md (a line \"- Beta: "
                  "https://...\")",
                  "3: not listed with a reference address in SOURCES.md (a line \"- Gamma: "
                  "https://...\")",
                  "4: not listed with a reference address in SOURCES.md (a line \"- Delta: "
                  "https://...\")"}));
    EXPECT_EQ(textsOf(checkSources(table, std::nullopt)),
              (std::vector<std::string>{"0: there is no SOURCES.md beside the database to list "
                                        "the references of its records"}));
}

struct PictureRow {
    const char* rule;
    std::vector<std::string> images; // of Alpha, Beta and Gamma
    std::vector<std::string> expected;
};

TEST(CheckSharedPictures, WarnsOnEachLaterRecordNamingTheFirst) {
    const std::vector<PictureRow> rows = {
        {"each record its own picture", {"a.jpg", "b.jpg", "c.jpg"}, {}},
        {"a later record with an earlier one's picture",
         {"a.jpg", "b.jpg", "a.jpg"},
         {"3: picture \"a.jpg\" is also the picture of item 1 Alpha"}},
        {"three records with one picture all name the first",
         {"a.jpg", "a.jpg", "a.jpg"},
         {"2: picture \"a.jpg\" is also the picture of item 1 Alpha",
          "3: picture \"a.jpg\" is also the picture of item 1 Alpha"}},
        {"names differing in their capitals are different files", {"a.jpg", "A.jpg", "a.JPG"}, {}},
        {"records without a picture share nothing", {"", "", "c.jpg"}, {}},
    };
    for (const PictureRow& row : rows) {
        const ItemTable table = tableOf({{"Alpha", "", "plant", row.images[0]},
                                         {"Beta", "", "plant", row.images[1]},
                                         {"Gamma", "", "plant", row.images[2]}});
        EXPECT_EQ(textsOf(checkSharedPictures(table)), row.expected) << row.rule;
    }
}

std::vector<Animal> withDiets(const std::vector<std::pair<std::string, int>>& diets) {
    std::vector<Animal> animals;
    for (const auto& [diet, count] : diets)
        for (int n = 0; n < count; ++n)
            animals.push_back({diet + std::to_string(n), "", diet});
    return animals;
}

TEST(AuditDietQuestions, ListsEachQuestionsAnswersAndLeavesOutMixedDiets) {
    const DietAudit audit = auditDietQuestions(tableOf(withDiets(
        {{"meat", 4}, {"fish and meat", 1}, {"plant", 3}, {"plant and animal", 2}, {"", 1}})));
    EXPECT_EQ(audit.lines,
              (std::vector<std::string>{
                  "\"Which was not a meat eater?\" (5 animals): the odd one out is \"plant "
                  "eater\" (3 animals)",
                  "\"Which was not a plant eater?\" (3 animals): the odd one out is \"meat "
                  "eater\" (5 animals)",
                  "left out of the diet questions, as their diet has two foods: 2 animals"}));
    EXPECT_TRUE(audit.warnings.empty());
}

TEST(AuditDietQuestions, WarnsWhenMoreThanTwoDietsMeet) {
    const DietAudit audit =
        auditDietQuestions(tableOf(withDiets({{"meat", 3}, {"fish", 2}, {"plant", 3}})));
    EXPECT_EQ(audit.lines.front(), "\"Which was not a meat eater?\" (3 animals): the odd one out "
                                   "is \"fish eater\" (2 animals), \"plant eater\" (3 animals)");
    EXPECT_EQ(audit.lines.size(), 2u) << "a diet of two animals asks no question";
    EXPECT_EQ(textsOf(audit.warnings),
              (std::vector<std::string>{
                  "0: the diet questions pair 3 diets (\"fish eater\", \"meat eater\", \"plant "
                  "eater\"): an animal of one may be the answer to a question about another "
                  "that a player could dispute"}));
}

} // namespace
} // namespace stratavex
