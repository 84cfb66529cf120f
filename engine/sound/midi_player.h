#pragma once
// The game's song player: MIDI files from the songs folder, one at a time. A song is asked
// for by a short name and a tag (the song number of the shell's song table); asking again
// for the tag under way changes nothing, tag -1 means silence and tag -2 the song before.
// The player does not time songs: the shell ends each one from its table of lengths.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/song_output.h"

class TMidiPlayer {
public:
    static constexpr std::size_t kMaxTuneName = 8;

    // With `enable`, looks for a device at once; without, music stays off until SetEnabled.
    TMidiPlayer(platform::SongOutput& output, bool enable);
    ~TMidiPlayer();
    TMidiPlayer(const TMidiPlayer&) = delete;
    TMidiPlayer& operator=(const TMidiPlayer&) = delete;

    // Unless a device was found before, looks for one; finding one also enables music.
    void CreatePlayer();
    void SetFolder(std::string_view path);
    const std::string& Folder() const { return FFolder; }
    // Called with the player's tag when a song it started runs to its natural end.
    void SetOnNotify(std::function<void(std::int32_t)> handler) { FOnNotify = std::move(handler); }
    // Enabled := flag and a device; disabling stops the song. Returns the new value.
    bool SetEnabled(bool flag);

    bool HasDevice() const { return FHasDevice; }
    // A fresh look for a device, whatever was found before.
    bool ProbeDevice() const { return FOutput.HasDevice(); }
    bool Enabled() const { return FEnabled; }

    void Play(std::string_view name, std::int32_t tag);
    void StopMusic() { Play("", -1); }

    std::int32_t CurrentTag() const { return FCurrentTag; }
    std::int32_t LastTag() const { return FLastTag; }
    const std::string& TuneName() const { return FTuneName; }
    // The tag of the song open in the player; -1 when none.
    std::int32_t PlayerTag() const { return FPlayerTag; }
    bool IsPlaying() const { return FMode == Mode::Playing; }

private:
    enum class Mode { Closed, Stopped, Playing };
    bool OpenTune();
    void StartTune();
    void StopTune();
    void SongEnded(platform::SongToken token);

    platform::SongOutput& FOutput;
    std::string FFolder;
    std::int32_t FCurrentTag = -1;
    std::int32_t FLastTag = -1;
    std::string FTuneName;
    std::int32_t FPlayerTag = -1;
    Mode FMode = Mode::Closed;
    bool FEnabled = false;
    bool FHasDevice = false;
    platform::SongToken FToken = 0;
    std::function<void(std::int32_t)> FOnNotify;
};
