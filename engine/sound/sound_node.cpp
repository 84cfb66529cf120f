#include "sound_node.h"

#include <atomic>

namespace {
// Tokens are never reused, even across wave managers, so a completion that arrives after its
// sound was freed can never be taken for another sound's.
std::atomic<platform::WaveToken> gNextToken{1};
}  // namespace

TSoundNode::TSoundNode(std::uint16_t id, std::uint8_t flags, TWaveData data)
    : Id(id), Flags(flags), FData(std::move(data)) {}

TSoundNode::~TSoundNode() { Stop(); }

bool TSoundNode::Play(platform::WaveOutput& output) {
    Flags &= static_cast<std::uint8_t>(~kSoundPending);
    Stop();
    FVoice = output.Open(FData.Format);
    if (!FVoice) return false;
    const platform::WaveToken token = gNextToken++;
    if (!FVoice->Write(FData.Samples, Loops() ? FLoopCount : 1, token)) {
        Stop();
        return false;
    }
    FToken = token;
    Playing = true;
    return true;
}

void TSoundNode::BreakLoop() {
    if (FVoice) FVoice->BreakLoop();
}

void TSoundNode::Stop() {
    if (!FVoice) return;
    FVoice->Reset();
    FVoice.reset();
}

std::int64_t TSoundNode::Position() const { return FVoice ? FVoice->PositionMs() : 0; }
