#pragma once
// Songs, in the game's terms: open a MIDI file, play it from the start, close it. When a song
// runs to its natural end, one end event carrying the token given to Play arrives through the
// main thread's event queue; a song closed early raises none. The token lets the receiver
// ignore the late end of an old song that arrives after a new one has started.
#include <cstdint>
#include <filesystem>
#include <functional>

namespace platform {

using SongToken = std::uint64_t;

class SongOutput {
public:
    virtual ~SongOutput() = default;
    // True when songs can be played: an output and instruments are at hand (a synthesiser
    // may load them when the first song opens).
    virtual bool HasDevice() const = 0;
    // Loads the song, closing one that is open. False when the file cannot be read or is
    // not a MIDI file; nothing is open then.
    virtual bool Open(const std::filesystem::path& file) = 0;
    virtual bool IsOpen() const = 0;
    // Plays the open song from its start; nothing without one.
    virtual void Play(SongToken token) = 0;
    // Silences and closes the open song, if any.
    virtual void Close() = 0;
    virtual void SetEndHandler(std::function<void(SongToken)> handler) = 0;
};

}  // namespace platform
