// Sound through the real layer: SDL's dummy audio driver, which consumes samples at the
// speed of a sound card, and FluidSynth with Debian's General MIDI soundfont.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "engine/sound/midi_player.h"
#include "engine/sound/wave_man.h"
#include "platform/event_queue.h"
#include "platform/fluidsynth/fluid_song_output.h"
#include "platform/sdl/sdl_audio_device.h"
#include "platform/sdl/sdl_wave_output.h"
#include "wave_builder.h"

using namespace std::chrono_literals;
using namespace wavetest;

namespace {

// Drains the queue like the game's main loop until `done` holds or the time is up; the
// limit is generous because a loaded test machine may run the audio thread late.
template <class Pred>
bool PumpUntil(platform::EventQueue& queue, Pred done, std::chrono::milliseconds limit = 20000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        queue.Drain();
        if (done()) return true;
        std::this_thread::sleep_for(5ms);
    }
    return false;
}

void PumpFor(platform::EventQueue& queue, std::chrono::milliseconds time) {
    PumpUntil(queue, [] { return false; }, time);
}

// A 16-bit mono wave of `ms` milliseconds of a quiet tone.
Bytes ToneWave(int ms) {
    const std::uint32_t rate = 22050;
    Bytes data;
    for (std::uint32_t i = 0; i < rate * static_cast<std::uint32_t>(ms) / 1000; ++i)
        Put16(data, static_cast<std::uint16_t>((i / 25) % 2 ? 3000 : -3000));
    return Riff("WAVE", {Chunk("fmt ", FmtBody(1, 1, rate, 16)), Chunk("data", data)});
}

// A quarter of a second of hi-hat at 120 beats a minute (a drum, so no long release
// follows), then the end of the track.
Bytes ShortMidi() {
    const Bytes track{0x00, 0x99, 0x2A, 0x64,  // closed hi-hat on
                      0x30, 0x89, 0x2A, 0x00,  // 48 ticks later: off
                      0x00, 0xFF, 0x2F, 0x00}; // end of track
    Bytes b{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};  // format 0, 1 track, 96 a beat
    for (char c : std::string("MTrk")) b.push_back(static_cast<std::uint8_t>(c));
    b.insert(b.end(), {0, 0, 0, static_cast<std::uint8_t>(track.size())});
    b.insert(b.end(), track.begin(), track.end());
    return b;
}

class RealAudioTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(device.IsOpen()) << SDL_GetError(); }

    platform::EventQueue queue;
    platform::SdlAudioDevice device{"dummy", &queue};
};

// A loud piano chord held for half a second: as loud as a song of ours gets.
Bytes LoudChordMidi() {
    Bytes track{0x00, 0xC0, 0x00};  // acoustic grand piano
    for (std::uint8_t note : {60, 64, 67}) track.insert(track.end(), {0x00, 0x90, note, 0x7F});
    track.insert(track.end(), {0x60, 0x80, 60, 0x00, 0x00, 0x80, 64, 0x00, 0x00, 0x80, 67, 0x00});
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    Bytes b{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
    for (char c : std::string("MTrk")) b.push_back(static_cast<std::uint8_t>(c));
    b.insert(b.end(), {0, 0, 0, static_cast<std::uint8_t>(track.size())});
    b.insert(b.end(), track.begin(), track.end());
    return b;
}

}  // namespace

TEST_F(RealAudioTest, ShortWavePlaysToItsEndAndCompletesOnce) {
    const TempFolder temp("real-wave");
    const std::filesystem::path& folder = temp.Path();
    WriteFile(folder / "beep.wav", ToneWave(120));
    platform::SdlWaveOutput output(device, queue);
    TWaveMan waves(output, true);
    waves.SetFolder(folder.string());
    std::vector<std::uint16_t> ended;
    waves.SetOnSoundEnded([&](std::uint16_t id) { ended.push_back(id); });

    ASSERT_TRUE(waves.Load("beep", 7, kSoundOneShot));
    ASSERT_TRUE(waves.Play(7, kModeOrdinary, false));
    // The completion comes from the device thread, through the queue, after the samples
    // were taken; how long that takes depends on the driver's buffer size and the machine.
    ASSERT_TRUE(PumpUntil(queue, [&] { return !ended.empty(); }));
    PumpFor(queue, 200ms);
    EXPECT_EQ(std::vector<std::uint16_t>{7}, ended);
    EXPECT_TRUE(waves.Sounds.IsEmpty());
}

TEST_F(RealAudioTest, StoppedAndBrokenLoopsCompleteOnceEach) {
    platform::SdlWaveOutput output(device, queue);
    std::vector<platform::WaveToken> done;
    output.SetDoneHandler([&](platform::WaveToken t) { done.push_back(t); });
    platform::PcmFormat format{1, 1, 8000, 8000, 1, 8};
    const Bytes samples(400, 128);  // 50 ms a pass

    auto stopped = output.Open(format);
    ASSERT_TRUE(stopped);
    ASSERT_TRUE(stopped->Write(samples, 1000, 11));
    EXPECT_FALSE(stopped->Write(samples, 1, 12));  // one buffer per voice
    stopped->Reset();
    EXPECT_TRUE(done.empty());  // never from inside the call
    auto looping = output.Open(format);
    ASSERT_TRUE(looping->Write(samples, 1000, 21));
    looping->BreakLoop();
    ASSERT_TRUE(PumpUntil(queue, [&] { return done.size() >= 2; }));
    stopped.reset();
    looping.reset();
    PumpFor(queue, 150ms);
    EXPECT_EQ((std::vector<platform::WaveToken>{11, 21}), done);

    EXPECT_EQ(nullptr, output.Open(platform::PcmFormat{1, 1, 8000, 8000, 1, 12}));
    EXPECT_EQ(nullptr, output.Open(platform::PcmFormat{3, 1, 8000, 32000, 4, 32}));
}

TEST_F(RealAudioTest, ShortSongRendersThroughTheSynthesiserAndEndsOnce) {
    const TempFolder temp("real-song");
    const std::filesystem::path& folder = temp.Path();
    WriteFile(folder / "tune.mid", ShortMidi());
    WriteFile(folder / "bad.mid", Bytes{'n', 'o', 't', ' ', 'm', 'i', 'd', 'i', 0, 0, 0, 0, 0, 0});
    platform::FluidSongOutput output(device, queue);
    ASSERT_TRUE(output.HasDevice()) << "General MIDI soundfont missing";
    EXPECT_FALSE(output.Open(folder / "bad.mid"));

    TMidiPlayer player(output, true);
    player.SetFolder(folder.string());
    std::vector<std::int32_t> ends;
    player.SetOnNotify([&](std::int32_t tag) { ends.push_back(tag); });
    const auto start = std::chrono::steady_clock::now();
    player.Play("tune", 4);
    ASSERT_TRUE(player.IsPlaying());
    ASSERT_TRUE(PumpUntil(queue, [&] { return !ends.empty(); }));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    PumpFor(queue, 300ms);
    EXPECT_EQ(std::vector<std::int32_t>{4}, ends);

    // A song closed before its end raises nothing.
    player.Play("tune", 4);
    ASSERT_TRUE(player.IsPlaying());
    player.StopMusic();
    PumpFor(queue, 600ms);
    EXPECT_EQ(std::vector<std::int32_t>{4}, ends);
}

TEST_F(RealAudioTest, DevicePausesWhileSilentAndWakesForEachSound) {
    EXPECT_TRUE(device.IsPaused());  // nothing has played yet
    platform::SdlWaveOutput output(device, queue);
    std::vector<platform::WaveToken> done;
    output.SetDoneHandler([&](platform::WaveToken t) { done.push_back(t); });
    const platform::PcmFormat format{1, 1, 8000, 8000, 1, 8};
    auto voice = output.Open(format);
    ASSERT_TRUE(voice);
    // Opening a voice is not sounding.
    PumpFor(queue, 100ms);
    EXPECT_TRUE(device.IsPaused());

    ASSERT_TRUE(voice->Write(Bytes(400, 128), 1, 1));
    EXPECT_FALSE(device.IsPaused());
    ASSERT_TRUE(PumpUntil(queue, [&] { return !done.empty() && device.IsPaused(); }));

    // A second sound runs the device again and still completes.
    auto second = output.Open(format);
    ASSERT_TRUE(second);
    ASSERT_TRUE(second->Write(Bytes(400, 128), 1, 2));
    EXPECT_FALSE(device.IsPaused());
    ASSERT_TRUE(PumpUntil(queue, [&] { return done.size() == 2 && device.IsPaused(); }));
    EXPECT_EQ((std::vector<platform::WaveToken>{1, 2}), done);

    // A song keeps it running until it has ended and its notes have died away.
    const TempFolder temp("paused-song");
    WriteFile(temp.Path() / "tune.mid", ShortMidi());
    platform::FluidSongOutput songs(device, queue);
    ASSERT_TRUE(songs.Open(temp.Path() / "tune.mid"));
    EXPECT_TRUE(device.IsPaused());  // the synthesiser loads, nothing sounds yet
    std::vector<platform::SongToken> ends;
    songs.SetEndHandler([&](platform::SongToken t) { ends.push_back(t); });
    songs.Play(5);  // before the synthesiser is ready: starts when it is
    ASSERT_TRUE(PumpUntil(queue, [&] { return !device.IsPaused(); }));
    ASSERT_TRUE(PumpUntil(queue, [&] { return !ends.empty() && device.IsPaused(); }));
    EXPECT_EQ(std::vector<platform::SongToken>{5}, ends);
}

TEST_F(RealAudioTest, SongsPeakAsHighAsEffectsWithoutClipping) {
    const TempFolder temp("loud-song");
    WriteFile(temp.Path() / "chord.mid", LoudChordMidi());
    platform::FluidSongOutput output(device, queue);
    ASSERT_TRUE(output.Open(temp.Path() / "chord.mid"));
    ASSERT_TRUE(output.FinishLoading());
    output.Play(1);
    // Rendered here under the device's lock; the audio thread takes its share between.
    std::vector<float> mix(2 * 1024);
    float peak = 0;
    for (int block = 0; block < 40; ++block) {
        std::fill(mix.begin(), mix.end(), 0.0f);
        {
            platform::SdlAudioDevice::Lock lock(device);
            output.MixInto(mix.data(), 1024);
        }
        for (float v : mix) peak = std::max(peak, std::abs(v));
    }
    // The game's effects peak near 0.7 of full scale; FluidSynth's own gain gave such a
    // chord about a tenth of that.
    EXPECT_GT(peak, 0.3f);
    EXPECT_LT(peak, 1.0f);
    output.Close();
}

TEST_F(RealAudioTest, MissingSoundfontMeansNoMidiDevice) {
    platform::FluidSongOutput output(device, queue, "/nonexistent/none.sf2");
    EXPECT_FALSE(output.HasDevice());
    const TempFolder temp("no-font");
    WriteFile(temp.Path() / "tune.mid", ShortMidi());
    EXPECT_FALSE(output.Open(temp.Path() / "tune.mid"));
    EXPECT_FALSE(output.FinishLoading());
}

TEST_F(RealAudioTest, DamagedSoundfontTurnsTheDeviceOffWhenItFailsToLoad) {
    const TempFolder temp("bad-font");
    WriteFile(temp.Path() / "bad.sf2", Bytes(64, 'x'));
    WriteFile(temp.Path() / "tune.mid", ShortMidi());
    platform::FluidSongOutput output(device, queue, temp.Path() / "bad.sf2");
    EXPECT_TRUE(output.HasDevice());  // present as far as anyone can tell before loading it
    ASSERT_TRUE(output.Open(temp.Path() / "tune.mid"));
    output.Play(3);
    EXPECT_FALSE(output.FinishLoading());
    EXPECT_FALSE(output.HasDevice());
    EXPECT_FALSE(output.IsOpen());
    PumpFor(queue, 100ms);
    EXPECT_TRUE(device.IsPaused());
}
