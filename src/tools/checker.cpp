// SPDX-License-Identifier: MIT
#include "tools/checker.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <regex>

#include "base/fields.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "base/headless_host.h"
#include "database/attributes.h"
#include "database/editor.h"
#include "database/eras.h"
#include "engine/game.h"
#include "screens/question_screens.h"
#include "tools/fact_checks.h"

namespace stratavex {

namespace {

constexpr int lowestDif = EditorModel::lowestDif;
constexpr int highestDif = EditorModel::highestDif;
// An item's artist indexes the game's table of artist credits.
constexpr int lastArtist = static_cast<int>(std::tuple_size_v<decltype(QuizState::artists)>) - 1;
// Seeded attempts at one question; one complete selection shows it can be built.
constexpr int buildAttempts = 5;
// The bytes every JPEG file starts with: the start-of-image marker and the
// first byte of the next marker.
constexpr std::string_view jpegStart = "\xFF\xD8\xFF";

std::size_t index(int i) {
    return static_cast<std::size_t>(i);
}

// A game holding a copy of the table, for the game's own texts and picking.
class Bench {
public:
    explicit Bench(const ItemTable& table) : game_(std::make_unique<Game>(host_)) {
        game_->db = table;
        inittables(*game_);
    }
    Game& game() { return *game_; }

    // A question as a new game would start it: no item used yet.
    Game& freshQuestion(int qtype, int maxdif, std::uint64_t seed) {
        Game& g = *game_;
        g.db.itemuse.assign(index(g.db.nitems) + 1, 0);
        g.picked.fill(0);
        g.qtype = static_cast<std::int16_t>(qtype);
        g.settings.maxdif = static_cast<std::int16_t>(maxdif);
        g.random.seed(seed);
        return g;
    }

private:
    HeadlessHost host_;
    std::unique_ptr<Game> game_;
};

std::string range(int lowest, int highest) {
    return str(lowest) + ".." + str(highest);
}

std::string typeNames(Game& game, const std::vector<int>& codes) {
    std::string out;
    for (int code : codes) {
        if (!out.empty())
            out += ", ";
        out += quotedText(game.qname[index(code)]);
    }
    return out;
}

bool containsIgnoringCase(const std::string& text, const std::string& part) {
    if (part.empty())
        return false;
    const auto same = [](char a, char b) { return asciiLower(a) == asciiLower(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// A text gives the answer away when it holds the name, or the first word of
// a name of several words (the genus). An abbreviated or very short first
// word ("T.") would be found inside ordinary words, so it is not looked for.
std::string nameGivenAway(const std::string& text, const std::string& name) {
    constexpr std::size_t shortestGenus = 4;
    if (containsIgnoringCase(text, name))
        return name;
    const std::string genus = name.substr(0, name.find(' '));
    if (genus.size() < name.size() && genus.size() >= shortestGenus &&
        genus.find('.') == std::string::npos && containsIgnoringCase(text, genus))
        return genus;
    return "";
}

class ItemChecker {
public:
    ItemChecker(const ItemTable& table, const PictureLookup& pictures)
        : bench_(table), pictures_(pictures) {}

    std::vector<Finding> run() {
        const ItemTable& db = bench_.game().db;
        for (int i = 1; i <= db.nitems; ++i) {
            item_ = i;
            const itemrec& it = db.items[index(i)];
            checkNumbers(it);
            checkFields(it);
            checkPicture(it);
            checkGiveaways(it);
            checkMeasures(it);
            checkDuplicate(it);
            checkExportLengths(it);
        }
        return std::move(findings_);
    }

private:
    struct NeededField {
        const char* field;
        std::string itemrec::*member;
        std::vector<int> types; // empty: every question type
    };

    // The longest a text of a tabbed line gets for one question type.
    struct Measured {
        std::string what;
        std::size_t limit = 0;
        std::size_t longest = 0;
    };

    void warn(const std::string& text) {
        const itemrec& it = bench_.game().db.items[index(item_)];
        findings_.push_back({item_, it.name, text});
    }

    void checkNumbers(const itemrec& it) {
        if (it.dif < lowestDif || it.dif > highestDif)
            warn("difficulty " + str(it.dif) + " is outside " + range(lowestDif, highestDif));
        if (it.artist < 0 || it.artist > lastArtist)
            warn("artist " + str(it.artist) + " is outside " + range(0, lastArtist));
    }

    void checkFields(const itemrec& it) {
        // The picture is not among these: an item without one is still asked
        // in the text questions, so it gets a warning of its own.
        static const std::vector<NeededField> needed = {
            {"name", &itemrec::name, {}},
            {"translation", &itemrec::translation, {3, 6}},
            {"whynamed", &itemrec::whynamed, {6}},
            {"order", &itemrec::order, {7}},
            {"suborder", &itemrec::suborder, {11, 17, 19}},
            {"family", &itemrec::family, {7, 8, 9, 11, 14, 15, 17}},
            {"length", &itemrec::length, {13, 15}},
            {"weight", &itemrec::weight, {13, 14}},
            {"found", &itemrec::found, {18}},
            {"era", &itemrec::era, {9, 10, 12, 16}},
            {"diet", &itemrec::diet, {5, 8}},
            {"desc", &itemrec::desc, {2}},
        };
        for (const NeededField& f : needed) {
            if (!blank(it.*f.member))
                continue;
            const std::string users =
                f.types.empty() ? "every question type" : typeNames(bench_.game(), f.types);
            warn(std::string("field ") + f.field + " is empty (needed by " + users + ")");
        }
        if (!blank(it.era) && eraSpan(it.era).empty())
            warn("era " + quotedText(it.era) + " is not in the era table");
    }

    void checkPicture(const itemrec& it) {
        if (blank(it.image)) {
            warn("no picture (the picture questions leave it out)");
            return;
        }
        switch (pictures_(it.image)) {
        case PictureFile::missing:
            warn("picture " + quotedText(it.image) + " is missing");
            break;
        case PictureFile::notJpeg:
            warn("picture " + quotedText(it.image) + " is not a JPEG file");
            break;
        case PictureFile::fine:
            break;
        }
    }

    void checkGiveaways(const itemrec& it) {
        if (blank(it.name))
            return;
        const std::string inDesc = nameGivenAway(it.desc, it.name);
        if (!inDesc.empty())
            warn("description (desc) contains the item's own name " + quotedText(inDesc));
        const std::string inReason = nameGivenAway(it.whynamed, it.name);
        if (!inReason.empty())
            warn("reason for the name (whynamed) contains the item's own name " +
                 quotedText(inReason));
    }

    // The sorting questions read the leading number of these texts; weights
    // are compared in pounds (tons are converted), lengths in feet.
    void checkMeasures(const itemrec& it) {
        static const std::regex lengthStyle(R"((\d+|\d{1,3}(,\d{3})+)(\.\d+)? ft)");
        static const std::regex weightStyle(R"((\d+|\d{1,3}(,\d{3})+)(\.\d+)? (lbs?|tons?))");
        if (!blank(it.length)) {
            if (numvalueOf(it.length) == 0)
                warn("length " + quotedText(it.length) + " has the numeric value 0");
            else if (!contains(it.length, "ft") && !contains(it.length, "feet"))
                warn("length " + quotedText(it.length) +
                     " is not in feet: sorting compares its number as feet");
            else if (!std::regex_match(it.length, lengthStyle))
                warn("length " + quotedText(it.length) +
                     " is not written as the others are: a number and \"ft\" alone");
        }
        if (!blank(it.weight)) {
            if (numvalueOf(it.weight) == 0)
                warn("weight " + quotedText(it.weight) + " has the numeric value 0");
            else if (!contains(it.weight, "lb") && !contains(it.weight, "ton"))
                warn("weight " + quotedText(it.weight) +
                     " is not in lbs or tons: sorting compares its number as pounds");
            else if (!std::regex_match(it.weight, weightStyle))
                warn("weight " + quotedText(it.weight) +
                     " is not written as the others are: a number and \"lbs\" or \"tons\" "
                     "alone");
        }
    }

    void checkDuplicate(const itemrec& it) {
        const auto [first, isNew] = firstWithName_.emplace(it.name, item_);
        if (!isNew)
            warn("duplicate name: item " + str(first->second) + " has the same name");
    }

    // The texts each exporting screen measures in its tabbed line. They depend
    // on the maximum difficulty (hints), and an item is asked only from its
    // own difficulty up, so the longest of those is measured.
    void checkExportLengths(const itemrec& it) {
        for (const QuestionScreen& screen : questionScreens())
            if (screen.writesTabbedLines)
                checkExportLengths(it, typesAskedOn(screen));
    }

    // Every question type of a screen measures the same texts; the warnings
    // come text by text, each for the screen's question types in turn.
    void checkExportLengths(const itemrec& it, const std::vector<int>& types) {
        std::vector<std::vector<Measured>> byType;
        for (int qtype : types)
            byType.push_back(longestTexts(it, qtype));
        for (std::size_t text = 0; text < byType.front().size(); ++text)
            for (std::size_t t = 0; t < types.size(); ++t)
                if (byType[t][text].longest > byType[t][text].limit)
                    warnTooLong(types[t], byType[t][text]);
    }

    std::vector<Measured> longestTexts(const itemrec& it, int qtype) {
        std::vector<Measured> measured;
        for (int maxdif = std::max<int>(it.dif, lowestDif); maxdif <= highestMaxdif; ++maxdif) {
            const std::vector<TabbedText> texts =
                tabbedTexts(bench_.freshQuestion(qtype, maxdif, 0), item_);
            measured.resize(texts.size());
            for (std::size_t k = 0; k < texts.size(); ++k)
                measured[k] = {texts[k].what, texts[k].limit,
                               std::max(measured[k].longest, texts[k].text.size())};
        }
        return measured;
    }

    void warnTooLong(int qtype, const Measured& m) {
        warn(quotedText(bench_.game().qname[index(qtype)]) + " " + m.what + " is " +
             str(static_cast<std::int64_t>(m.longest)) +
             " characters long; a tabbed export marks more than " +
             str(static_cast<std::int64_t>(m.limit)) + " as TOO LONG");
    }

    Bench bench_;
    const PictureLookup& pictures_;
    int item_ = 0;
    std::map<std::string, int> firstWithName_;
    std::vector<Finding> findings_;
};

// A fresh game picks the items the type's screen needs with the screen's own
// picking; a few seeded attempts are made.
bool canBuildOn(Bench& bench, int qtype, int maxdif) {
    for (int attempt = 0; attempt < buildAttempts; ++attempt) {
        const auto seed = static_cast<std::uint64_t>(qtype * 1000 + maxdif * 100 + attempt);
        if (picksQuestionItems(bench.freshQuestion(qtype, maxdif, seed)))
            return true;
    }
    return false;
}

const std::string& questionTypeName(int code) {
    static const std::array<std::string, questionTypeSlots> names = [] {
        HeadlessHost host;
        const auto game = std::make_unique<Game>(host);
        inittables(*game);
        return game->qname;
    }();
    return names[index(code)];
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// The game's CR LF line breaks as terminal lines, indented.
std::string onSeparateLines(std::string text, const std::string& lineStart) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + lineStart.size()))
        text.replace(at, 2, lineStart);
    return text;
}

void appendFindings(std::string& out, const char* heading, const std::vector<Finding>& findings) {
    if (findings.empty()) {
        out += std::string(heading) + ": none\n";
        return;
    }
    out += std::string(heading) + " (" + str(static_cast<std::int64_t>(findings.size())) + "):\n";
    for (const Finding& f : findings) {
        const std::string text = onSeparateLines(f.text, "\n    ");
        if (f.item > 0)
            out += "  item " + str(f.item) + " " + f.name + ": " + text + "\n";
        else
            out += "  " + text + "\n";
    }
}

// The game shows a picture only from a regular file it can open; anything
// else leaves the picture box empty, as a missing file does.
PictureFile pictureFileAt(const std::filesystem::path& file) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file, ignored))
        return PictureFile::missing;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return PictureFile::missing;
    std::array<char, jpegStart.size()> start{};
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    const std::string_view read(start.data(), static_cast<std::size_t>(in.gcount()));
    return read == jpegStart ? PictureFile::fine : PictureFile::notJpeg;
}

std::string fileFailure(const char* doing, const std::string& path, const FileResult& result) {
    return std::string("cannot ") + doing + " " + quotedText(path) + ": " + result.text;
}

// Windows-1252 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> cp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

const char* const usage =
    "Usage:\n"
    "  stratavex-db check [--strict] [FILE]\n"
    "      Loads the database FILE (default \"drem.dat\" in the current folder) as\n"
    "      the game does and reports the number of items, errors (records the game\n"
    "      cannot read, more than 500 records), warnings per item, and for every\n"
    "      question type and maximum difficulty 1..4 whether the game can build\n"
    "      that question from the file, and which answers the diet questions can\n"
    "      have. Pictures and the references file SOURCES.md (one line per\n"
    "      animal: \"- Name: https://...\") are looked up in FILE's folder.\n"
    "      Exit status 0 when there is no error and every question type can be\n"
    "      built, 1 otherwise; with --strict a warning also gives 1.\n"
    "  stratavex-db normalize IN OUT\n"
    "      Reads the database IN as the game does and writes it to OUT in the\n"
    "      game's own layout (eight lines per record), replacing OUT in one step.\n"
    "      Nothing is written when IN cannot be read completely.\n"
    "  stratavex-db --help\n"
    "      Shows this text.\n"
    "Wrong arguments give exit status 2.\n";

constexpr int toolOk = 0;
constexpr int toolFailed = 1;
constexpr int toolMisused = 2;

int misused(std::ostream& err, const std::string& problem) {
    err << "stratavex-db: " << problem << "\nTry 'stratavex-db --help'.\n";
    return toolMisused;
}

bool isHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool strict = false;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--strict")
            strict = true;
        else if (arg.size() > 1 && arg[0] == '-')
            return misused(err, "check: unknown option '" + arg + "'");
        else
            files.push_back(arg);
    }
    if (files.size() > 1)
        return misused(err, "check takes one database file");
    const std::string file = files.empty() ? "drem.dat" : files.front();
    const FileCheck checked = checkFile(file);
    if (!checked.failure.empty()) {
        err << "stratavex-db: " << checked.failure << "\n";
        return toolFailed;
    }
    out << "Checking " << quotedText(file) << "\n"
        << windows1252ToUtf8(formatReport(checked.report, strict));
    return checked.report.passes(strict) ? toolOk : toolFailed;
}

int runNormalize(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3)
        return misused(err, "normalize needs two files: IN OUT");
    const NormalizeOutcome outcome = normalizeFile(args[1], args[2]);
    if (!outcome.ok) {
        err << "stratavex-db: " << windows1252ToUtf8(outcome.message) << "\n";
        return toolFailed;
    }
    out << outcome.message << "\n";
    return toolOk;
}

} // namespace

std::string quotedText(const std::string& s) {
    return "\"" + s + "\"";
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int CheckReport::unbuildable() const {
    int count = 0;
    for (const auto& row : buildable)
        count += static_cast<int>(std::count(row.begin(), row.end(), false));
    return count;
}

bool CheckReport::passes(bool strict) const {
    return errors.empty() && unbuildable() == 0 && (!strict || warnings.empty());
}

std::vector<Finding> checkItems(const ItemTable& table, const PictureLookup& pictures) {
    return ItemChecker(table, pictures).run();
}

bool canBuild(const ItemTable& table, int qtype, int maxdif) {
    Bench bench(table);
    return canBuildOn(bench, qtype, maxdif);
}

BuildTable buildTable(const ItemTable& table) {
    Bench bench(table);
    BuildTable result{};
    for (int code = 1; code <= nQuestionTypes; ++code)
        for (int maxdif = 1; maxdif <= highestMaxdif; ++maxdif)
            result[index(code - 1)][index(maxdif - 1)] = canBuildOn(bench, code, maxdif);
    return result;
}

std::string gameReadMessage(const ReadResult& read, const ItemTable& table) {
    return read.error + "\r\nlast item " + str(read.lastItem) + " " +
           table.items[index(read.lastItem)].name;
}

CheckReport checkDatabase(std::string_view bytes, const PictureLookup& pictures,
                          const SourcesText* sources) {
    const auto table = std::make_unique<ItemTable>();
    const ReadResult read = parsedb(bytes, *table);
    CheckReport report;
    report.nitems = table->nitems;
    if (!read.error.empty())
        report.errors.push_back({0, "", gameReadMessage(read, *table)});
    report.warnings = checkItems(*table, pictures);
    const DietAudit diets = auditDietQuestions(*table);
    for (const auto& more :
         {checkDescriptionNames(*table), checkNearCopies(*table), checkSharedPictures(*table),
          sources ? checkSources(*table, *sources) : std::vector<Finding>{}, diets.warnings})
        report.warnings.insert(report.warnings.end(), more.begin(), more.end());
    // Item by item, the file's own findings first.
    std::stable_sort(report.warnings.begin(), report.warnings.end(),
                     [](const Finding& a, const Finding& b) { return a.item < b.item; });
    report.dietAudit = diets.lines;
    report.buildable = buildTable(*table);
    return report;
}

FileCheck checkFile(const std::string& path) {
    FileCheck result;
    std::string bytes;
    const FileResult opened = readWholeFile(path, bytes, largestDatabase);
    if (!opened.ok) {
        result.failure = fileFailure("read", path, opened);
        return result;
    }
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    SourcesText sources;
    std::string sourcesBytes;
    if (readWholeFile((folder / sourcesFileName).string(), sourcesBytes, largestSourcesFile).ok)
        sources = std::move(sourcesBytes);
    result.report = checkDatabase(
        bytes, [&folder](const std::string& image) { return pictureFileAt(folder / image); },
        &sources);
    return result;
}

std::string formatBuildTable(const BuildTable& table) {
    constexpr std::size_t nameWidth = 32;
    constexpr std::size_t columnWidth = 5;
    std::string out = padded("Question type", nameWidth);
    for (int maxdif = 1; maxdif <= highestMaxdif; ++maxdif)
        out += padded(str(maxdif), columnWidth);
    out = withoutTrailingBlanks(out) + "\n";
    for (int code = 1; code <= nQuestionTypes; ++code) {
        std::string line = padded(questionTypeName(code), nameWidth);
        for (bool yes : table[index(code - 1)])
            line += padded(yes ? "yes" : "NO", columnWidth);
        out += withoutTrailingBlanks(line) + "\n";
    }
    return out;
}

std::string formatReport(const CheckReport& report, bool strict) {
    std::string out = "Items: " + str(report.nitems) + "\n";
    appendFindings(out, "Errors", report.errors);
    appendFindings(out, "Warnings", report.warnings);
    if (!report.dietAudit.empty()) {
        out += "Diet questions:\n";
        for (const std::string& line : report.dietAudit)
            out += "  " + line + "\n";
    }
    out += "Question types the game can build, by maximum difficulty:\n";
    out += formatBuildTable(report.buildable);
    const int combinations = nQuestionTypes * highestMaxdif;
    out += str(static_cast<std::int64_t>(report.errors.size())) + " errors, " +
           str(static_cast<std::int64_t>(report.warnings.size())) + " warnings, " +
           str(report.unbuildable()) + " of " + str(combinations) +
           " question type and difficulty pairs cannot be built: ";
    out += report.passes(strict) ? "check passed" : "check FAILED";
    out += strict ? " (strict: warnings count)\n" : "\n";
    return out;
}

Normalized normalizeDatabase(std::string_view in) {
    const auto table = std::make_unique<ItemTable>();
    Normalized result;
    const ReadResult read = parsedb(in, *table);
    result.nitems = table->nitems;
    if (!read.error.empty())
        result.failure = gameReadMessage(read, *table);
    else
        result.bytes = formatdb(*table);
    return result;
}

NormalizeOutcome normalizeFile(const std::string& in, const std::string& out) {
    std::string bytes;
    const FileResult opened = readWholeFile(in, bytes, largestDatabase);
    if (!opened.ok)
        return {false, fileFailure("read", in, opened)};
    const Normalized normalized = normalizeDatabase(bytes);
    if (!normalized.failure.empty())
        return {false, "the game cannot read " + quotedText(in) + " completely:\n  " +
                           onSeparateLines(normalized.failure, "\n  ") +
                           "\nnothing was written to " + quotedText(out)};
    const FileResult saved = saveFileAtomically(out, normalized.bytes);
    if (!saved.ok)
        return {false, fileFailure("write", out, saved) + "; it is left as it was"};
    const char* const items = normalized.nitems == 1 ? " item to " : " items to ";
    return {true, "wrote " + str(normalized.nitems) + items + quotedText(out)};
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x80)
            out += byte;
        else if (c < 0xA0)
            appendUtf8(out, cp1252High[c - 0x80] != 0 ? cp1252High[c - 0x80] : char32_t{0xFFFD});
        else
            appendUtf8(out, c);
    }
    return out;
}

int runDatabaseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return misused(err, "no command given");
    const std::string& command = args.front();
    if (isHelp(command) || std::any_of(args.begin(), args.end(), isHelp)) {
        out << usage;
        return toolOk;
    }
    if (command == "check")
        return runCheck(args, out, err);
    if (command == "normalize")
        return runNormalize(args, out, err);
    return misused(err, "unknown command '" + command + "'");
}

} // namespace stratavex
