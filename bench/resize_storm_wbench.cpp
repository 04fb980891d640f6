// SPDX-License-Identifier: MIT
// A resize storm on a question window: 100 resize events on the "When did
// this one live?" screen, each of which saves the window size and the
// configuration. The figure is the median time of one event, handler and
// file write included.
#include <benchmark/benchmark.h>

#include "base/config.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "screens/mchoice_window.h"
#include "window_bench_support.h"

#include <QCoreApplication>
#include <QResizeEvent>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace stratavex::bench {
namespace {

constexpr int eventsPerStorm = 100;
constexpr int questionSlot = 0; // the window slot of the choice screens

// A game in its own program folder over the shipped database, and a question
// window of it on the screen.
struct QuestionOnScreen {
    GameInFolder program{shippedDatabase()};
    std::unique_ptr<mchoice> window;

    QuestionOnScreen() {
        window = std::make_unique<mchoice>(program.game);
        showUntilIdle(*window);
    }

    // Whether "drem.INI" holds the size the window slot has now.
    bool fileHoldsLastSize() {
        std::string text;
        if (!readWholeFile(iniFile, text, largestConfiguration).ok)
            return false;
        Settings settings;
        Config config;
        parseIni(text, settings, config);
        return config.winsize[questionSlot] == program.game.config.winsize[questionSlot];
    }
};

double median(std::vector<double>& times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Each event is timed from its delivery until the event loop has nothing
// left to do for it: the handler (layout and saving the size) and the
// repaint it brings.
template <typename Event> void storm(benchmark::State& state, Event event) {
    QuestionOnScreen screen;
    std::vector<double> times;
    std::vector<double> handlerTimes;
    double p90 = 0;
    double handler = 0;
    double slowest = 0;
    for (auto _ : state) {
        times.clear();
        handlerTimes.clear();
        for (int k = 0; k < eventsPerStorm; ++k) {
            const auto start = std::chrono::steady_clock::now();
            event(*screen.window, k);
            const auto handled = std::chrono::steady_clock::now();
            QCoreApplication::processEvents();
            const auto end = std::chrono::steady_clock::now();
            times.push_back(milliseconds(end - start));
            handlerTimes.push_back(milliseconds(handled - start));
        }
        state.SetIterationTime(median(times) / 1000.0);
        p90 += times[times.size() * 9 / 10];
        slowest = std::max(slowest, times.back());
        handler += median(handlerTimes);
        if (!screen.fileHoldsLastSize()) {
            state.SkipWithError("drem.INI does not hold the last saved size");
            break;
        }
    }
    state.counters["p90_ms"] = benchmark::Counter(p90, benchmark::Counter::kAvgIterations);
    state.counters["max_ms"] = slowest;
    state.counters["handler_ms"] = benchmark::Counter(handler, benchmark::Counter::kAvgIterations);
}

// The player drags an edge: every event brings a new size.
void BM_resize_storm_drag(benchmark::State& state) {
    storm(state, [](QWidget& window, int k) {
        window.resize(window.width() + (k % 2 == 0 ? 7 : -3),
                      window.height() + (k % 3 == 0 ? 2 : 0));
    });
}
BENCHMARK(BM_resize_storm_drag)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The window is told its size again, as when it is shown or laid out anew:
// every event saves the size the file already holds.
void BM_resize_storm_same_size(benchmark::State& state) {
    storm(state, [](QWidget& window, int) {
        QResizeEvent again(window.size(), window.size());
        QCoreApplication::sendEvent(&window, &again);
    });
}
BENCHMARK(BM_resize_storm_same_size)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace stratavex::bench
