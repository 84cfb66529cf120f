#include "headless_wave_output.h"

#include <algorithm>

namespace platform {

class HeadlessWaveOutput::Voice final : public WaveVoice {
public:
    Voice(HeadlessWaveOutput& owner, const PcmFormat& format) : FOwner(owner), FFormat(format) {
        ++FOwner.FOpenVoices;
    }
    ~Voice() override {
        Reset();
        --FOwner.FOpenVoices;
    }

    bool Write(std::span<const std::uint8_t> samples, std::uint32_t loops,
               WaveToken token) override {
        if (FToken != 0 || FOwner.RefuseWrite) return false;
        FToken = token;
        if (loops == 0) loops = 1;
        FOwner.FWrites.push_back({token, samples.size(), loops});
        const std::int64_t passMs =
            static_cast<std::int64_t>(samples.size()) * 1000 / FFormat.AvgBytesPerSec;
        FStartMs = FOwner.FClock.NowMs();
        FOwner.FPlaying[token] = Buffer{FStartMs, passMs, loops, false, 0};
        return true;
    }

    void BreakLoop() override {
        auto it = FOwner.FPlaying.find(FToken);
        if (FToken == 0 || it == FOwner.FPlaying.end()) return;
        FOwner.FLoopBreaks.push_back(FToken);
        Buffer& b = it->second;
        const std::int64_t elapsed = FOwner.FClock.NowMs() - b.StartMs;
        b.Broken = true;
        b.BrokenAtPass = b.PassMs > 0 ? elapsed / b.PassMs : 0;
    }

    void Reset() override {
        if (FToken == 0 || !FOwner.FPlaying.contains(FToken)) return;
        FOwner.FResets.push_back(FToken);
        FOwner.Finish(FToken);
    }

    std::int64_t PositionMs() const override {
        return FToken == 0 ? 0 : FOwner.FClock.NowMs() - FStartMs;
    }

private:
    HeadlessWaveOutput& FOwner;
    PcmFormat FFormat;
    WaveToken FToken = 0;
    std::int64_t FStartMs = 0;
};

HeadlessWaveOutput::HeadlessWaveOutput(EventQueue& queue, const Clock& clock)
    : FQueue(queue), FClock(clock) {}

HeadlessWaveOutput::~HeadlessWaveOutput() { FQueue.Cancel(this); }

std::unique_ptr<WaveVoice> HeadlessWaveOutput::Open(const PcmFormat& format) {
    // A format that gives no duration is one no device could play.
    if (!DevicePresent || RefuseOpen || format.AvgBytesPerSec == 0) return nullptr;
    FOpens.push_back(format);
    return std::make_unique<Voice>(*this, format);
}

void HeadlessWaveOutput::SetDoneHandler(std::function<void(WaveToken)> handler) {
    FHandler = std::move(handler);
}

void HeadlessWaveOutput::Finish(WaveToken token) {
    if (FPlaying.erase(token) == 0) return;
    FQueue.Post(this, [this, token] {
        if (FHandler) FHandler(token);
    });
}

bool HeadlessWaveOutput::Complete(WaveToken token) {
    if (!FPlaying.contains(token)) return false;
    Finish(token);
    return true;
}

WaveToken HeadlessWaveOutput::CompleteOldest() {
    if (FPlaying.empty()) return 0;
    const WaveToken token = FPlaying.begin()->first;  // tokens grow with every write
    Finish(token);
    return token;
}

std::int64_t HeadlessWaveOutput::EndMs(const Buffer& b) const {
    const std::int64_t passes = b.Broken ? std::min<std::int64_t>(b.BrokenAtPass + 1, b.Loops)
                                         : static_cast<std::int64_t>(b.Loops);
    return b.StartMs + b.PassMs * passes;
}

void HeadlessWaveOutput::Update() {
    std::vector<WaveToken> due;
    for (const auto& [token, buffer] : FPlaying)
        if (FClock.NowMs() >= EndMs(buffer)) due.push_back(token);
    for (WaveToken token : due) Finish(token);
}

std::vector<WaveToken> HeadlessWaveOutput::PlayingTokens() const {
    std::vector<WaveToken> tokens;
    for (const auto& entry : FPlaying) tokens.push_back(entry.first);
    return tokens;
}

}  // namespace platform
