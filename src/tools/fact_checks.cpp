// SPDX-License-Identifier: MIT
#include "tools/fact_checks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string_view>

#include "base/fields.h"
#include "database/attributes.h"
#include "tools/checker.h"

namespace stratavex {

namespace {

using Words = std::vector<std::string>;

const itemrec& record(const ItemTable& table, int i) {
    return table.items[static_cast<std::size_t>(i)];
}

// Letters, digits and the bytes of accented letters make words.
bool isWordByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b >= 0xC0;
}

Words wordsOf(std::string_view text) {
    Words words;
    std::string word;
    for (char c : text) {
        if (isWordByte(c)) {
            word += asciiLower(c);
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// A name word and the words made from it: "plesiosaurus" also finds
// "plesiosaur" and "plesiosaurs". Short name words ("rex") count only whole.
struct NameWord {
    std::string word;
    std::string stem;
    bool wholeOnly = false;

    bool foundIn(const std::string& word) const {
        return wholeOnly ? word == stem : word.starts_with(stem);
    }
};

NameWord nameWord(std::string word) {
    constexpr std::size_t shortestStem = 4;
    if (word.size() < shortestStem)
        return {word, word, true};
    std::string stem = word;
    if (stem.ends_with("us") && stem.size() - 2 >= shortestStem)
        stem.resize(stem.size() - 2);
    return {std::move(word), std::move(stem), false};
}

std::string firstSentence(const std::string& text) {
    const std::size_t end = text.find_first_of(".!?");
    return end == std::string::npos ? text : text.substr(0, end);
}

std::set<Words> wordRuns(const Words& words) {
    constexpr std::size_t runLength = 3;
    std::set<Words> runs;
    for (std::size_t i = 0; i + runLength <= words.size(); ++i)
        runs.emplace(words.begin() + static_cast<std::ptrdiff_t>(i),
                     words.begin() + static_cast<std::ptrdiff_t>(i + runLength));
    return runs;
}

bool nearCopies(const std::string& a, const std::string& b) {
    // Measured on the bundled database: the closest pairs a reader calls
    // copies share 35% or more of their three-word runs.
    constexpr double copiedShare = 0.35;
    const Words firstA = wordsOf(firstSentence(a));
    if (!firstA.empty() && firstA == wordsOf(firstSentence(b)))
        return true;
    const std::set<Words> runsA = wordRuns(wordsOf(a));
    const std::set<Words> runsB = wordRuns(wordsOf(b));
    if (runsA.empty() || runsB.empty())
        return false;
    const auto shared = static_cast<double>(std::count_if(
        runsA.begin(), runsA.end(), [&runsB](const Words& run) { return runsB.contains(run); }));
    return shared >= copiedShare * static_cast<double>(std::min(runsA.size(), runsB.size()));
}

// The names listed in the references file with at least one address.
std::set<std::string> namesWithReferences(const std::string& text) {
    std::set<std::string> names;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        const std::size_t colon = line.find(": ");
        if (line.starts_with("- ") && colon != std::string_view::npos &&
            line.find("http", colon) != std::string_view::npos)
            names.emplace(line.substr(2, colon - 2));
        start = end + 1;
    }
    return names;
}

std::string animals(int count) {
    return str(count) + (count == 1 ? " animal" : " animals");
}

} // namespace

std::vector<Finding> checkDescriptionNames(const ItemTable& table) {
    std::vector<std::vector<NameWord>> names(static_cast<std::size_t>(table.nitems) + 1);
    for (int i = 1; i <= table.nitems; ++i)
        for (std::string& word : wordsOf(record(table, i).name))
            names[static_cast<std::size_t>(i)].push_back(nameWord(std::move(word)));
    std::vector<Finding> findings;
    for (int i = 1; i <= table.nitems; ++i) {
        const itemrec& it = record(table, i);
        for (const std::string& word : wordsOf(it.desc))
            for (int named = 1; named <= table.nitems; ++named)
                for (const NameWord& nw : names[static_cast<std::size_t>(named)]) {
                    // The whole own name is reported with the item's other giveaways.
                    const bool ownWholeName = named == i && word.starts_with(nw.word);
                    if (!nw.foundIn(word) || ownWholeName)
                        continue;
                    const std::string whose = named == i ? "its own name"
                                                         : "the name of item " + str(named) + " " +
                                                               record(table, named).name;
                    findings.push_back({i, it.name,
                                        "description (desc) has the word " + quotedText(word) +
                                            ", made from " + whose});
                }
    }
    return findings;
}

std::vector<Finding> checkNearCopies(const ItemTable& table) {
    std::vector<Finding> findings;
    for (int i = 1; i <= table.nitems; ++i)
        for (int earlier = 1; earlier < i; ++earlier) {
            const itemrec& it = record(table, i);
            if (present(it.desc) && nearCopies(record(table, earlier).desc, it.desc))
                findings.push_back({i, it.name,
                                    "description (desc) is a near copy of the one of item " +
                                        str(earlier) + " " + record(table, earlier).name});
        }
    return findings;
}

std::vector<Finding> checkSharedPictures(const ItemTable& table) {
    std::map<std::string, int> firstWithPicture;
    std::vector<Finding> findings;
    for (int i = 1; i <= table.nitems; ++i) {
        const itemrec& it = record(table, i);
        if (blank(it.image))
            continue;
        const auto [first, isNew] = firstWithPicture.emplace(it.image, i);
        if (!isNew)
            findings.push_back({i, it.name,
                                "picture " + quotedText(it.image) +
                                    " is also the picture of item " + str(first->second) + " " +
                                    record(table, first->second).name});
    }
    return findings;
}

std::vector<Finding> checkSources(const ItemTable& table, const std::optional<std::string>& text) {
    if (!text)
        return {{0, "",
                 std::string("there is no ") + sourcesFileName +
                     " beside the database to list the references of its records"}};
    const std::set<std::string> listed = namesWithReferences(*text);
    std::vector<Finding> findings;
    for (int i = 1; i <= table.nitems; ++i) {
        const itemrec& it = record(table, i);
        if (!listed.contains(it.name))
            findings.push_back({i, it.name,
                                std::string("not listed with a reference address in ") +
                                    sourcesFileName + " (a line \"- " + it.name +
                                    ": https://...\")"});
    }
    return findings;
}

DietAudit auditDietQuestions(const ItemTable& table) {
    constexpr int smallestGroup = 3;
    std::map<std::string, int> animalsByDiet;
    int mixed = 0;
    for (int i = 1; i <= table.nitems; ++i) {
        const itemrec& it = record(table, i);
        if (blank(it.diet))
            continue;
        const std::string phrase = dietPhrase(it);
        if (isMixedDiet(phrase))
            ++mixed;
        else
            ++animalsByDiet[phrase];
    }
    DietAudit audit;
    for (const auto& [group, size] : animalsByDiet) {
        if (size < smallestGroup)
            continue;
        std::string answers;
        for (const auto& [other, count] : animalsByDiet)
            if (other != group)
                answers +=
                    (answers.empty() ? "" : ", ") + quotedText(other) + " (" + animals(count) + ")";
        audit.lines.push_back("\"Which was not a " + group + "?\" (" + animals(size) +
                              "): the odd one out is " +
                              (answers.empty() ? "never found" : answers));
    }
    if (mixed > 0)
        audit.lines.push_back("left out of the diet questions, as their diet has two foods: " +
                              animals(mixed));
    if (animalsByDiet.size() > 2) {
        std::string diets;
        for (const auto& entry : animalsByDiet)
            diets += (diets.empty() ? "" : ", ") + quotedText(entry.first);
        audit.warnings.push_back({0, "",
                                  "the diet questions pair " +
                                      str(static_cast<std::int64_t>(animalsByDiet.size())) +
                                      " diets (" + diets +
                                      "): an animal of one may be the answer to a question "
                                      "about another that a player could dispute"});
    }
    return audit;
}

} // namespace stratavex
