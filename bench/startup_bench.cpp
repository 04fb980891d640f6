// SPDX-License-Identifier: MIT
// Start-up of the program against a bare Qt program that shows one empty
// window: both are started as processes on the offscreen platform and timed
// from the spawn to the byte each writes once its window is shown and the
// event loop is idle; the peak memory is the child's own maximum resident set.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench_support.h"
#include "database/items.h"

extern char** environ;

namespace stratavex::bench {
namespace {

struct Run {
    double seconds = 0;
    double maxrssMegabytes = 0;
    bool ok = false;
};

Run startAndWaitForIdle(const std::string& program) {
    Run run;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    // Qt's start-up notes (such as an unset XDG_RUNTIME_DIR) would fill the table's output.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned != 0) {
        ::close(pipeEnds[0]);
        return run;
    }
    char idle = 0;
    const ssize_t got = ::read(pipeEnds[0], &idle, 1);
    const auto shown = std::chrono::steady_clock::now();
    ::close(pipeEnds[0]);

    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(shown - start).count();
    run.maxrssMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    run.ok = got == 1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

struct Program {
    const char* name;
    std::string path;
};

// All programs start by turns in each iteration, the order rotating, so the
// program and its baselines meet the same moments of a busy machine. Each
// one's median time and mean peak memory become counters under its name.
void BM_startup(benchmark::State& state) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::filesystem::path probe500 = STRATAVEX_STARTUP_PROBE_500;
    {
        TempDir scratch;
        scratch.write("drem.dat", generatedDatabase(maxItems));
        std::filesystem::copy_file(scratch.path() / "drem.dat", probe500.parent_path() / "drem.dat",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    const std::vector<Program> programs = {
        {"program", STRATAVEX_STARTUP_PROBE},
        {"program_500", probe500.string()},
        {"bare", STRATAVEX_BARE_WINDOW},
        {"bare_multimedia", STRATAVEX_BARE_WINDOW_MULTIMEDIA},
        {"bare_text", STRATAVEX_BARE_TEXT_WINDOW},
    };
    std::vector<std::vector<double>> times(programs.size());
    std::vector<double> megabytes(programs.size(), 0);
    std::size_t rotation = 0;
    for (auto _ : state) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t j = (rotation + k) % programs.size();
            const Run run = startAndWaitForIdle(programs[j].path);
            if (!run.ok) {
                state.SkipWithError(("no idle window from " + programs[j].path).c_str());
                return;
            }
            times[j].push_back(run.seconds);
            megabytes[j] += run.maxrssMegabytes;
        }
        ++rotation;
        state.SetIterationTime(times[0].back());
    }
    const auto iterations = static_cast<double>(state.iterations());
    for (std::size_t j = 0; j < programs.size(); ++j) {
        state.counters[programs[j].name] = median(times[j]);
        state.counters[std::string(programs[j].name) + "_MB"] = megabytes[j] / iterations;
    }
}
BENCHMARK(BM_startup)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace stratavex::bench
