// SPDX-License-Identifier: MIT
// The sound module: plays effects with Qt Multimedia. It is loaded by the
// program on its first sound (see shell/qt_sound.h).
#include "shell/qt_sound.h"

#include <QSoundEffect>
#include <QUrl>

namespace stratavex {
namespace {

// One effect is reused for every sound: replacing it while the audio back
// end is still setting up could tear down the back end under its feet.
class SoundEffectPlayer final : public SoundPlayer {
public:
    SoundEffectPlayer() {
        QObject::connect(&effect_, &QSoundEffect::statusChanged, &effect_, [this] {
            if (effect_.status() == QSoundEffect::Error && failed_)
                failed_();
        });
    }

    void play(const QString& path) override {
        effect_.stop();
        effect_.setSource(QUrl::fromLocalFile(path));
        effect_.play();
    }

    void onFailure(std::function<void()> failed) override { failed_ = std::move(failed); }

private:
    QSoundEffect effect_;
    std::function<void()> failed_;
};

} // namespace
} // namespace stratavex

extern "C" Q_DECL_EXPORT stratavex::SoundPlayer* stratavex_make_sound_player() {
    return new stratavex::SoundEffectPlayer();
}
