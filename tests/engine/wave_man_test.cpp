#include <gtest/gtest.h>

#include <vector>

#include "engine/sound/wave_man.h"
#include "headless_waves.h"

using namespace wavetest;

namespace {

constexpr std::uint16_t kLoop = 1, kClick = 2, kBell = 3, kHorn = 4, kWind = 5;

class WaveManTest : public ::testing::Test, protected wavetest::THeadlessWaves {
protected:
    WaveManTest() : THeadlessWaves("wave-man") {
        // 100 ms each: 800 bytes of 8-bit mono at 8000 Hz.
        for (const char* name : {"loop", "click", "bell", "horn", "wind"})
            WriteFile(folder / (std::string(name) + ".wav"), SimpleWave(800));
        WriteFile(folder / "broken.wav", Bytes{'R', 'I', 'F', 'F'});
    }

    bool Load(std::uint16_t id, std::uint8_t flags = kSoundOneShot) {
        static const char* names[] = {"", "loop", "click", "bell", "horn", "wind"};
        return waves.Load(names[id], id, flags);
    }
    bool LoadAndPlay(std::uint16_t id, std::uint32_t mode, bool loop = false) {
        return Load(id) && waves.Play(id, mode, loop);
    }
    std::size_t Writes() const { return output.Writes().size(); }
};

}  // namespace

TEST_F(WaveManTest, LoadsOncePerIdAndRecordsLoadErrors) {
    EXPECT_TRUE(Load(kClick));
    EXPECT_TRUE(waves.Load("bell", kClick, kSoundOneShot));  // the id is loaded: name not compared
    EXPECT_EQ(1, waves.Sounds.Count());
    EXPECT_FALSE(waves.Load("broken", 9, kSoundOneShot));
    EXPECT_EQ(kWaveNoRiffWave, waves.LastLoadError());
    EXPECT_FALSE(waves.Load("nothere", 9, kSoundOneShot));
    EXPECT_EQ(kWaveCannotOpen, waves.LastLoadError());
    EXPECT_FALSE(waves.Load("", 9, kSoundOneShot));
    // Pending and resume are never taken from the caller.
    EXPECT_TRUE(waves.Load("bell", kBell, 0xFF));
    EXPECT_EQ(0xFF & ~(kSoundPending | kSoundResume), waves.FindSound(kBell)->Flags);
    EXPECT_EQ(2, waves.Sounds.Count());
}

TEST_F(WaveManTest, NamesMatchFilesOfTheFolderRegardlessOfCase) {
    EXPECT_TRUE(waves.Load("CLICK", kClick, kSoundOneShot));
    EXPECT_TRUE(waves.Play(kClick, kModeOrdinary, false));
    // A name from the sound list never reaches outside the wave folder.
    std::filesystem::create_directory(folder / "sub");
    WriteFile(folder / "sub" / "inner.wav", SimpleWave(10));
    EXPECT_FALSE(waves.Load("sub/inner", 9, kSoundOneShot));
    EXPECT_EQ(kWaveCannotOpen, waves.LastLoadError());
}

TEST_F(WaveManTest, EnablingFollowsTheDevice) {
    EXPECT_TRUE(waves.Enabled());
    EXPECT_FALSE(waves.SetEnabled(false));
    EXPECT_FALSE(Load(kClick));
    ASSERT_TRUE(waves.SetEnabled(true));
    ASSERT_TRUE(Load(kClick));
    waves.SetEnabled(false);
    EXPECT_FALSE(waves.Play(kClick, kModeOrdinary, false));
    EXPECT_EQ(1, waves.Sounds.Count());  // disabling unloads nothing

    output.DevicePresent = false;
    EXPECT_FALSE(waves.SetEnabled(true));
    TWaveMan off(output, true);
    EXPECT_FALSE(off.Enabled());
    output.DevicePresent = true;
    TWaveMan notAsked(output, false);
    EXPECT_FALSE(notAsked.Enabled());
}

TEST_F(WaveManTest, FolderGetsOneTrailingSlash) {
    waves.SetFolder("/a/b");
    EXPECT_EQ("/a/b/", waves.Folder());
    waves.SetFolder("/a/b/");
    EXPECT_EQ("/a/b/", waves.Folder());
    waves.SetFolder("");
    EXPECT_EQ("", waves.Folder());
}

TEST_F(WaveManTest, OneShotSoundPlaysAndIsFreedAtItsEnd) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    EXPECT_EQ(kClick, waves.PlayingID());
    ASSERT_EQ(1u, Writes());
    EXPECT_EQ(800u, output.Writes()[0].Bytes);
    EXPECT_EQ(1u, output.Writes()[0].Loops);
    // Its end is only seen once the completion is delivered on the main thread.
    output.CompleteOldest();
    EXPECT_EQ(kClick, waves.PlayingID());
    queue.Drain();
    EXPECT_EQ(0, waves.PlayingID());
    EXPECT_EQ(std::vector<std::uint16_t>{kClick}, ended);
    EXPECT_TRUE(waves.Sounds.IsEmpty());
    EXPECT_EQ(0u, output.OpenVoices());
}

TEST_F(WaveManTest, SoundEndsAfterItsDurationOnTheClock) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    clock.Advance(99);
    output.Update();
    queue.Drain();
    EXPECT_EQ(kClick, waves.PlayingID());
    clock.Advance(1);
    output.Update();
    queue.Drain();
    EXPECT_EQ(0, waves.PlayingID());
}

TEST_F(WaveManTest, AskingForThePlayingSoundChangesNothing) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    EXPECT_TRUE(waves.Play(kClick, kModeOrdinary, false));
    EXPECT_EQ(1u, Writes());
    Finish();
    EXPECT_TRUE(waves.Sounds.IsEmpty());  // no resume was set
}

TEST_F(WaveManTest, SameSoundWithEvenIfPlayingReplaysItOnceItEnds) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    EXPECT_TRUE(waves.Play(kClick, kModeOrdinary | kModeEvenIfPlaying, false));
    Finish();
    EXPECT_EQ(kClick, waves.PlayingID());
    EXPECT_EQ(2u, Writes());
    Finish();
    EXPECT_TRUE(waves.Sounds.IsEmpty());
}

TEST_F(WaveManTest, SoundAskedForDuringAnotherWaitsAndStartsBeforeTheRoomHearsTheEnd) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    ASSERT_TRUE(LoadAndPlay(kBell, kModeOrdinary));
    EXPECT_EQ(kClick, waves.PlayingID());
    EXPECT_TRUE(waves.FindSound(kBell)->Flags & kSoundPending);
    Finish();
    EXPECT_EQ(std::vector<std::uint16_t>{kClick}, ended);
    EXPECT_EQ(std::vector<std::uint16_t>{kBell}, playingWhenEnded);
    Finish();
    EXPECT_EQ((std::vector<std::uint16_t>{kClick, kBell}), ended);
}

TEST_F(WaveManTest, OrdinarySoundBreaksALoopWhichThenStartsAgain) {
    ASSERT_TRUE(LoadAndPlay(kLoop, kModeAmbientLoop, true));
    EXPECT_TRUE(waves.IsLooping());
    EXPECT_EQ(kLoopForever, output.Writes()[0].Loops);
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    EXPECT_EQ(std::vector<platform::WaveToken>{output.Writes()[0].Token}, output.LoopBreaks());
    EXPECT_TRUE(output.Resets().empty());
    EXPECT_EQ(kLoop, waves.PlayingID());  // until the end of its pass

    Finish();
    EXPECT_EQ(kClick, waves.PlayingID());
    EXPECT_TRUE(waves.FindSound(kLoop)->Flags & kSoundPending);
    Finish();
    EXPECT_EQ(kLoop, waves.PlayingID());
    ASSERT_EQ(3u, Writes());
    EXPECT_EQ(kLoopForever, output.Writes()[2].Loops);
}

TEST_F(WaveManTest, StopLoopModeCutsTheLoopAtOnceAndRequeuesIt) {
    ASSERT_TRUE(LoadAndPlay(kLoop, kModeAmbientLoop, true));
    ASSERT_TRUE(LoadAndPlay(kClick, kModeStopLoop));
    EXPECT_EQ(1u, output.Resets().size());
    EXPECT_EQ(kLoop, waves.PlayingID());  // still counts as playing until its completion
    queue.Drain();
    EXPECT_EQ(kClick, waves.PlayingID());
    EXPECT_TRUE(waves.FindSound(kLoop)->Flags & kSoundPending);
    Finish();
    EXPECT_EQ(kLoop, waves.PlayingID());
}

TEST_F(WaveManTest, QueuedSingleSoundsPlayBeforeTheInterruptedLoop) {
    ASSERT_TRUE(LoadAndPlay(kLoop, kModeAmbientLoop, true));
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    Finish();  // loop pass ends; click plays
    ASSERT_TRUE(LoadAndPlay(kBell, kModeOrdinary));
    Finish();
    EXPECT_EQ(kBell, waves.PlayingID());
    Finish();
    EXPECT_EQ(kLoop, waves.PlayingID());
}

TEST_F(WaveManTest, DropLoopModeDoesNotResumeTheInterruptedLoop) {
    ASSERT_TRUE(LoadAndPlay(kLoop, kModeAmbientLoop, true));
    ASSERT_TRUE(LoadAndPlay(kWind, kModeAmbientLoop, true));
    Finish();
    EXPECT_EQ(kWind, waves.PlayingID());
    EXPECT_EQ(nullptr, waves.FindSound(kLoop));
}

TEST_F(WaveManTest, StartingAQueuedLoopFreesOtherIdleLoops) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    ASSERT_TRUE(Load(kLoop, 0));
    waves.FindSound(kLoop)->SetLoop();  // a loop that is loaded but idle
    ASSERT_TRUE(LoadAndPlay(kWind, kModeOrdinary, true));
    Finish();
    EXPECT_EQ(kWind, waves.PlayingID());
    EXPECT_EQ(nullptr, waves.FindSound(kLoop));
}

TEST_F(WaveManTest, StopSoundModeCutsTheSingleSoundShort) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    ASSERT_TRUE(Load(kBell, 0));  // stays loaded
    ASSERT_TRUE(waves.Play(kBell, kModeOrdinary, false));
    Finish();
    ASSERT_EQ(kBell, waves.PlayingID());
    ASSERT_TRUE(LoadAndPlay(kHorn, kModeStopSound | kModeStopLoop));  // mode 24
    EXPECT_EQ(1u, output.Resets().size());
    queue.Drain();
    EXPECT_EQ(kHorn, waves.PlayingID());
    // The cut sound stays loaded at the head, not queued.
    EXPECT_EQ(waves.FindSound(kBell), waves.Sounds.First());
    EXPECT_FALSE(waves.FindSound(kBell)->Flags & (kSoundPending | kSoundToHead));
}

TEST_F(WaveManTest, RefusedOneShotSoundIsFreedSoTheNextRequestReloadsIt) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    EXPECT_FALSE(LoadAndPlay(kBell, 0));
    EXPECT_EQ(nullptr, waves.FindSound(kBell));
    ASSERT_TRUE(LoadAndPlay(kLoop, kModeOrdinary, true));
    ASSERT_TRUE(waves.Play(kLoop, kModeOrdinary, true));
    Finish();
    ASSERT_EQ(kLoop, waves.PlayingID());
    EXPECT_FALSE(LoadAndPlay(kBell, kModeInterruptSound));  // a loop needs bit 2
    EXPECT_EQ(nullptr, waves.FindSound(kBell));
}

TEST_F(WaveManTest, UnloadingThePlayingSoundFreesItAtItsCompletion) {
    ASSERT_TRUE(Load(kClick, 0));
    ASSERT_TRUE(waves.Play(kClick, kModeOrdinary, false));
    waves.Unload(kClick);
    EXPECT_EQ(kClick, waves.PlayingID());
    EXPECT_EQ(kSoundOneShot, waves.FindSound(kClick)->Flags);
    queue.Drain();
    EXPECT_TRUE(waves.Sounds.IsEmpty());
    EXPECT_EQ(std::vector<std::uint16_t>{kClick}, ended);
}

TEST_F(WaveManTest, UnloadAllEmptiesTheListOnceThePlayingSoundIsDone) {
    ASSERT_TRUE(LoadAndPlay(kLoop, kModeAmbientLoop, true));
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    ASSERT_TRUE(Load(kBell, 0));
    waves.UnloadAll();
    EXPECT_EQ(1, waves.Sounds.Count());
    queue.Drain();
    EXPECT_TRUE(waves.Sounds.IsEmpty());
    EXPECT_EQ(0, waves.PlayingID());
}

TEST_F(WaveManTest, StopLoopsStopsThePlayingLoopAndUnloadsEveryLoop) {
    ASSERT_TRUE(Load(kWind, 0));
    waves.FindSound(kWind)->SetLoop();
    ASSERT_TRUE(Load(kBell, 0));
    ASSERT_TRUE(LoadAndPlay(kLoop, kModeAmbientLoop, true));
    waves.StopLoops();
    EXPECT_EQ(1u, output.Resets().size());
    EXPECT_EQ(nullptr, waves.FindSound(kWind));
    queue.Drain();
    EXPECT_EQ(nullptr, waves.FindSound(kLoop));
    EXPECT_NE(nullptr, waves.FindSound(kBell));
    // A single sound playing is left alone.
    ASSERT_TRUE(waves.Play(kBell, kModeOrdinary, false));
    waves.StopLoops();
    EXPECT_EQ(kBell, waves.PlayingID());
    EXPECT_EQ(1u, output.Resets().size());
}

TEST_F(WaveManTest, CompletionOfAnUnknownSoundReturnsZeroAndStillStartsTheQueue) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    ASSERT_TRUE(LoadAndPlay(kBell, kModeOrdinary));
    // The playing sound loses its playing mark without a completion (as if it never
    // reported), then a stray completion arrives.
    waves.FindSound(kClick)->Playing = false;
    EXPECT_EQ(0, waves.WaveDone(999999));
    EXPECT_EQ(kBell, waves.PlayingID());
}

TEST_F(WaveManTest, QueuedSoundThatCannotStartIsSkipped) {
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    ASSERT_TRUE(LoadAndPlay(kBell, kModeOrdinary));
    ASSERT_TRUE(LoadAndPlay(kHorn, kModeOrdinary));
    output.RefuseOpen = true;
    Finish();
    EXPECT_EQ(0, waves.PlayingID());
    EXPECT_TRUE(waves.Sounds.IsEmpty());  // both one-shot sounds were freed, none left waiting

    ASSERT_TRUE(Load(kBell, 0));
    output.RefuseOpen = false;
    ASSERT_TRUE(LoadAndPlay(kClick, kModeOrdinary));
    ASSERT_TRUE(waves.Play(kBell, kModeOrdinary, false));
    ASSERT_TRUE(LoadAndPlay(kHorn, kModeOrdinary));
    output.RefuseWrite = true;
    Finish();
    output.RefuseWrite = false;
    // The kept sound stays loaded but no longer waits; nothing is stuck.
    ASSERT_NE(nullptr, waves.FindSound(kBell));
    EXPECT_FALSE(waves.FindSound(kBell)->Flags & kSoundPending);
    EXPECT_EQ(nullptr, waves.FindSound(kHorn));
    EXPECT_TRUE(LoadAndPlay(kHorn, kModeOrdinary));
    EXPECT_EQ(kHorn, waves.PlayingID());
}

TEST_F(WaveManTest, FailedStartIsReportedAndFreesTheOneShotSound) {
    output.RefuseOpen = true;
    EXPECT_FALSE(LoadAndPlay(kClick, kModeOrdinary));
    EXPECT_EQ(nullptr, waves.FindSound(kClick));
    output.RefuseOpen = false;
    output.RefuseWrite = true;
    EXPECT_FALSE(LoadAndPlay(kClick, kModeOrdinary));
    EXPECT_EQ(0u, output.OpenVoices());
    EXPECT_EQ(0u, queue.PendingCount());  // a refused write never completes
}

TEST_F(WaveManTest, DestroyingTheManagerWhilePlayingDropsLateCompletions) {
    {
        TWaveMan local(output, true);
        local.SetFolder(folder.string());
        ASSERT_TRUE(local.Load("click", kClick, kSoundOneShot));
        ASSERT_TRUE(local.Play(kClick, kModeOrdinary, false));
    }
    EXPECT_EQ(0u, output.OpenVoices());
    queue.Drain();  // nothing reaches the destroyed manager or the fixture's
    EXPECT_TRUE(ended.empty());
}
