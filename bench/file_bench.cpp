// SPDX-License-Identifier: MIT
// The database and configuration files against the floor of the same job:
// the same bytes read, or written durably, in one call. Each job and its
// floor run by turns (runByTurns), since a flush to disk takes as long as the
// disk is busy at that moment.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/config.h"
#include "bench_support.h"
#include "database/items.h"

namespace stratavex::bench {
namespace {

// The whole file in one read, into a buffer of its size.
std::string readInOneCall(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    ::fstat(fd, &info);
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    const ssize_t n = ::read(fd, bytes.data(), bytes.size());
    ::close(fd);
    bytes.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
    return bytes;
}

std::size_t countFields(const std::string& bytes) {
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), ',') +
                                    std::count(bytes.begin(), bytes.end(), '\n'));
}

// One write to a temporary file, fsync, rename over the target.
void writeInOneCall(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".floor";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fsync(fd);
    ::close(fd);
    ::rename(temp.c_str(), path.c_str());
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(fd);
    ::close(fd);
}

void BM_readdb_vs_floor(benchmark::State& state) {
    TempDir folder;
    folder.write("drem.dat", generatedDatabase(maxItems));
    LoadedGame loaded(0);
    Game& game = *loaded.game;
    const std::string path = folder.file("drem.dat");
    runByTurns(state,
               {
                   {"readdb", [&] { readdb(game, path); }},
                   {"floor", [&] { benchmark::DoNotOptimize(countFields(readInOneCall(path))); }},
               });
    if (game.db.nitems != maxItems)
        state.SkipWithError("readdb did not read every record");
}
BENCHMARK(BM_readdb_vs_floor)->UseManualTime()->Unit(benchmark::kMicrosecond);

// readdb on its own at three sizes, for its growth with the table.
void BM_readdb(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    TempDir folder;
    folder.write("drem.dat", generatedDatabase(records));
    LoadedGame loaded(0);
    Game& game = *loaded.game;
    const std::string path = folder.file("drem.dat");
    for (auto _ : state) {
        readdb(game, path);
        benchmark::DoNotOptimize(game.db.nitems);
    }
    if (game.db.nitems != records)
        state.SkipWithError("readdb did not read every record");
}
BENCHMARK(BM_readdb)->Arg(50)->Arg(250)->Arg(500)->Unit(benchmark::kMicrosecond);

// The two halves of readdb and writedb without the file: parsing the bytes
// into the table, and formatting the table into bytes.
void BM_parsedb(benchmark::State& state) {
    const std::string bytes = generatedDatabase(maxItems);
    LoadedGame loaded(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(parsedb(bytes, loaded.game->db).lastItem);
}
BENCHMARK(BM_parsedb)->Unit(benchmark::kMicrosecond);

void BM_formatdb(benchmark::State& state) {
    LoadedGame loaded(maxItems);
    for (auto _ : state)
        benchmark::DoNotOptimize(formatdb(loaded.game->db));
}
BENCHMARK(BM_formatdb)->Unit(benchmark::kMicrosecond);

// Beside the floor, the floor with the folder flushed too, which a renamed
// file needs before its new name survives a power cut.
void BM_writedb_vs_floor(benchmark::State& state) {
    TempDir folder;
    LoadedGame loaded(maxItems);
    const std::string bytes = formatdb(loaded.game->db);
    const std::string path = folder.file("drem.dat");
    const std::string floorPath = folder.file("floor.dat");
    runByTurns(state, {
                          {"writedb", [&] { writedb(*loaded.game, path); }},
                          {"floor", [&] { writeInOneCall(floorPath, bytes); }},
                          {"floor_folder_sync",
                           [&] {
                               writeInOneCall(floorPath, bytes);
                               syncFolder(folder.path().string());
                           }},
                      });
}
BENCHMARK(BM_writedb_vs_floor)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A configuration with a player and a few windows moved, as after a game.
void playedConfiguration(Game& game) {
    game.config.playername = "Ann, the Bold";
    game.config.playeremail = "ann@example.org";
    for (std::size_t slot = 0; slot < game.config.winsize.size(); ++slot)
        game.config.winsize[slot].width = static_cast<std::int16_t>(9000 + 15 * slot);
}

void BM_getini_vs_floor(benchmark::State& state) {
    TempDir folder;
    LoadedGame loaded(0);
    Game& game = *loaded.game;
    playedConfiguration(game);
    folder.write(iniFile, formatIni(game.settings, game.config));
    const std::string path = folder.file(iniFile);
    CurrentDir here(folder.path());
    runByTurns(state, {
                          {"getini", [&] { getini(game); }},
                          {"floor", [&] { benchmark::DoNotOptimize(readInOneCall(path)); }},
                      });
}
BENCHMARK(BM_getini_vs_floor)->UseManualTime()->Unit(benchmark::kMicrosecond);

// putini with something new to write each time (a window size changes in
// between), putini of what the file already holds, and the floor.
void BM_putini_vs_floor(benchmark::State& state) {
    TempDir folder;
    LoadedGame loaded(0);
    Game& game = *loaded.game;
    playedConfiguration(game);
    CurrentDir here(folder.path());
    std::int16_t& width = game.config.winsize[0].width;
    const std::string first = formatIni(game.settings, game.config);
    width = 9015;
    const std::string second = formatIni(game.settings, game.config);
    const std::string floorPath = folder.file("floor.INI");
    bool which = false;
    runByTurns(state, {
                          {"putini",
                           [&] {
                               width = static_cast<std::int16_t>(width == 9000 ? 9015 : 9000);
                               putini(game);
                           }},
                          {"putini_unchanged", [&] { putini(game); }},
                          {"floor",
                           [&] {
                               which = !which;
                               writeInOneCall(floorPath, which ? first : second);
                           }},
                      });
}
BENCHMARK(BM_putini_vs_floor)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace stratavex::bench
