// SPDX-License-Identifier: MIT
#include "base/config.h"

#include <cerrno>

#include "base/fields.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "base/program_state.h"

namespace stratavex {

namespace {

// Lines 6-9 hold slots 2 and 3 exchanged; files written so far rely on it.
constexpr std::array<int, 5> firstSlots{0, 1, 3, 2, 4};
constexpr std::array<int, 5> secondSlots{5, 6, 7, 8, 9};
constexpr int selectedStored = 20; // selected(0..19)

// Every value of the file, in file order.
constexpr int valueCount = 4 + 2 + 3 + 8 * 5 + selectedStored;

std::string quotedLine(const std::string& text) {
    std::string out = "\"";
    // A double quote would end the value early when read back.
    for (char c : text)
        out += c == '"' ? '\'' : c;
    return out + "\"\r\n";
}

// The picture name is written raw, as the file has always held it, unless a
// raw line would read back as something else: a comma or a line end would end
// it early and shift every value after it, blanks around it would be trimmed,
// and an opening double quote would start a quoted value. Such a name was read
// from a quoted value, and is written quoted again.
bool readsBackRaw(std::string_view text) {
    if (text.find_first_of(",\r\n") != std::string_view::npos)
        return false;
    return text.empty() || (!isBlank(text.front()) && text.front() != '"' && !isBlank(text.back()));
}

std::string pictureLine(const std::string& name) {
    return readsBackRaw(name) ? name + "\r\n" : quotedLine(name);
}

std::string windowLines(const Config& config, const std::array<int, 5>& slots) {
    const auto& w = config.winsize;
    const auto at = [&](int i) -> const WindowRecord& {
        return w[static_cast<std::size_t>(slots[static_cast<std::size_t>(i)])];
    };
    std::string out;
    out += printZoneLine({at(0).state, at(1).state, at(2).state, at(3).state, at(4).state});
    out += printZoneLine(
        {at(0).backcolor, at(1).backcolor, at(2).backcolor, at(3).backcolor, at(4).backcolor});
    out += printZoneLine({at(0).height, at(1).height, at(2).height, at(3).height, at(4).height});
    out += printZoneLine({at(0).width, at(1).width, at(2).width, at(3).width, at(4).width});
    return out;
}

// Reads values in file order. Once the text is used up every further read
// supplies nothing, so the values after that keep their current ones.
class IniReader {
public:
    explicit IniReader(std::string_view text) : in_(text) {}

    int count() const { return count_; }

    void text(std::string& field) { store(field, in_.readString()); }
    void number(std::int16_t& field) { store(field, in_.readInt16()); }
    void number(std::int32_t& field) { store(field, in_.readInt32()); }
    // A size of zero or less cannot be shown; the window keeps its usable size.
    void size(std::int16_t& field) {
        std::int16_t v = field;
        number(v);
        if (v > 0)
            field = v;
    }

private:
    template <typename T> void store(T& field, std::optional<T> value) {
        if (!value)
            return;
        field = std::move(*value);
        ++count_;
    }

    FieldReader in_;
    int count_ = 0;
};

void readWindows(IniReader& in, Config& config, const std::array<int, 5>& slots) {
    const auto at = [&](std::size_t i) -> WindowRecord& {
        return config.winsize[static_cast<std::size_t>(slots[i])];
    };
    for (std::size_t i = 0; i < slots.size(); ++i)
        in.number(at(i).state);
    for (std::size_t i = 0; i < slots.size(); ++i)
        in.number(at(i).backcolor);
    for (std::size_t i = 0; i < slots.size(); ++i)
        in.size(at(i).height);
    for (std::size_t i = 0; i < slots.size(); ++i)
        in.size(at(i).width);
}

std::int16_t clamp16(std::int16_t v, std::int16_t lo, std::int16_t hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

// A garbled file must still leave a playable game.
void makePlayable(Settings& s, Config& config, bool complete) {
    s.maxdif = clamp16(s.maxdif, 1, 4);
    s.nquest = clamp16(s.nquest, 1, 10);
    s.logstatus = clamp16(s.logstatus, 0, 2);
    if (s.soundon != 0)
        s.soundon = 1;
    for (WindowRecord& w : config.winsize)
        if (w.state < 0 || w.state > 2)
            w.state = 0;
    bool anySelected = false;
    for (int code = 1; code <= nQuestionTypes; ++code)
        anySelected = anySelected || s.selected[static_cast<std::size_t>(code)] != 0;
    // A complete file with nothing selected is the player's own choice.
    if (!anySelected && !complete)
        s.selected = Settings::allSelected();
}

} // namespace

std::string formatIni(const Settings& s, const Config& config) {
    std::string out;
    out += printZoneLine({s.mindif, s.maxdif, s.nquest, s.logstatus});
    out += printZoneLine({s.reserved, s.soundon});
    out += quotedLine(config.playername);
    out += quotedLine(config.playeremail);
    out += pictureLine(config.bgpicture);
    out += windowLines(config, firstSlots);
    out += windowLines(config, secondSlots);
    for (int i = 0; i < selectedStored; ++i)
        out += printZoneLine({s.selected[static_cast<std::size_t>(i)]});
    return out;
}

int parseIni(std::string_view text, Settings& s, Config& config) {
    IniReader in(text);
    in.number(s.mindif);
    in.number(s.maxdif);
    in.number(s.nquest);
    in.number(s.logstatus);
    in.number(s.reserved);
    in.number(s.soundon);
    in.text(config.playername);
    in.text(config.playeremail);
    in.text(config.bgpicture);
    readWindows(in, config, firstSlots);
    readWindows(in, config, secondSlots);
    for (int i = 0; i < selectedStored; ++i)
        in.number(s.selected[static_cast<std::size_t>(i)]);
    makePlayable(s, config, in.count() == valueCount);
    return in.count();
}

void putini(ProgramState& game) {
    const std::string text = formatIni(game.settings, game.config);
    // Every resize of a window saves its size, most often the size the file
    // already holds; leaving that file alone spares a flush to disk per event.
    std::string current;
    if (readWholeFile(iniFile, current, largestConfiguration).ok && current == text)
        return;
    const FileResult saved = saveFileAtomically(iniFile, text);
    if (!saved.ok && !game.configSaveFailed)
        game.host.message(
            {saved.text + game.crlf + "putini " + iniFile, Buttons::Ok, Icon::Critical, "", false});
    game.configSaveFailed = !saved.ok;
}

void getini(ProgramState& game) {
    std::string text;
    const FileResult read = readWholeFile(iniFile, text, largestConfiguration);
    if (read.ok) {
        parseIni(text, game.settings, game.config);
        return;
    }
    // A first run has no configuration yet: the defaults serve without a word.
    if (read.error != ENOENT)
        game.host.message({read.text + game.crlf + "getini " + iniFile, Buttons::Ok,
                           Icon::Exclamation, "", false});
}

} // namespace stratavex
