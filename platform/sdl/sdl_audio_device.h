#pragma once
// The game's one audio device: SDL's default output, float stereo. Wave sounds and the song
// synthesiser are sources mixed into it, so effects and music share one device and one
// clock, as the game expects of a single sound card.
#include <SDL.h>

#include <atomic>
#include <vector>

#include "platform/event_queue.h"

namespace platform {

// Something that adds its sound to the mix. MixInto runs on SDL's audio thread while the
// device is locked; everything a source shares with the main thread is changed under
// SdlAudioDevice::Lock.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Adds `frames` stereo frames of float samples to `stereo`.
    virtual void MixInto(float* stereo, int frames) = 0;
    // Whether the source still has sound to give (device locked). When no source has, the
    // device pauses until a source wakes it.
    virtual bool IsSounding() const = 0;
};

class SdlAudioDevice {
public:
    // `driver` picks an SDL audio driver by name (tests use "dummy"); nullptr takes SDL's
    // choice. When no device opens, IsOpen() is false and nothing plays. The device starts
    // paused and runs only while a source sounds: an idle game costs the audio thread
    // nothing. The pause is decided on the main thread, through `queue`; without a queue
    // the device keeps running once woken.
    explicit SdlAudioDevice(const char* driver = nullptr, EventQueue* queue = nullptr);
    ~SdlAudioDevice();
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool IsOpen() const { return FDevice != 0; }
    int Rate() const { return FRate; }

    // Sources are mixed from the next callback on; a removed source is never called again.
    // Adding wakes the device.
    void Add(AudioSource* source);
    void Remove(AudioSource* source);
    // Main thread: a source has started sounding; the device runs from now on.
    void Wake();
    bool IsPaused() const;

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
    // Main thread: pauses the device when no source sounds any more.
    void PauseWhenSilent();

    EventQueue* FQueue;
    // Set by the audio thread when it has asked the main thread to check for silence.
    std::atomic<bool> FSilenceReported{false};
    SDL_AudioDeviceID FDevice = 0;
    int FRate = 44100;
    bool FSubsystemUp = false;
    std::vector<AudioSource*> FSources;
};

}  // namespace platform
