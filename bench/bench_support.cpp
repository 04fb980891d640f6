// SPDX-License-Identifier: MIT
#include "bench_support.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "database/attributes.h"
#include "database/items.h"

namespace stratavex::bench {

std::string shippedDatabase() {
    std::ifstream in(STRATAVEX_DATA_DIR "/drem.dat", std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " STRATAVEX_DATA_DIR "/drem.dat");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string generatedDatabase(int records) {
    auto shipped = std::make_unique<ItemTable>();
    parsedb(shippedDatabase(), *shipped);
    const int n = shipped->nitems;
    if (n <= 0)
        throw std::runtime_error("the shipped database holds no records");

    auto table = std::make_unique<ItemTable>();
    for (int i = 1; i <= records && i <= maxItems; ++i) {
        const int round = (i - 1) / n;
        itemrec it = shipped->items[static_cast<std::size_t>((i - 1) % n + 1)];
        if (round > 0)
            it.name += " " + std::to_string(round + 1);
        table->items[static_cast<std::size_t>(i)] = std::move(it);
        table->nitems = static_cast<std::int16_t>(i);
    }
    return formatdb(*table);
}

LoadedGame::LoadedGame(int records) : game(std::make_unique<Game>(host)) {
    game->random.seed(20261208);
    inittables(*game);
    parsedb(generatedDatabase(records), game->db);
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void runByTurns(benchmark::State& state, const std::vector<Turn>& turns) {
    std::vector<std::vector<double>> times(turns.size());
    std::size_t rotation = 0;
    for (auto _ : state) {
        double first = 0;
        for (std::size_t k = 0; k < turns.size(); ++k) {
            const std::size_t j = (rotation + k) % turns.size();
            const auto start = std::chrono::steady_clock::now();
            turns[j].run();
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            times[j].push_back(seconds);
            if (j == 0)
                first = seconds;
        }
        ++rotation;
        state.SetIterationTime(first);
    }
    for (std::size_t j = 0; j < turns.size(); ++j)
        state.counters[turns[j].name] = median(times[j]);
}

} // namespace stratavex::bench
