// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace stratavex {

// Plays one sound effect at a time. The player lives in a module of its own
// ("stratavex_sound") that is loaded on the first sound: Qt Multimedia and the
// audio libraries under it are only loaded when they are needed, so they do
// not slow down the start of the program.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the file, stopping the sound before it. A file the back
    // end rejects while decoding is reported later through failed.
    virtual void play(const QString& path) = 0;
    virtual void onFailure(std::function<void()> failed) = 0;
};

// The module's entry point, looked up by name after loading.
using MakeSoundPlayer = SoundPlayer* (*)();
inline constexpr const char* makeSoundPlayerSymbol = "stratavex_make_sound_player";

// Loads the sound module from the program's folder or, for an installed
// program, from its library folder. Null, with the reason in error, when the
// module cannot be loaded.
std::unique_ptr<SoundPlayer> loadSoundPlayer(QString& error);

} // namespace stratavex
