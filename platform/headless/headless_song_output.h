#pragma once
// Song output for tests: records opens, plays and closes, and ends the playing song when the
// test says so, through the event queue like the real one.
#include <filesystem>
#include <vector>

#include "platform/event_queue.h"
#include "platform/song_output.h"

namespace platform {

class HeadlessSongOutput final : public SongOutput {
public:
    explicit HeadlessSongOutput(EventQueue& queue) : FQueue(queue) {}
    ~HeadlessSongOutput() override { FQueue.Cancel(this); }

    bool HasDevice() const override { return DevicePresent; }
    // Opens any file that exists, unless told to fail.
    bool Open(const std::filesystem::path& file) override;
    bool IsOpen() const override { return FOpen; }
    void Play(SongToken token) override;
    void Close() override;
    void SetEndHandler(std::function<void(SongToken)> handler) override {
        FHandler = std::move(handler);
    }

    // Test controls.
    bool DevicePresent = true;
    bool FailOpen = false;
    // The playing song reaches its end; false when none plays.
    bool EndSong();

    bool IsPlaying() const { return FPlayingToken != 0; }
    const std::vector<std::filesystem::path>& Opened() const { return FOpened; }
    const std::vector<SongToken>& Played() const { return FPlayed; }
    int Closes() const { return FCloses; }

private:
    EventQueue& FQueue;
    std::function<void(SongToken)> FHandler;
    bool FOpen = false;
    SongToken FPlayingToken = 0;
    std::vector<std::filesystem::path> FOpened;
    std::vector<SongToken> FPlayed;
    int FCloses = 0;
};

}  // namespace platform
