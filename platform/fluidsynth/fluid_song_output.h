#pragma once
// Songs rendered by FluidSynth with a General MIDI soundfont and mixed into the game's SDL
// audio device. "A MIDI device is present" means the audio device opened and a soundfont is
// installed. The synthesiser and its soundfont (some 80 ms of work and several megabytes)
// load on a thread of their own when the first song is opened, so a game started without
// music never loads them and a game with music shows its window first; a song played
// before they are ready starts as soon as they are.
#include <fluidsynth.h>

#include <cstdint>
#include <filesystem>
#include <thread>
#include <vector>

#include "platform/event_queue.h"
#include "platform/sdl/sdl_audio_device.h"
#include "platform/song_output.h"

namespace platform {

class FluidSongOutput final : public SongOutput, public AudioSource {
public:
    // An empty soundfont path looks for Debian's General MIDI soundfonts.
    FluidSongOutput(SdlAudioDevice& device, EventQueue& queue,
                    const std::filesystem::path& soundfont = {});
    ~FluidSongOutput() override;
    FluidSongOutput(const FluidSongOutput&) = delete;
    FluidSongOutput& operator=(const FluidSongOutput&) = delete;

    bool HasDevice() const override { return !FSoundfont.empty(); }
    bool Open(const std::filesystem::path& file) override;
    bool IsOpen() const override { return !FSong.empty(); }
    void Play(SongToken token) override;
    void Close() override;
    void SetEndHandler(std::function<void(SongToken)> handler) override {
        FHandler = std::move(handler);
    }

    // Audio thread, device locked.
    void MixInto(float* stereo, int frames) override;
    bool IsSounding() const override;

    // Main thread: waits for the synthesiser when it is loading and takes it into use at
    // once (tests; the game lets the event queue do it). False when it could not load.
    bool FinishLoading();

    // The synthesiser's output gain. FluidSynth's default (0.2) leaves the game's songs some
    // 17 dB below its effects (peaks of 0.1 against 0.7); this brings their peaks level.
    static constexpr double kGain = 1.4;

private:
    void StartLoading();
    void TakeLoadedSynth();  // main thread, after the loader has ended
    void StartPlayer();      // main thread, synthesiser ready
    void StopPlayer();       // device locked

    SdlAudioDevice& FDevice;
    EventQueue& FQueue;
    std::function<void(SongToken)> FHandler;
    std::filesystem::path FSoundfont;
    std::thread FLoader;
    // Written by the loader thread, read after joining it.
    fluid_settings_t* FLoadedSettings = nullptr;
    fluid_synth_t* FLoadedSynth = nullptr;
    bool FLoading = false;
    bool FPlayPending = false;
    fluid_settings_t* FSettings = nullptr;
    fluid_synth_t* FSynth = nullptr;
    fluid_player_t* FPlayer = nullptr;
    std::vector<std::uint8_t> FSong;
    SongToken FToken = 0;
    bool FEndPosted = false;
    std::vector<float> FScratch;
};

}  // namespace platform
