// SPDX-License-Identifier: MIT
// The configuration reader on any bytes. What it makes of them is written out
// and read back, and must give the same settings and window sizes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/config.h"
#include "base/settings.h"
#include "fuzz/fuzz_check.h"

namespace {

using stratavex::Config;
using stratavex::Settings;
using stratavex::fuzz::check;

bool sameSettings(const Settings& a, const Settings& b) {
    return a.mindif == b.mindif && a.maxdif == b.maxdif && a.nquest == b.nquest &&
           a.logstatus == b.logstatus && a.reserved == b.reserved && a.soundon == b.soundon &&
           a.selected == b.selected;
}

// The names are written between double quotes with no escape, so the writer
// turns a double quote into a single one; an unquoted name read from a file
// may hold one.
Config asWritten(Config c) {
    for (std::string* text : {&c.playername, &c.playeremail})
        std::replace(text->begin(), text->end(), '"', '\'');
    return c;
}

// Whatever the file held, the game must be playable with what was read.
void checkPlayable(const Settings& s, const Config& c) {
    check(s.maxdif >= 1 && s.maxdif <= 4, "maximum difficulty within 1..4");
    check(s.nquest >= 1 && s.nquest <= 10, "question count within 1..10");
    check(s.logstatus >= 0 && s.logstatus <= 2, "log level within 0..2");
    check(s.soundon == 0 || s.soundon == 1, "sound on or off");
    for (const stratavex::WindowRecord& w : c.winsize) {
        check(w.state >= 0 && w.state <= 2, "window state normal, minimised or maximised");
        check(w.height > 0 && w.width > 0, "window sizes that can be shown");
    }
}

// The number of values a complete file holds: what the defaults read back as.
int completeCount() {
    Settings s;
    Config c;
    return stratavex::parseIni(stratavex::formatIni(Settings{}, Config{}), s, c);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const int complete = completeCount();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Settings settings;
    Config config;
    const int values = stratavex::parseIni(bytes, settings, config);
    check(values >= 0 && values <= complete, "no more values than a file holds");
    checkPlayable(settings, config);

    const std::string written = stratavex::formatIni(settings, config);
    Settings settingsBack;
    Config configBack;
    check(stratavex::parseIni(written, settingsBack, configBack) == complete,
          "a written configuration reads back whole");
    check(sameSettings(settingsBack, settings), "a written configuration reads back its settings");
    check(configBack == asWritten(config),
          "a written configuration reads back its names, picture and windows");
    check(stratavex::formatIni(settingsBack, configBack) == written,
          "writing the configuration read back gives the same bytes");
    return 0;
}
