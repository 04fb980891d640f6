// SPDX-License-Identifier: MIT
#include "qtsupport/qt_test_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>

namespace stratavex::testing {

std::vector<std::string> MessageRecorder::messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& msg : messages)
        texts.push_back(msg.text);
    return texts;
}

Answer MessageRecorder::record(const Message& msg) {
    messages.push_back(msg);
    if (answers.empty())
        return Answer::Ok;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

int RecordingHost::timesShown(WindowId window) const {
    return static_cast<int>(std::count(shown.begin(), shown.end(), window));
}

void RecordingHost::showModal(WindowId window) {
    shown.push_back(window);
    if (whenShown)
        whenShown();
}

bool RecordingHost::playSound(const std::string& file) {
    sounds.push_back(file);
    return true;
}

RecordingQtHost::RecordingQtHost(const QString& folder)
    : folder_(QFile::encodeName(folder).toStdString()) {}

bool RecordingQtHost::playSound(const std::string& file) {
    sounds.push_back(file);
    return true;
}

WorkingFolder::~WorkingFolder() {
    leave();
}

bool WorkingFolder::enter() {
    if (!dir_.isValid())
        return false;
    previous_ = QDir::currentPath();
    return QDir::setCurrent(dir_.path());
}

void WorkingFolder::leave() {
    if (previous_.isEmpty())
        return;
    QDir::setCurrent(previous_);
    previous_.clear();
}

void show(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

void resizeTo(QWidget& window, int width, int height) {
    window.resize(width, height);
    QTRY_COMPARE(window.size(), QSize(width, height));
    QCoreApplication::processEvents();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void copyBundledFile(const char* name, const QString& to) {
    QFile::remove(to);
    QVERIFY(QFile::copy(QStringLiteral(STRATAVEX_DATA_DIR "/") + QString::fromLatin1(name), to));
}

void copyBundledData(const QString& folder, const QStringList& leaveOut) {
    const QDir from(QStringLiteral(STRATAVEX_DATA_DIR));
    for (const QString& name : from.entryList(QDir::Files)) {
        if (!leaveOut.contains(name))
            QVERIFY(QFile::copy(from.filePath(name), QDir(folder).filePath(name)));
    }
}

} // namespace stratavex::testing
