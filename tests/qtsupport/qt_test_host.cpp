// SPDX-License-Identifier: MIT
#include "qtsupport/qt_test_host.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace stratavex::testing {

RecordingQtHost::RecordingQtHost() {
    useProgramFolder(".");
}

RecordingQtHost::RecordingQtHost(const QString& folder) {
    useProgramFolder(QFile::encodeName(folder).toStdString());
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

QString captionOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    return {};
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
