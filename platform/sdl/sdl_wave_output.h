#pragma once
// Wave output on the shared SDL audio device. Each voice converts its buffer to the device's
// format when it is written and is mixed in until it ends; the end is posted to the main
// thread's event queue from the audio thread.
#include "platform/event_queue.h"
#include "platform/sdl/sdl_audio_device.h"
#include "platform/wave_output.h"

namespace platform {

class SdlWaveOutput final : public WaveOutput {
public:
    SdlWaveOutput(SdlAudioDevice& device, EventQueue& queue);
    ~SdlWaveOutput() override;

    bool HasDevice() const override { return FDevice.IsOpen(); }
    std::unique_ptr<WaveVoice> Open(const PcmFormat& format) override;
    void SetDoneHandler(std::function<void(WaveToken)> handler) override;

private:
    class Voice;
    // Any thread: queues the completion of `token` for the main thread.
    void PostDone(WaveToken token);

    SdlAudioDevice& FDevice;
    EventQueue& FQueue;
    std::function<void(WaveToken)> FHandler;
};

}  // namespace platform
