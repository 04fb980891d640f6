// SPDX-License-Identifier: MIT
#include "window_bench_support.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include "database/attributes.h"
#include "database/items.h"

namespace stratavex::bench {

GameInFolder::GameInFolder(const std::string& database) {
    host.attach(game);
    game.random.seed(20261208);
    inittables(game);
    folder.write("drem.dat", database);
    loaddb(game);
}

void showUntilIdle(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

double milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace stratavex::bench
