// SPDX-License-Identifier: MIT
#include "scores/hof.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>

#include "base/fields.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "base/keep_aside.h"
#include "base/services.h"
#include "scores/score_state.h"

#ifndef STRATAVEX_HOF_SERVER
#define STRATAVEX_HOF_SERVER "https://www.varlune.com"
#endif

namespace stratavex {

namespace {

constexpr const char* crlf = "\r\n";

constexpr std::string_view onlinePath = "/games/triv/triviahf.asp";
// Only the best few local results may go to the online Hall of Fame.
constexpr int onlinePlaces = 5;
// Two blanks, the name field, and at least two blanks before the date.
constexpr std::size_t nameColumn = 2 + hofNameWidth + 2;

std::int16_t to16(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// The game field is always exactly its width: cut, or padded with blanks.
std::string fitGame(std::string_view text) {
    std::string out(text.substr(0, HallOfFame::gameWidth));
    out.resize(HallOfFame::gameWidth, ' ');
    return out;
}

// A line end inside a text would split its line in the file.
std::string oneLine(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

// The name is quoted without escapes, so a double quote inside it would end it
// early when read back.
std::string quotable(std::string_view text) {
    std::string out = oneLine(text);
    std::replace(out.begin(), out.end(), '"', '\'');
    return out;
}

// The lines of a byte buffer; CR LF, a lone LF and a lone CR all end a line.
class LineReader {
public:
    explicit LineReader(std::string_view data) : data_(data) {}

    std::optional<std::string_view> next() {
        if (pos_ >= data_.size())
            return std::nullopt;
        const std::size_t end = std::min(data_.find_first_of("\r\n", pos_), data_.size());
        const std::string_view line = data_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < data_.size() && data_[pos_] == '\r')
            ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
        return line;
    }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

// A number line holds one whole 16-bit number, blanks around it allowed.
std::optional<std::int16_t> numberLine(std::optional<std::string_view> line) {
    if (!line)
        return std::nullopt;
    const std::string_view text = trimBlanks(*line);
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<HofEntry> readEntry(LineReader& in) {
    HofEntry entry;
    const auto score = numberLine(in.next());
    const auto pct = numberLine(in.next());
    const auto extra = numberLine(in.next());
    const auto game = in.next();
    const auto name = in.next();
    const auto date = in.next();
    if (!score || !pct || !extra || !game || !name || !date)
        return std::nullopt;
    entry.score = *score;
    entry.pct = *pct;
    entry.extra = *extra;
    entry.game = fitGame(*game);
    entry.name = FieldReader(*name).readString().value_or("");
    entry.date = std::string(*date);
    return entry;
}

void emptyTable(HallOfFame& table) {
    table.hof = {};
    table.hofcount = 0;
}

// Entries beyond the count are empty places, which score 0.
int scoreAt(const HallOfFame& table, int e) {
    return e <= table.hofcount ? table.hof[static_cast<std::size_t>(e)].score : 0;
}

// The first place whose score the result beats, or 0 when it beats none.
int placeFor(const HallOfFame& table, int score) {
    if (score <= 0)
        return 0;
    for (int e = 1; e <= HallOfFame::places; ++e)
        if (scoreAt(table, e) < score)
            return e;
    return 0;
}

// The entries from e on move down one place; the last one drops out.
void makeRoom(HallOfFame& table, int e) {
    for (int m = HallOfFame::places; m > e; --m)
        table.hof[static_cast<std::size_t>(m)] = table.hof[static_cast<std::size_t>(m - 1)];
}

void tell(Host& host, const std::string& text, Icon icon = Icon::None) {
    host.message({text, Buttons::Ok, icon, "", false});
}

// Moves a damaged file aside, so that the next entry starts a new one.
void keepDamagedFile(Host& host) {
    std::string bad;
    const FileResult kept = keepAside(hofFile, KeepBy::moving, bad);
    if (!kept.ok) {
        tell(host, kept.text + crlf + "getHOF " + hofFile, Icon::Exclamation);
        return;
    }
    tell(host,
         std::string("The Hall of Fame file ") + hofFile + " could not be read. It was kept as " +
             bad + " and the Hall of Fame starts empty.",
         Icon::Exclamation);
}

void submitOnline(ScoreState& game, int score) {
    if (game.hof.hofrank > onlinePlaces) {
        tell(game.host, "Must be in top 5 of local HOF to be entered online");
        return;
    }
    openurl(game, onlineEntryUrl(score, game.config.playername, game.settings.maxdif,
                                 game.config.playeremail));
}

std::string lastChars(const std::string& text, std::size_t n) {
    return text.size() <= n ? text : text.substr(text.size() - n);
}

// A number as it is printed: a leading blank when it is not negative.
std::string printed(int value) {
    return value < 0 ? str(value) : " " + str(value);
}

} // namespace

std::string formatHof(const HallOfFame& table) {
    const int count = std::clamp(table.hofcount, 0, HallOfFame::places);
    std::string out = printZoneLine({count});
    for (int i = 1; i <= count; ++i) {
        const HofEntry& e = table.hof[static_cast<std::size_t>(i)];
        out += printZoneLine({e.score});
        out += printZoneLine({e.pct});
        out += printZoneLine({e.extra});
        out += fitGame(oneLine(e.game)) + "\r\n";
        out += "\"" + quotable(e.name) + "\"\r\n";
        out += oneLine(e.date) + "\r\n";
    }
    return out;
}

bool parseHof(std::string_view bytes, HallOfFame& table) {
    LineReader in(bytes);
    const auto first = in.next();
    if (!first || trimBlanks(*first).empty()) {
        emptyTable(table);
        return true;
    }
    const auto count = numberLine(first);
    HallOfFame read;
    bool ok = count && *count >= 0 && *count <= HallOfFame::places;
    for (int i = 1; ok && i <= *count; ++i) {
        auto entry = readEntry(in);
        ok = entry.has_value();
        if (ok)
            read.hof[static_cast<std::size_t>(i)] = std::move(*entry);
    }
    if (!ok) {
        emptyTable(table);
        return false;
    }
    table.hof = std::move(read.hof);
    table.hofcount = *count;
    return true;
}

void getHOF(Host& host, HallOfFame& table) {
    std::string bytes;
    const FileResult read = readWholeFile(hofFile, bytes, largestHallOfFame);
    if (!read.ok) {
        emptyTable(table);
        // A first run has no Hall of Fame yet.
        if (read.error != ENOENT)
            tell(host, read.text + crlf + "getHOF " + hofFile, Icon::Exclamation);
        return;
    }
    if (!parseHof(bytes, table))
        keepDamagedFile(host);
}

void putHOF(Host& host, const HallOfFame& table) {
    const FileResult saved = saveFileAtomically(hofFile, formatHof(table));
    if (!saved.ok)
        tell(host, saved.text + crlf + "putHOF " + hofFile, Icon::Critical);
}

void enterHof(ScoreState& game, int score, std::string_view gameCode, int pct,
              const std::string& name, int extra) {
    HallOfFame& table = game.hof;
    table.hofcount = std::clamp(table.hofcount, 0, HallOfFame::places);
    const int e = placeFor(table, score);
    if (e == 0)
        return;
    makeRoom(table, e);
    table.hofrank = e;

    game.host.showModal(WindowId::NameEntry);

    HofEntry& entry = table.hof[static_cast<std::size_t>(e)];
    entry.score = to16(score);
    entry.game = fitGame(trimBlanks(gameCode));
    entry.pct = to16(pct);
    entry.name = str(game.settings.maxdif) + "  " + name;
    entry.date = game.host.shortDate();
    entry.extra = to16(extra);
    if (table.hofcount < HallOfFame::places)
        ++table.hofcount;

    if (game.webentry)
        submitOnline(game, score);
    game.host.showModal(WindowId::HOF);
    putHOF(game.host, table);
}

std::string hofRow(int rank, const HofEntry& entry) {
    // A longer name field, from an edited file, is cut short of the date.
    std::string name = "  " + entry.name.substr(0, hofNameWidth);
    name.resize(nameColumn, ' ');
    return lastChars("  " + str(rank), 3) + lastChars(std::string(8, ' ') + str(entry.score), 8) +
           lastChars(std::string(6, ' ') + printed(entry.pct), 4) + name + entry.date;
}

std::string fullestHofRow(std::string_view date) {
    const HofEntry widest{std::numeric_limits<std::int16_t>::min(),
                          "",
                          100,
                          std::string(hofNameWidth, 'W'),
                          std::string(date),
                          0};
    return hofRow(HallOfFame::places, widest);
}

std::string hofListText(const HallOfFame& table) {
    std::string text = hofHeader;
    const int count = std::min(table.hofcount, HallOfFame::places);
    for (int i = 1; i <= count; ++i)
        text += "\r\n" + hofRow(i, table.hof[static_cast<std::size_t>(i)]);
    return text;
}

std::string loadHofList(ScoreState& game) {
    if (game.hof.hofcount <= 0)
        tell(game.host, "Hof was recently cleared");
    return hofListText(game.hof);
}

bool clearHofAsked(ScoreState& game) {
    const Answer answer = game.host.message(
        {"Really clear Hall of Fame?", Buttons::YesNo, Icon::Question, "Clear HOF", true});
    if (answer != Answer::Yes)
        return false;
    clearHof(game.host, game.hof);
    return true;
}

void clearHof(Host& host, HallOfFame& table) {
    std::error_code failed;
    std::filesystem::remove(hofFile, failed);
    if (failed)
        tell(host, failed.message() + crlf + "cmdClear_Click " + hofFile, Icon::Exclamation);
    table.hofcount = 0;
    for (int e = 1; e <= HallOfFame::places; ++e)
        table.hof[static_cast<std::size_t>(e)].score = 0;
}

std::string_view onlineHofServer() {
    std::string_view server = STRATAVEX_HOF_SERVER;
    while (!server.empty() && server.back() == '/')
        server.remove_suffix(1);
    return server;
}

std::string onlineListUrl() {
    return std::string(onlineHofServer()) + std::string(onlinePath) +
           "?game=" + percentEncode(hofGameCode);
}

std::string onlineEntryUrl(int score, std::string_view playername, int maxdif,
                           std::string_view playeremail) {
    const std::string player = std::string(playername) + " dif=" + str(maxdif);
    return onlineListUrl() + "&a=" + percentEncode(str(score)) + "&b=" + percentEncode(player) +
           "&c=" + percentEncode(playeremail);
}

std::string percentEncode(std::string_view value) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0x0F];
        }
    }
    return out;
}

} // namespace stratavex
