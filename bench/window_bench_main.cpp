// SPDX-License-Identifier: MIT
// The window benchmarks run on the offscreen platform, in one application.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "shell/qt_host.h"

int main(int argc, char* argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // As the program's own main does.
    stratavex::keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
