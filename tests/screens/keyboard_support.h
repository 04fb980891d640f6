// SPDX-License-Identifier: MIT
// Typing on a window in the window tests: keys go through the window system
// to the control with the focus, and on to its parents while none takes them,
// as they do when a player types.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace stratavex::testing {

// Shows the window and makes it the active one, so that it gets the keys.
inline bool activate(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void type(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// Presses Tab until the control has the focus; false when it never gets it.
inline bool tabTo(QWidget& window, const QWidget* control) {
    for (int tabs = 0; tabs < 30 && QApplication::focusWidget() != control; ++tabs)
        type(window, Qt::Key_Tab);
    return QApplication::focusWidget() == control;
}

// The repeats of a key held down, as the keyboard sends them after the first
// press.
inline void typeRepeat(QWidget& window, Qt::Key key, const QString& text) {
    QWidget* receiver =
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, text, true);
    QApplication::sendEvent(receiver, &repeat);
}

} // namespace stratavex::testing
