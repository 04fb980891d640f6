// SPDX-License-Identifier: MIT
// A bare Qt program whose one window shows a line of text and a button: the
// empty window's start-up plus what any text costs (the font set-up).
#include "idle_signal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    auto* label = new QLabel(QStringLiteral("Stratavex: Dinosaur Trivia & Database"), &window);
    label->move(24, 24);
    auto* button = new QPushButton(QStringLiteral("Play"), &window);
    button->move(24, 400);
    window.show();
    stratavex::bench::reportIdleAndQuit(window);
    return app.exec();
}
