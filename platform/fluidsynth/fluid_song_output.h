#pragma once
// Songs rendered by FluidSynth with a General MIDI soundfont and mixed into the game's SDL
// audio device. "A MIDI device is present" means the synthesiser started and the soundfont
// loaded.
#include <fluidsynth.h>

#include <cstdint>
#include <filesystem>
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

    bool HasDevice() const override { return FSynth != nullptr; }
    bool Open(const std::filesystem::path& file) override;
    bool IsOpen() const override { return !FSong.empty(); }
    void Play(SongToken token) override;
    void Close() override;
    void SetEndHandler(std::function<void(SongToken)> handler) override {
        FHandler = std::move(handler);
    }

    // Audio thread, device locked.
    void MixInto(float* stereo, int frames) override;

private:
    void StopPlayer();  // device locked

    SdlAudioDevice& FDevice;
    EventQueue& FQueue;
    std::function<void(SongToken)> FHandler;
    fluid_settings_t* FSettings = nullptr;
    fluid_synth_t* FSynth = nullptr;
    fluid_player_t* FPlayer = nullptr;
    std::vector<std::uint8_t> FSong;
    SongToken FToken = 0;
    bool FEndPosted = false;
    std::vector<float> FScratch;
};

}  // namespace platform
