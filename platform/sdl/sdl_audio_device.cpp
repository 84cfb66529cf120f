#include "sdl_audio_device.h"

#include <algorithm>
#include <cstring>

namespace platform {

SdlAudioDevice::SdlAudioDevice(const char* driver) {
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
    SDL_PauseAudioDevice(FDevice, 0);
}

SdlAudioDevice::~SdlAudioDevice() {
    if (FDevice != 0) SDL_CloseAudioDevice(FDevice);
    if (FSubsystemUp) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioDevice::Add(AudioSource* source) {
    Lock lock(*this);
    if (std::find(FSources.begin(), FSources.end(), source) == FSources.end())
        FSources.push_back(source);
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
    for (AudioSource* source : device->FSources) source->MixInto(out, frames);
    for (int i = 0; i < frames * 2; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

SdlAudioDevice::Lock::Lock(SdlAudioDevice& device) : FDevice(device.FDevice) {
    if (FDevice != 0) SDL_LockAudioDevice(FDevice);
}

SdlAudioDevice::Lock::~Lock() {
    if (FDevice != 0) SDL_UnlockAudioDevice(FDevice);
}

}  // namespace platform
