// SPDX-License-Identifier: MIT
// What the window tests share: the real host recording what the windows ask
// of the outside world, a working folder of their own, and small helpers for
// finding, showing and sizing controls.
#pragma once

#include "shell/qt_host.h"
#include "support/test_host.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

namespace stratavex::testing {

// The real host with its real windows, except that the program folder is a
// test folder and that messages, sounds, web addresses and text files are
// recorded instead of shown, played or opened; messages are answered from
// `answers`, then as a player who goes along would.
class RecordingQtHost : public Scripted<Recording<QtHost>> {
public:
    // The working folder is the program folder.
    RecordingQtHost();
    explicit RecordingQtHost(const QString& folder);
};

// A temporary folder made the working folder, so the files the program keeps
// beside itself are read and written there.
class WorkingFolder {
public:
    WorkingFolder() = default;
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    // False when the folder could not be made or entered.
    bool enter();
    // Back to the folder the test was in before.
    void leave();

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The control with that objectName; null when there is none, which some tests
// expect.
template <typename T> T* control(const QWidget& parent, const QString& name) {
    return parent.findChild<T*>(name);
}

// The same for a control the test cannot go on without.
template <typename T> T* requireControl(const QWidget& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (found == nullptr)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The caption a control shows: a label's or a button's text, a frame's
// title; empty for any other control.
QString captionOf(const QWidget& control);

// Shows the window and waits until the window system has it on screen.
void show(QWidget& window);
// Resizes the window in pixels and lets the resize arrive.
void resizeTo(QWidget& window, int width, int height);

// The file's bytes; empty when it cannot be read.
QByteArray readFile(const QString& path);

// Copies one file of the bundled data, replacing what is there.
void copyBundledFile(const char* name, const QString& to);
// Copies the bundled data into a folder, all but the files left out.
void copyBundledData(const QString& folder, const QStringList& leaveOut = {});

} // namespace stratavex::testing
