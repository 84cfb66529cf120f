#pragma once
// The game's one sound-effect player. It keeps every loaded wave sound under a 16-bit id,
// plays at most one at a time, and decides by a play mode what happens to a request that
// arrives while another sound plays: refused, queued, or cutting the playing one short
// (which may resume afterwards). Queued sounds start only when the playing one's completion
// arrives (WaveDone), through the main thread's event queue.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/sound/sound_node.h"
#include "foundation/node_list.h"
#include "platform/wave_output.h"

// Play mode bits.
enum TPlayMode : std::uint32_t {
    kModeDropLoop = 1,         // the interrupted loop does not resume
    kModeInterruptLoop = 2,    // may cut a looping sound short
    kModeInterruptSound = 4,   // may cut a sound that does not loop short
    kModeStopLoop = 8,         // stops the looping sound at once (implies 2)
    kModeStopSound = 16,       // stops a sound that does not loop at once, to the head (implies 4)
    kModeEvenIfPlaying = 32,   // acts even when the sound asked for is the one playing
};

// The game's usual modes: an ordinary effect, and an ambient loop.
inline constexpr std::uint32_t kModeOrdinary = kModeInterruptLoop | kModeInterruptSound;
inline constexpr std::uint32_t kModeAmbientLoop = kModeOrdinary | kModeDropLoop;

class TWaveMan {
public:
    // With `enable`, sound is on when the output has a device; without, it stays off.
    TWaveMan(platform::WaveOutput& output, bool enable);
    ~TWaveMan();
    TWaveMan(const TWaveMan&) = delete;
    TWaveMan& operator=(const TWaveMan&) = delete;

    bool HasDevice() const { return FOutput.HasDevice(); }
    bool Enabled() const { return FEnabled; }
    // Enabled := flag and a device; stops and unloads nothing. Returns the new value.
    bool SetEnabled(bool flag);

    // The folder of the wave files; a trailing '/' is added unless the path is empty.
    void SetFolder(std::string_view path);
    const std::string& Folder() const { return FFolder; }

    TSoundNode* FindSound(std::uint16_t id) const;
    // The first sound, in list order, that is playing (or stopped, awaiting its completion).
    TSoundNode* Playing() const;
    std::uint16_t PlayingID() const;
    bool IsLooping() const;

    // Loads Folder + name + ".wav" under `id` unless a sound with that id is loaded already.
    // False when disabled or the file cannot be used (LastLoadError() then holds the code).
    bool Load(std::string_view name, std::uint16_t id, std::uint8_t loadFlags);
    bool Play(std::uint16_t id, std::uint32_t mode, bool loop);
    // Handles the completion of a buffer: returns the finished sound's id (0 when it is no
    // sound of the list) after starting the next queued sound.
    std::uint16_t WaveDone(platform::WaveToken token);

    void StopCurrent();
    void Unload(std::uint16_t id);
    void UnloadAll();
    void StopLoops();
    void FreeLoopsExcept(std::uint16_t id);

    int LastLoadError() const { return FLastError; }
    // Called after each completion has been handled, with WaveDone's result, so the current
    // room hears of a sound's end only once the next queued sound has started.
    void SetOnSoundEnded(std::function<void(std::uint16_t)> handler) {
        FOnSoundEnded = std::move(handler);
    }

    // Every loaded sound; list order is the queue order.
    TVekList Sounds;

private:
    void Free(TSoundNode* sound);
    void StartNextPending();

    platform::WaveOutput& FOutput;
    bool FEnabled = false;
    std::string FFolder;
    int FLastError = 0;
    std::function<void(std::uint16_t)> FOnSoundEnded;
};
