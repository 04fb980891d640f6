// SPDX-License-Identifier: MIT
#pragma once

#include "base/host.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace stratavex {

class SoundPlayer;

class Game;

// True when the file is a RIFF/WAVE file with an 8- or 16-bit PCM format chunk
// and a data chunk: what the sound player can decode.
bool isPlayableWave(const QString& path);

// Tunes the memory allocator for a program that repaints: a window's backing
// store is replaced by a new one at every resize, and with the allocator's
// defaults each one is a fresh mapping whose every page faults in again.
// Keeping freed blocks for reuse makes a resize repaint into memory that is
// already there. Call it first thing in main.
void keepFreedMemoryForReuse();

// The outside world of the real program: Qt message boxes, modal windows,
// sound effects (through the sound module) and the desktop's URL and file handlers.
class QtHost : public Host {
public:
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // The game whose sound setting a failed sound turns off.
    void attach(Game& game) { game_ = &game; }

    // The folder the game works in; the executable's folder until one is set.
    void useProgramFolder(std::string folder) { folder_ = std::move(folder); }

    // The function that shows a window modally and returns when it closes.
    void registerWindow(WindowId window, std::function<void()> show);

    Answer message(const Message& msg) override;
    void showModal(WindowId window) override;
    bool playSound(const std::string& file) override;
    bool openUrl(const std::string& url) override;
    bool viewText(const std::string& file) override;
    void showText(const std::string& file) override;

    // The program asked which desktop program opens a kind of file or
    // address ("xdg-mime"); the tests give one of their own.
    void useHandlerQuery(QString program) { handlerQuery_ = std::move(program); }
    std::string shortDate() override;
    std::string programFolder() override;

private:
    // Loads the sound module on the first sound; false when it cannot be loaded.
    bool soundPlayerReady();
    void soundFailed();
    // True when the desktop names a program that opens the address.
    bool desktopCanOpen(const QUrl& address) const;
    bool openOnDesktop(const QUrl& address) const;

    Game* game_ = nullptr;
    std::string folder_;
    std::map<WindowId, std::function<void()>> windows_;
    std::unique_ptr<SoundPlayer> player_;
    bool playerMissing_ = false;
    QString handlerQuery_ = QStringLiteral("xdg-mime");
};

} // namespace stratavex
