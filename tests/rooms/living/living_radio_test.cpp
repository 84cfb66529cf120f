// The radio: each click turns it to talk, music and off; music starts with an announcement and
// the song follows when the announcement ends; the light blinks while it plays.
#include "tests/rooms/living/living_game.h"

#include "shell/room_world.h"
#include "shell/timer_codes.h"

namespace living_tests {
namespace {

constexpr std::uint8_t kBlinkTimer = TimerCodeValue(TTimerCode::RadioFlash);

class Radio : public LivingGame {
protected:
    bool MusicFlag() { return Game->HasFlag(kWorldLivingMusic); }
};

TEST_F(Radio, CyclesTalkMusicOffWithTheSongAfterTheAnnouncement) {
    EnterLiving();
    ASSERT_TRUE(Enabled("#365"));
    EXPECT_EQ(Living().RadioMode(), 0);

    // Talk: one of the three talks, the light blinking until it ends.
    ForgetSounds();
    Game->Click("#365");
    EXPECT_EQ(Living().RadioMode(), 1);
    const auto talk = Game->SoundLog().back();
    EXPECT_GE(talk, kFirstTalkWave);
    EXPECT_LE(talk, kLastTalkWave);
    EXPECT_EQ(TimersOf(kBlinkTimer), 1);
    Game->Tick(3);
    ASSERT_FALSE(Game->CompleteSound()) << "the talk has ended";
    EXPECT_FALSE(Living().RadioLight());
    EXPECT_EQ(TimersOf(kBlinkTimer), 0);

    // Music: the announcement first, no song until it has ended.
    Game->Click("#365");
    EXPECT_EQ(Living().RadioMode(), 2);
    const auto announcement = Game->SoundLog().back();
    EXPECT_GE(announcement, kFirstAnnouncementWave);
    EXPECT_LE(announcement, kLastAnnouncementWave);
    EXPECT_TRUE(Game->SongLog().empty());
    EXPECT_FALSE(MusicFlag());
    EXPECT_TRUE(Game->CompleteSound());
    ASSERT_EQ(Game->SongLog().size(), 1u) << "a carol after the announcement";
    EXPECT_TRUE(MusicFlag());
    EXPECT_EQ(TimersOf(kBlinkTimer), 1) << "one blink timer, never two";
    // The light changes every 7 ticks.
    std::vector<int> changes;
    bool light = Living().RadioLight();
    for (int tick = 1; tick <= 36; ++tick) {
        Game->Tick();
        if (Living().RadioLight() != light) changes.push_back(tick);
        light = Living().RadioLight();
    }
    ASSERT_EQ(changes.size(), 5u);
    for (std::size_t i = 1; i < changes.size(); ++i) EXPECT_EQ(changes[i] - changes[i - 1], 7);
    EXPECT_EQ(TimersOf(kBlinkTimer), 1);

    // The song's end puts the light out and clears the flag.
    EXPECT_TRUE(Game->EndSong());
    Game->Tick();
    EXPECT_FALSE(MusicFlag());
    EXPECT_FALSE(Living().RadioLight());
    EXPECT_EQ(TimersOf(kBlinkTimer), 0);

    // Off.
    Game->Click("#365");
    EXPECT_EQ(Living().RadioMode(), 0);
    EXPECT_EQ(TimersOf(kBlinkTimer), 0);
    EXPECT_EQ(Shown(), "");
}

TEST_F(Radio, SwitchingOffDuringTheSongStopsIt) {
    EnterLiving();
    Game->Click("#365");
    Game->Click("#365");
    Game->Tick(3);
    ASSERT_TRUE(MusicFlag());
    Game->Click("#365");
    EXPECT_EQ(Living().RadioMode(), 0);
    EXPECT_FALSE(MusicFlag());
    EXPECT_EQ(Game->SongEndTime(), 0) << "the song player stopped";
    EXPECT_EQ(TimersOf(kBlinkTimer), 0);
}

TEST_F(Radio, WithoutMusicTheMusicTurnIsTalk) {
    EnterLiving();
    Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr, &Printers, &Game->Clock()});
    Game->Click("#365");
    Game->Click("#365");
    EXPECT_EQ(Living().RadioMode(), 2);
    const auto sound = Game->SoundLog().back();
    EXPECT_GE(sound, kFirstTalkWave);
    EXPECT_LE(sound, kLastTalkWave);
    Game->CompleteSound();
    EXPECT_TRUE(Game->SongLog().empty());
}

TEST_F(Radio, KeepsPlayingWhileTheChildIsAwayAndIsOffAfterTheSong) {
    EnterLiving();
    Game->Click("#365");
    Game->Click("#365");
    // The announcement ends in another room: the song still starts.
    Go("BED");
    Game->Tick(3);
    ASSERT_TRUE(MusicFlag());
    Go("LIVING");
    EXPECT_EQ(Living().RadioMode(), 2);
    EXPECT_EQ(TimersOf(kBlinkTimer), 1);
    Go("BED");
    Go("LIVING");
    EXPECT_EQ(TimersOf(kBlinkTimer), 1);

    Go("BED");
    Game->EndSong();
    Game->Tick();
    EXPECT_FALSE(MusicFlag());
    Go("LIVING");
    EXPECT_EQ(Living().RadioMode(), 0) << "the radio is off once its music has ended";
    EXPECT_EQ(TimersOf(kBlinkTimer), 0);
}

TEST_F(Radio, OtherSoundsNamedInEndOfSoundAreTakenAsTheirByte) {
    EnterLiving();
    Game->Click("#365");
    Game->Click("#365");
    // 278 is 22 as a byte: the announcement's end; text that is no number is sound 0.
    Living().RunScript("ENDOFSOUND", "278");
    EXPECT_TRUE(MusicFlag());
    Living().RunScript("ENDOFSOUND", "talk");
    EXPECT_TRUE(MusicFlag()) << "the music keeps its light";
}

}  // namespace
}  // namespace living_tests
