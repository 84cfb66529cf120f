#include "sdl_audio_device.h"

#include <algorithm>
#include <cstring>

namespace platform {

SdlAudioDevice::SdlAudioDevice(const char* driver, EventQueue* queue) : FQueue(queue) {
    if (driver != nullptr) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    FSubsystemUp = true;

    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    // About 23 ms a callback: short enough that a click sounds at once.
    want.samples = 1024;
    want.callback = &SdlAudioDevice::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to the hardware, so the mix is always float stereo.
    FDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (FDevice == 0) return;
    FRate = have.freq;
}

SdlAudioDevice::~SdlAudioDevice() {
    if (FQueue != nullptr) FQueue->Cancel(this);
    if (FDevice != 0) SDL_CloseAudioDevice(FDevice);
    if (FSubsystemUp) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioDevice::Add(AudioSource* source) {
    {
        Lock lock(*this);
        if (std::find(FSources.begin(), FSources.end(), source) == FSources.end())
            FSources.push_back(source);
    }
    Wake();
}

void SdlAudioDevice::Wake() {
    if (FDevice == 0) return;
    FSilenceReported = false;
    if (IsPaused()) SDL_PauseAudioDevice(FDevice, 0);
}

bool SdlAudioDevice::IsPaused() const {
    return FDevice == 0 || SDL_GetAudioDeviceStatus(FDevice) != SDL_AUDIO_PLAYING;
}

void SdlAudioDevice::PauseWhenSilent() {
    bool sounding = false;
    {
        Lock lock(*this);
        FSilenceReported = false;
        for (const AudioSource* source : FSources) sounding = sounding || source->IsSounding();
    }
    // Only the main thread starts sources, so nothing can start between the check and the
    // pause.
    if (!sounding) SDL_PauseAudioDevice(FDevice, 1);
}

void SdlAudioDevice::Remove(AudioSource* source) {
    Lock lock(*this);
    std::erase(FSources, source);
}

void SdlAudioDevice::Callback(void* self, Uint8* stream, int bytes) {
    auto* device = static_cast<SdlAudioDevice*>(self);
    auto* out = reinterpret_cast<float*>(stream);
    const int frames = bytes / static_cast<int>(2 * sizeof(float));
    std::memset(stream, 0, static_cast<std::size_t>(bytes));
    bool sounding = false;
    for (AudioSource* source : device->FSources) {
        source->MixInto(out, frames);
        sounding = sounding || source->IsSounding();
    }
    for (int i = 0; i < frames * 2; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
    if (!sounding && device->FQueue != nullptr && !device->FSilenceReported.exchange(true))
        device->FQueue->Post(device, [device] { device->PauseWhenSilent(); });
}

SdlAudioDevice::Lock::Lock(SdlAudioDevice& device) : FDevice(device.FDevice) {
    if (FDevice != 0) SDL_LockAudioDevice(FDevice);
}

SdlAudioDevice::Lock::~Lock() {
    if (FDevice != 0) SDL_UnlockAudioDevice(FDevice);
}

}  // namespace platform
