// SPDX-License-Identifier: MIT
#include "shell/qt_signals.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace stratavex {
namespace {

// The signal handler may only write to a pipe; the event loop reads the other
// end and does the real work outside the handler.
std::array<int, 2> signalPipe = {-1, -1};

extern "C" void onTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

bool openSignalPipe() {
    if (signalPipe[0] >= 0)
        return true;
    if (::pipe(signalPipe.data()) != 0)
        return false;
    for (int fd : signalPipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

void drainSignalPipe() {
    std::array<char, 64> buffer{};
    while (::read(signalPipe[0], buffer.data(), buffer.size()) > 0) {
    }
}

void installHandler(int signal) {
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

void shutDown(QWidget* window) {
    if (window != nullptr)
        window->close();
    // A modal window may still be running its own event loop.
    QCoreApplication::quit();
}

} // namespace

void closeOnShutdown(QWidget& window) {
    QPointer<QWidget> guarded(&window);
    if (openSignalPipe()) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [guarded] {
            drainSignalPipe();
            shutDown(guarded);
        });
        installHandler(SIGTERM);
        installHandler(SIGINT);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(
            app, &QGuiApplication::commitDataRequest, &window,
            [guarded](QSessionManager&) { shutDown(guarded); }, Qt::DirectConnection);
        QObject::connect(app, &QCoreApplication::aboutToQuit, &window, [guarded] {
            if (guarded != nullptr)
                guarded->close();
        });
    }
}

} // namespace stratavex
