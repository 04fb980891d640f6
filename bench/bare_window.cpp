// SPDX-License-Identifier: MIT
// The floor of a start-up: a Qt Widgets program that shows one empty window.
#include "idle_signal.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    stratavex::bench::reportIdleAndQuit(window);
    return app.exec();
}
