// SPDX-License-Identifier: MIT
// What the window tests share: hosts that record what the windows ask of the
// outside world, a working folder of their own, and small helpers for finding,
// showing and sizing controls.
#pragma once

#include "base/host.h"
#include "shell/qt_host.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace stratavex::testing {

// The messages shown, answered from a script and with OK once it runs out.
class MessageRecorder {
public:
    std::vector<Message> messages;
    std::deque<Answer> answers;

    std::vector<std::string> messageTexts() const;

protected:
    Answer record(const Message& msg);
};

// A host for screens tested on their own: messages, the windows asked for and
// the sounds are recorded; no window is really shown and no sound played.
class RecordingHost : public Host, public MessageRecorder {
public:
    std::vector<WindowId> shown;
    std::vector<std::string> sounds;
    // Run as each window is asked for, to look at the screen underneath.
    std::function<void()> whenShown;

    int timesShown(WindowId window) const;

    Answer message(const Message& msg) override { return record(msg); }
    void showModal(WindowId window) override;
    bool playSound(const std::string& file) override;
    void openUrl(const std::string&) override {}
    void viewText(const std::string&) override {}
    std::string shortDate() override { return "08/12/2026"; }
    std::string programFolder() override { return "."; }
};

// The real host with its real windows, except that the program folder is a
// test folder and that messages, sounds, web addresses and text files are
// recorded instead of shown, played or opened.
class RecordingQtHost : public QtHost, public MessageRecorder {
public:
    // The working folder is the program folder.
    RecordingQtHost() = default;
    explicit RecordingQtHost(const QString& folder);

    std::vector<std::string> sounds;
    std::vector<std::string> urls;
    std::vector<std::string> viewed;

    Answer message(const Message& msg) override { return record(msg); }
    bool playSound(const std::string& file) override;
    void openUrl(const std::string& url) override { urls.push_back(url); }
    void viewText(const std::string& file) override { viewed.push_back(file); }
    std::string programFolder() override { return folder_; }

private:
    std::string folder_ = ".";
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
