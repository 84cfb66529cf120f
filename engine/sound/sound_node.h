#pragma once
// One loaded wave sound of the wave manager: its samples, its format and, while it plays,
// the open output it plays on.
#include <cstdint>
#include <memory>

#include "engine/sound/wave_file.h"
#include "foundation/node_list.h"
#include "platform/wave_output.h"

// Queue flags of a sound.
enum TSoundFlag : std::uint8_t {
    kSoundOneShot = 1,  // freed once it has finished, unless it is to resume
    kSoundPending = 2,  // waiting in the queue for the playing sound to end
    kSoundResume = 4,   // stays loaded when it finishes and becomes pending again
    kSoundToHead = 8,   // when it stays loaded, it goes to the head of the list
};

// A looping sound repeats this many times: for as long as a child stays in a room.
inline constexpr std::uint32_t kLoopForever = 10'000'000;

class TSoundNode : public TVekNode {
public:
    TSoundNode(std::uint16_t id, std::uint8_t flags, TWaveData data);
    ~TSoundNode() override;

    // Sets the loop marks; they stay set from then on.
    void SetLoop() { FLoopCount = kLoopForever; }
    bool Loops() const { return FLoopCount > 0; }
    std::uint32_t LoopCount() const { return FLoopCount; }

    // Opens an output for the sound's format and writes its samples. Clears the pending
    // flag first; on success the sound is playing until its completion is handled.
    bool Play(platform::WaveOutput& output);
    // Ends the sound after the loop pass that is playing.
    void BreakLoop();
    // Stops and closes the output. Playing stays set: the completion still comes.
    void Stop();
    // Milliseconds played; 0 when no output is open.
    std::int64_t Position() const;

    bool IsDeviceOpen() const { return FVoice != nullptr; }
    // The token of the buffer written last; 0 when none is out.
    platform::WaveToken Token() const { return FToken; }
    void ForgetToken() { FToken = 0; }
    const platform::PcmFormat& Format() const { return FData.Format; }

    std::uint16_t Id;
    bool Playing = false;
    std::uint8_t Flags;

private:
    TWaveData FData;
    std::uint32_t FLoopCount = 0;
    std::unique_ptr<platform::WaveVoice> FVoice;
    platform::WaveToken FToken = 0;
};
