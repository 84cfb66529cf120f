#pragma once
// Wave output for tests: records every open, write, loop break and stop, and completes a
// buffer when the test says so or once its duration has passed on the test's clock.
// Completions go through the event queue like the real ones.
#include <cstddef>
#include <map>
#include <vector>

#include "platform/clock.h"
#include "platform/event_queue.h"
#include "platform/wave_output.h"

namespace platform {

class HeadlessWaveOutput final : public WaveOutput {
public:
    struct WriteRecord {
        WaveToken Token;
        std::size_t Bytes;
        std::uint32_t Loops;
    };

    HeadlessWaveOutput(EventQueue& queue, const Clock& clock);
    ~HeadlessWaveOutput() override;

    bool HasDevice() const override { return DevicePresent; }
    std::unique_ptr<WaveVoice> Open(const PcmFormat& format) override;
    void SetDoneHandler(std::function<void(WaveToken)> handler) override;

    // Test controls.
    bool DevicePresent = true;
    bool RefuseOpen = false;
    bool RefuseWrite = false;

    // Completes the buffer now (nothing when it is not playing); returns whether it was.
    bool Complete(WaveToken token);
    // Completes the oldest buffer still playing; returns its token, 0 when none.
    WaveToken CompleteOldest();
    // Completes every buffer whose time has run out on the clock.
    void Update();

    std::vector<WaveToken> PlayingTokens() const;
    const std::vector<WriteRecord>& Writes() const { return FWrites; }
    const std::vector<PcmFormat>& Opens() const { return FOpens; }
    const std::vector<WaveToken>& Resets() const { return FResets; }
    const std::vector<WaveToken>& LoopBreaks() const { return FLoopBreaks; }
    std::size_t OpenVoices() const { return FOpenVoices; }

private:
    class Voice;
    struct Buffer {
        std::int64_t StartMs;
        std::int64_t PassMs;
        std::uint32_t Loops;
        bool Broken;
        std::int64_t BrokenAtPass;
    };
    void Finish(WaveToken token);
    std::int64_t EndMs(const Buffer& b) const;

    EventQueue& FQueue;
    const Clock& FClock;
    std::function<void(WaveToken)> FHandler;
    std::map<WaveToken, Buffer> FPlaying;
    std::vector<WriteRecord> FWrites;
    std::vector<PcmFormat> FOpens;
    std::vector<WaveToken> FResets;
    std::vector<WaveToken> FLoopBreaks;
    std::size_t FOpenVoices = 0;
};

}  // namespace platform
