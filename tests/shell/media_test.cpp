// SPDX-License-Identifier: MIT
#include "base/media.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::RecordingHost;
using testing::TempDir;

std::string soundName(int n) {
    return "sfx" + std::to_string(n) + ".wav";
}

std::string soundList(int count) {
    std::string list;
    for (int n = 0; n < count; ++n)
        list += "\"" + soundName(n) + "\"\r\n";
    return list;
}

class SoundEffects : public ::testing::Test {
protected:
    TempDir dir; // the program folder, not the current one
    RecordingHost host;
    Game game{host};
    void SetUp() override { host.folder = dir.path().string(); }
};

struct ListRow {
    const char* rule;
    int names;
    int filled;
    std::vector<std::string> played;
};

TEST_F(SoundEffects, GetMediaFillsTheEffectsFromTheSoundList) {
    const std::vector<ListRow> rows = {
        {"a short list keeps its names and plays the right-answer effect once",
         10,
         10,
         {soundName(5)}},
        {"a full list plays nothing", 16, 16, {}},
        {"names beyond the sixteenth are ignored", 17, 16, {}},
    };
    for (const ListRow& row : rows) {
        dir.write("dremsnd.dat", soundList(row.names));
        host.sounds.clear();
        game.settings.soundon = 1;
        game.media.sndfile.fill("stale");
        getMedia(game);
        for (int n = 0; n <= nSounds; ++n)
            EXPECT_EQ(game.media.sndfile[n], n < row.filled ? soundName(n) : "")
                << row.rule << ", effect " << n;
        EXPECT_EQ(host.sounds, row.played) << row.rule;
        EXPECT_EQ(game.settings.soundon, 1) << row.rule;
        EXPECT_TRUE(host.messages.empty()) << row.rule;
    }
}

TEST_F(SoundEffects, AListTooShortForTheRightAnswerEffectTurnsSoundOffSilently) {
    dir.write("dremsnd.dat", "click.wav,thud.wav\r\n");
    getMedia(game);
    EXPECT_EQ(game.media.sndfile[0], "click.wav");
    EXPECT_EQ(game.media.sndfile[1], "thud.wav");
    EXPECT_EQ(game.settings.soundon, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundEffects, AMissingSoundListIsReportedAndTurnsSoundOff) {
    getMedia(game);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "2 No such file or directory\r\ngetMedia dremsnd.dat");
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(game.settings.soundon, 0);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(SoundEffects, PlaysfxPlaysTheFileOfTheEffect) {
    game.media.sndfile[8] = "buzz.wav";
    playsfx(game, sfx::wrong);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"buzz.wav"});
    EXPECT_EQ(game.settings.soundon, 1);
}

TEST_F(SoundEffects, PlaysfxIsSilentWhileSoundIsOff) {
    game.media.sndfile[5] = "chime.wav";
    game.settings.soundon = 0;
    playsfx(game, sfx::right);
    playsfx(game, 99);
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundEffects, AnUnplayableSoundTurnsSoundOffWithoutAMessage) {
    const std::vector<std::pair<const char*, int>> rows = {
        {"a file the player cannot play", 0},
        {"an effect without a file", 3},
        {"effect 16, which never has a file", 16},
    };
    for (const auto& [rule, effect] : rows) {
        game.media.sndfile[0] = "missing.wav";
        host.unplayable = {"missing.wav"};
        game.settings.soundon = 1;
        playsfx(game, effect);
        EXPECT_EQ(game.settings.soundon, 0) << rule;
        EXPECT_TRUE(host.messages.empty()) << rule;
        game.settings.soundon = 1;
        game.media.sndfile[0] = "fine.wav";
        playsfx(game, 0);
        EXPECT_EQ(game.settings.soundon, 1) << rule << ": the player may switch it on again";
    }
}

TEST_F(SoundEffects, AnEffectNumberOutsideTheListIsReportedAndTurnsSoundOff) {
    for (int effect : {17, -1}) {
        host.messages.clear();
        game.settings.soundon = 1;
        playsfx(game, effect);
        EXPECT_EQ(host.messageTexts(),
                  std::vector<std::string>{"Subscript out of range\r\nplaysfx  " +
                                           std::to_string(effect)});
        EXPECT_EQ(game.settings.soundon, 0);
    }
    EXPECT_TRUE(host.sounds.empty());
}

} // namespace
} // namespace stratavex
