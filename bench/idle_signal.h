// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <unistd.h>

namespace stratavex::bench {

// The first time the event loop is about to wait with the window shown and
// exposed, writes one byte to the standard output for the timing parent and
// leaves the event loop.
inline void reportIdleAndQuit(QWidget& window) {
    auto* dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &window, [&window] {
        static bool reported = false;
        const QWindow* handle = window.windowHandle();
        if (reported || !window.isVisible() || handle == nullptr || !handle->isExposed())
            return;
        reported = true;
        const char idle = 'i';
        [[maybe_unused]] const auto written = ::write(STDOUT_FILENO, &idle, 1);
        QCoreApplication::exit(0);
    });
}

} // namespace stratavex::bench
