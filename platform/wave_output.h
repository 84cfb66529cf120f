#pragma once
// Wave output, in the game's terms: open an output for one PCM format, play one buffer of
// samples on it (looped a number of times), break the loop, stop. The end of every buffer
// written comes back exactly once as a completion carrying the writer's token, also when the
// buffer was stopped or its output closed, and always through the main thread's event queue,
// never from inside the call that caused it.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace platform {

// The first 16 bytes of a wave file's "fmt " chunk, as they stand.
struct PcmFormat {
    std::uint16_t FormatTag = 1;
    std::uint16_t Channels = 0;
    std::uint32_t SamplesPerSec = 0;
    std::uint32_t AvgBytesPerSec = 0;
    std::uint16_t BlockAlign = 0;
    std::uint16_t BitsPerSample = 0;
};

// True for the formats the game plays: PCM of 8, 16 or 32 bits, 1 to 8 channels, a rate up
// to 384 kHz, and a block of one sample per channel. The wave file's own fields are not to
// be trusted; every output checks them here before it opens.
bool IsPlayablePcmFormat(const PcmFormat& format);

using WaveToken = std::uint64_t;

// One open output. Destroying it closes the output; a buffer still in it is stopped first.
class WaveVoice {
public:
    virtual ~WaveVoice() = default;
    // Starts playing `samples` `loops` times in a row (0 counts as 1). One buffer per voice:
    // a second write, or a write the device refuses, returns false and will not complete.
    // The samples are copied or converted before the call returns.
    virtual bool Write(std::span<const std::uint8_t> samples, std::uint32_t loops,
                       WaveToken token) = 0;
    // Ends the buffer after the loop pass that is playing.
    virtual void BreakLoop() = 0;
    // Stops at once; the buffer's completion still follows.
    virtual void Reset() = 0;
    // Milliseconds played since the write; 0 before it.
    virtual std::int64_t PositionMs() const = 0;
};

// The device. It must outlive every voice it opened.
class WaveOutput {
public:
    virtual ~WaveOutput() = default;
    virtual bool HasDevice() const = 0;
    // An output for this format, or nullptr when there is no device or it cannot play it.
    virtual std::unique_ptr<WaveVoice> Open(const PcmFormat& format) = 0;
    // Where completions go. The handler is looked up when the event is delivered, so
    // clearing it drops completions still waiting in the queue.
    virtual void SetDoneHandler(std::function<void(WaveToken)> handler) = 0;
};

}  // namespace platform
