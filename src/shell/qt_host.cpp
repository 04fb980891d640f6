// SPDX-License-Identifier: MIT
#include "shell/qt_host.h"

#include "base/file_limits.h"
#include "base/media.h"
#include "base/qt_files.h"
#include "base/qt_text.h"
#include "engine/game.h"
#include "shell/help_window.h"
#include "shell/qt_sound.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <cstdint>
#include <cstdio>
#include <string>

#include <malloc.h>

namespace stratavex {
namespace {

constexpr std::uint16_t wavePcm = 1;
// How long the desktop may take to name the program for an address.
constexpr int handlerQueryWait = 3000;
// Enough chunks to step over any metadata that precedes "data".
constexpr int maxWaveChunks = 64;

std::uint32_t littleEndian(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

bool isPlayableFormat(const QByteArray& fmt) {
    if (fmt.size() < 16)
        return false;
    const auto format = littleEndian(fmt, 0, 2);
    const auto channels = littleEndian(fmt, 2, 2);
    const auto rate = littleEndian(fmt, 4, 4);
    const auto bits = littleEndian(fmt, 14, 2);
    return format == wavePcm && channels >= 1 && rate > 0 && (bits == 8 || bits == 16);
}

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair {
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton second; // NoButton for a single button
};

ButtonPair boxButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case Buttons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case Buttons::Ok:
        break;
    }
    return {QMessageBox::Ok, QMessageBox::NoButton};
}

Answer answerFor(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

// Every message also goes to the standard error output on one line, so that
// what a player was told can be read from a log or a terminal afterwards.
void logMessage(const std::string& text) {
    std::string line = "Stratavex message: ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            line += " / ";
            ++i;
        } else {
            line += text[i];
        }
    }
    line += '\n';
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

} // namespace

void keepFreedMemoryForReuse() {
    // Blocks up to a full-screen 4K backing store come from the heap, and up
    // to twice that may stay free at its top before it is given back.
    constexpr int largestHeapBlock = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, largestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, 2 * largestHeapBlock);
}

bool isPlayableWave(const QString& path) {
    // The sound player holds the whole file in memory.
    if (!isFileWithin(path, largestSound))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    bool formatOk = false;
    for (int chunk = 0; chunk < maxWaveChunks; ++chunk) {
        const qint64 start = file.pos();
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return false;
        const QByteArray id = header.left(4);
        const qint64 size = littleEndian(header, 4, 4);
        if (id == "fmt ") {
            formatOk = isPlayableFormat(file.read(qMin<qint64>(size, 40)));
            if (!formatOk)
                return false;
        } else if (id == "data") {
            // Qt waits forever for samples that a cut-short file never delivers.
            return formatOk && size > 0 && start + 8 + size <= file.size();
        }
        // Chunks are padded to an even length.
        if (!file.seek(start + 8 + size + (size & 1)))
            return false;
    }
    return false;
}

QtHost::QtHost() = default;
QtHost::~QtHost() = default;

void QtHost::registerWindow(WindowId window, std::function<void()> show) {
    windows_[window] = std::move(show);
}

Answer QtHost::message(const Message& msg) {
    logMessage(msg.text);
    const ButtonPair buttons = boxButtons(msg.buttons);
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(boxIcon(msg.icon));
    box.setWindowTitle(msg.title.empty() ? QString::fromLatin1(appTitle) : displayText(msg.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(msg.text));
    // The player can copy what a message says, such as a web address.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* first = box.addButton(buttons.first);
    QPushButton* second =
        buttons.second == QMessageBox::NoButton ? nullptr : box.addButton(buttons.second);
    box.setDefaultButton(msg.secondIsDefault && second != nullptr ? second : first);
    box.setEscapeButton(second != nullptr ? second : first);
    box.exec();
    return answerFor(box.standardButton(box.clickedButton()));
}

void QtHost::showModal(WindowId window) {
    const auto found = windows_.find(window);
    if (found != windows_.end())
        found->second();
}

bool QtHost::playSound(const std::string& file) {
    if (file.empty())
        return false;
    const QString path = QFileInfo(fromWin1252(file)).absoluteFilePath();
    if (!isPlayableWave(path) || !soundPlayerReady())
        return false;
    player_->play(path);
    return true;
}

bool QtHost::soundPlayerReady() {
    if (player_)
        return true;
    if (playerMissing_)
        return false;
    QString error;
    player_ = loadSoundPlayer(error);
    if (!player_) {
        playerMissing_ = true;
        qWarning("Sound effects are off: the sound module could not be loaded (%s)",
                 qPrintable(error));
        return false;
    }
    player_->onFailure([this] { soundFailed(); });
    return true;
}

void QtHost::soundFailed() {
    if (game_ != nullptr)
        stratavex::soundFailed(*game_);
}

bool QtHost::openUrl(const std::string& url) {
    return openOnDesktop(QUrl::fromUserInput(fromWin1252(url), QDir::currentPath()));
}

bool QtHost::viewText(const std::string& file) {
    return openOnDesktop(QUrl::fromLocalFile(QFileInfo(fromWin1252(file)).absoluteFilePath()));
}

// The desktop's opener starts detached and tells nothing when it finds no
// program for the address, so the desktop is asked first.
bool QtHost::openOnDesktop(const QUrl& address) const {
    return address.isValid() && desktopCanOpen(address) && QDesktopServices::openUrl(address);
}

bool QtHost::desktopCanOpen(const QUrl& address) const {
    const QString kind = address.isLocalFile()
                             ? QMimeDatabase().mimeTypeForFile(address.toLocalFile()).name()
                             : QStringLiteral("x-scheme-handler/") + address.scheme();
    QProcess query;
    query.start(handlerQuery_, {QStringLiteral("query"), QStringLiteral("default"), kind});
    if (!query.waitForFinished(handlerQueryWait) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

void QtHost::showText(const std::string& file) {
    const QString path = fromWin1252(file);
    const std::optional<QByteArray> text = readHelpText(path);
    if (!text) {
        Message msg;
        msg.text = "The help text \"" + file + "\" could not be read.";
        msg.icon = Icon::Exclamation;
        message(msg);
        return;
    }
    HelpWindow window(QFileInfo(path).fileName(), *text, QApplication::activeWindow());
    window.exec();
}

std::string QtHost::shortDate() {
    return toWin1252(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtHost::programFolder() {
    if (!folder_.empty())
        return folder_;
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace stratavex
