#pragma once
// The game's one audio device: SDL's default output, float stereo. Wave sounds and the song
// synthesiser are sources mixed into it, so effects and music share one device and one
// clock, as the game expects of a single sound card.
#include <SDL.h>

#include <vector>

namespace platform {

// Something that adds its sound to the mix. MixInto runs on SDL's audio thread while the
// device is locked; everything a source shares with the main thread is changed under
// SdlAudioDevice::Lock.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Adds `frames` stereo frames of float samples to `stereo`.
    virtual void MixInto(float* stereo, int frames) = 0;
};

class SdlAudioDevice {
public:
    // `driver` picks an SDL audio driver by name (tests use "dummy"); nullptr takes SDL's
    // choice. When no device opens, IsOpen() is false and nothing plays.
    explicit SdlAudioDevice(const char* driver = nullptr);
    ~SdlAudioDevice();
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool IsOpen() const { return FDevice != 0; }
    int Rate() const { return FRate; }

    // Sources are mixed from the next callback on; a removed source is never called again.
    void Add(AudioSource* source);
    void Remove(AudioSource* source);

    class Lock {
    public:
        explicit Lock(SdlAudioDevice& device);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        SDL_AudioDeviceID FDevice;
    };

private:
    static void Callback(void* self, Uint8* stream, int bytes);

    SDL_AudioDeviceID FDevice = 0;
    int FRate = 44100;
    bool FSubsystemUp = false;
    std::vector<AudioSource*> FSources;
};

}  // namespace platform
