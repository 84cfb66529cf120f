#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/sound/wave_man.h"
#include "../engine/headless_waves.h"
#include "shell/game_context.h"
#include "shell/sound_ids.h"
#include "shell/sound_list.h"

using namespace wavetest;

namespace {

// A sound list of 80 waves named w0 .. w79, each file a different length (wave n lasts
// n + 1 hundredths of a second), so a test can tell from the bytes written which file plays.
class SoundEffectsTest : public ::testing::Test, protected wavetest::THeadlessWaves {
protected:
    SoundEffectsTest() : THeadlessWaves("sound-effects") {
        for (int n = 0; n < 80; ++n) {
            const std::string name = "w" + std::to_string(n);
            list.AddSoundInfo(name, n);
            WriteFile(folder / (name + ".wav"), SimpleWave(80 * static_cast<std::size_t>(n + 1)));
        }
        context.SetSoundObjects(&waves, &list);
    }
    ~SoundEffectsTest() override { context.SetSoundObjects(nullptr, nullptr); }

    // The wave number of the file written last.
    int LastFile() const { return static_cast<int>(output.Writes().back().Bytes / 80) - 1; }

    TSoundList list;
    TGameContext context;
};

}  // namespace

TEST(SoundList, FindsTheFirstNameForAWaveNumber) {
    TSoundList list;
    list.AddSoundInfo("boing", 0);
    list.AddSoundInfo("Twang", 1);
    list.AddSoundInfo("other", 1);
    EXPECT_EQ("BOING", list.SoundFileName(0));
    EXPECT_EQ("TWANG", list.SoundFileName(1));
    EXPECT_EQ("", list.SoundFileName(2));
}

TEST_F(SoundEffectsTest, SoundIdsReachTheirFilesThroughTheTable) {
    const std::pair<int, int> cases[] = {{14, 0}, {84, 0}, {200, 0}, {57, 58}, {58, 57},
                                         {30, 31}, {56, 31}, {83, 79}};
    for (auto [soundId, file] : cases) {
        context.PlaySound(soundId);
        EXPECT_EQ(file, LastFile()) << "sound id " << soundId;
        Finish();
    }
    // The room hears the wave id, not the sound id it asked for.
    EXPECT_EQ((std::vector<std::uint16_t>{0, 0, 0, 58, 57, 31, 31, 79}), ended);
}

TEST_F(SoundEffectsTest, NextQueuedSoundStartsBeforeTheRoomHearsThePreviousEnded) {
    context.PlaySound(3);
    context.PlaySound(4);
    Finish();
    EXPECT_EQ(std::vector<std::uint16_t>{3}, ended);
    EXPECT_EQ(std::vector<std::uint16_t>{4}, playingWhenEnded);
}

TEST_F(SoundEffectsTest, PlayIfIdleDoesNotRestartThePlayingLoop) {
    context.PlaySoundIfIdle(26);
    ASSERT_EQ(27, waves.PlayingID());
    EXPECT_TRUE(waves.IsLooping());
    context.PlaySoundIfIdle(26);
    EXPECT_EQ(1u, output.Writes().size());
    // An ordinary sound interrupts the ambient loop, which comes back afterwards.
    context.PlaySound(5);
    Finish();
    EXPECT_EQ(5, waves.PlayingID());
    Finish();
    EXPECT_EQ(27, waves.PlayingID());
    EXPECT_EQ(3u, output.Writes().size());
}

TEST_F(SoundEffectsTest, LeavingARoomStopsItsLoopsAndFocusUnloadsEverything) {
    context.PlaySoundIfIdle(26);
    context.StopLoopedSounds();
    queue.Drain();
    EXPECT_TRUE(waves.Sounds.IsEmpty());
    context.PlaySoundEx(3, 0, kModeOrdinary, false);  // stays loaded
    context.PlaySound(4);
    context.UnloadAllSounds();
    queue.Drain();
    EXPECT_TRUE(waves.Sounds.IsEmpty());
    context.PlaySound(4);
    context.StopCurrentSound();
    queue.Drain();
    EXPECT_EQ(0, waves.PlayingID());
}

TEST_F(SoundEffectsTest, MissingNamesAndDisabledSoundPlayNothing) {
    TSoundList shortList;
    shortList.AddSoundInfo("w1", 1);
    context.SetSoundObjects(&waves, &shortList);
    context.PlaySound(5);  // wave 5 has no name
    EXPECT_TRUE(output.Writes().empty());
    context.SetSoundObjects(&waves, &list);
    waves.SetEnabled(false);
    context.PlaySound(5);
    context.PlaySoundIfIdle(26);
    EXPECT_TRUE(output.Writes().empty());
    context.SetSoundObjects(nullptr, nullptr);
    context.PlaySound(5);
    context.StopLoopedSounds();
    EXPECT_TRUE(output.Writes().empty());
}
