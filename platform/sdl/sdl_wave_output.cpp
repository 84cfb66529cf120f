#include "sdl_wave_output.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {

namespace {

SDL_AudioFormat SdlFormatOf(const PcmFormat& format) {
    switch (format.BitsPerSample) {
        case 8: return AUDIO_U8;
        case 16: return AUDIO_S16LSB;
        case 32: return AUDIO_S32LSB;
        default: return 0;
    }
}

}  // namespace

class SdlWaveOutput::Voice final : public WaveVoice, public AudioSource {
public:
    Voice(SdlWaveOutput& owner, SDL_AudioStream* stream, std::size_t frameBytes)
        : FOwner(owner), FStream(stream), FFrameBytes(frameBytes) {}

    ~Voice() override {
        Reset();
        FOwner.FDevice.Remove(this);
        SDL_FreeAudioStream(FStream);
    }

    bool Write(std::span<const std::uint8_t> samples, std::uint32_t loops,
               WaveToken token) override {
        if (FToken != 0) return false;
        std::vector<float> converted;
        // Whole frames only: a torn last frame would shift every channel after it.
        const std::size_t usable = samples.size() - samples.size() % FFrameBytes;
        if (usable > static_cast<std::size_t>(INT32_MAX / 16)) return false;
        if (usable > 0) {
            if (SDL_AudioStreamPut(FStream, samples.data(), static_cast<int>(usable)) != 0 ||
                SDL_AudioStreamFlush(FStream) != 0)
                return false;
            const int available = SDL_AudioStreamAvailable(FStream);
            converted.resize(static_cast<std::size_t>(available) / sizeof(float));
            const int got = SDL_AudioStreamGet(FStream, converted.data(), available);
            if (got < 0) return false;
            converted.resize(static_cast<std::size_t>(got) / sizeof(float) / 2 * 2);
        }
        {
            SdlAudioDevice::Lock lock(FOwner.FDevice);
            FSamples = std::move(converted);
            FPos = 0;
            FPassesDone = 0;
            FLoops = std::max<std::uint32_t>(loops, 1);
            FBroken = false;
            FToken = token;
            FActive = true;
        }
        FOwner.FDevice.Add(this);
        return true;
    }

    void BreakLoop() override {
        SdlAudioDevice::Lock lock(FOwner.FDevice);
        FBroken = true;
    }

    void Reset() override {
        SdlAudioDevice::Lock lock(FOwner.FDevice);
        if (FActive) Finish();
    }

    std::int64_t PositionMs() const override {
        SdlAudioDevice::Lock lock(FOwner.FDevice);
        const std::int64_t frames =
            (static_cast<std::int64_t>(FPassesDone) * static_cast<std::int64_t>(FSamples.size()) +
             static_cast<std::int64_t>(FPos)) / 2;
        return frames * 1000 / FOwner.FDevice.Rate();
    }

    bool IsSounding() const override { return FActive; }

    // Audio thread, device locked.
    void MixInto(float* stereo, int frames) override {
        std::size_t want = static_cast<std::size_t>(frames) * 2;
        while (FActive && want > 0) {
            const std::size_t take = std::min(want, FSamples.size() - FPos);
            for (std::size_t i = 0; i < take; ++i) stereo[i] += FSamples[FPos + i];
            stereo += take;
            want -= take;
            FPos += take;
            if (FPos < FSamples.size()) continue;
            if (!FBroken && FPassesDone + 1 < FLoops && !FSamples.empty()) {
                ++FPassesDone;
                FPos = 0;
            } else {
                Finish();
            }
        }
    }

private:
    // Device locked.
    void Finish() {
        FActive = false;
        FOwner.PostDone(FToken);
    }

    SdlWaveOutput& FOwner;
    SDL_AudioStream* FStream;
    std::size_t FFrameBytes;
    std::vector<float> FSamples;
    std::size_t FPos = 0;
    std::uint32_t FPassesDone = 0;
    std::uint32_t FLoops = 1;
    bool FBroken = false;
    bool FActive = false;
    WaveToken FToken = 0;
};

SdlWaveOutput::SdlWaveOutput(SdlAudioDevice& device, EventQueue& queue)
    : FDevice(device), FQueue(queue) {}

SdlWaveOutput::~SdlWaveOutput() { FQueue.Cancel(this); }

std::unique_ptr<WaveVoice> SdlWaveOutput::Open(const PcmFormat& format) {
    if (!FDevice.IsOpen() || !IsPlayablePcmFormat(format)) return nullptr;
    const SDL_AudioFormat sdlFormat = SdlFormatOf(format);
    if (sdlFormat == 0) return nullptr;
    SDL_AudioStream* stream =
        SDL_NewAudioStream(sdlFormat, static_cast<Uint8>(format.Channels),
                           static_cast<int>(format.SamplesPerSec), AUDIO_F32SYS, 2, FDevice.Rate());
    if (stream == nullptr) return nullptr;
    return std::make_unique<Voice>(*this, stream, format.BlockAlign);
}

void SdlWaveOutput::SetDoneHandler(std::function<void(WaveToken)> handler) {
    FHandler = std::move(handler);
}

void SdlWaveOutput::PostDone(WaveToken token) {
    FQueue.Post(this, [this, token] {
        if (FHandler) FHandler(token);
    });
}

}  // namespace platform
