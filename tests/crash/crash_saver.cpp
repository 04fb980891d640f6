// SPDX-License-Identifier: MIT
// Saves one of the program's files over and over, alternating two contents,
// until it is killed. The crash test kills it at random moments.
//
//   crash_saver <db|ini|hof> <folder> prepare   writes the file with the first
//                                                contents, and both contents to
//                                                "expect.1" and "expect.2"
//   crash_saver <db|ini|hof> <folder> loop      saves for ever; writes one byte
//                                                to stdout once the first save is done
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "base/config.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "database/items.h"
#include "engine/game.h"
#include "scores/hof.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

// Saves never ask anything; a failure is printed, and ends the program.
class FailingOnMessageHost : public testing::QuietHost {
public:
    Answer message(const Message& msg) override {
        std::cerr << "crash_saver: " << msg.text << '\n';
        std::exit(3);
    }
};

// Puts the game in the state of the first (which == 1) or second contents.
void setUp(Game& game, std::string_view type, int which) {
    if (type == "db") {
        std::string bytes;
        readWholeFile(STRATAVEX_DATA_DIR "/drem.dat", bytes, largestDatabase);
        parsedb(bytes, game.db);
        if (which == 2)
            game.db.items[1].name += " the second";
    } else if (type == "ini") {
        game.settings.nquest = which == 1 ? 5 : 20;
    } else {
        game.hof.hofcount = which;
        for (int i = 1; i <= which; ++i)
            game.hof.hof[static_cast<std::size_t>(i)] = {
                static_cast<std::int16_t>(200 - i), "drem",       90,
                "3  Player " + std::to_string(i),   "08/12/2026", 0};
    }
}

void save(Game& game, std::string_view type) {
    if (type == "db")
        writedb(game, "drem.dat");
    else if (type == "ini")
        putini(game);
    else
        putHOF(game.host, game.hof);
}

std::string fileOf(std::string_view type) {
    return type == "db" ? "drem.dat" : type == "ini" ? iniFile : hofFile;
}

int run(std::string_view type, const std::string& folder, std::string_view mode) {
    std::filesystem::current_path(folder);
    FailingOnMessageHost host;
    Game first(host);
    Game second(host);
    setUp(first, type, 1);
    setUp(second, type, 2);
    if (mode == "prepare") {
        save(second, type);
        std::filesystem::rename(fileOf(type), "expect.2");
        save(first, type);
        std::filesystem::copy_file(fileOf(type), "expect.1");
        return 0;
    }
    for (long n = 0;; ++n) {
        save(n % 2 == 0 ? second : first, type);
        if (n == 0) {
            std::fputc('!', stdout);
            std::fflush(stdout);
        }
    }
}

} // namespace
} // namespace stratavex

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: crash_saver <db|ini|hof> <folder> <prepare|loop>\n";
        return 2;
    }
    const std::string_view type = argv[1];
    if (type != "db" && type != "ini" && type != "hof") {
        std::cerr << "crash_saver: unknown file type " << type << '\n';
        return 2;
    }
    return stratavex::run(type, argv[2], argv[3]);
}
