// SPDX-License-Identifier: MIT
#pragma once

#include "shell/host.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSoundEffect;

namespace stratavex {

class Game;

// True when the file is a RIFF/WAVE file with an 8- or 16-bit PCM format chunk
// and a data chunk: what the sound player can decode.
bool isPlayableWave(const QString &path);

// The outside world of the real program: Qt message boxes, modal windows,
// Qt Multimedia sound effects and the desktop's URL and file handlers.
class QtHost : public Host {
  public:
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost &) = delete;
    QtHost &operator=(const QtHost &) = delete;

    // The game whose sound setting a failed sound turns off.
    void attach(Game &game) { game_ = &game; }

    // The function that shows a window modally and returns when it closes.
    void registerWindow(WindowId window, std::function<void()> show);

    Answer message(const Message &msg) override;
    void showModal(WindowId window) override;
    bool playSound(const std::string &file) override;
    void openUrl(const std::string &url) override;
    void viewText(const std::string &file) override;
    std::string shortDate() override;
    std::string programFolder() override;

  private:
    void soundFailed();

    Game *game_ = nullptr;
    std::map<WindowId, std::function<void()>> windows_;
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace stratavex
