#pragma once
// The game's songs: a fixed table of file names and lengths, and the schedule that ends each
// song once its length plus a grace of 3 seconds has passed, whatever the player reports.
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/clock.h"
#include "platform/random.h"

class TMidiPlayer;

inline constexpr std::int32_t kFirstSong = 1;
inline constexpr std::int32_t kLastSong = 18;
// Song 18 stands for any carol: one of songs 3 to 17, picked at random.
inline constexpr std::int32_t kAnyCarol = 18;

// File name (without extension) and length in seconds; empty and 0 outside 1..18.
std::string_view SongFileName(std::int32_t song);
std::int32_t SongLengthSeconds(std::int32_t song);

class TSongSchedule {
public:
    static constexpr std::int64_t kGraceMs = 3000;

    // Takes the player's notify event; the carol for 18 comes from random.
    TSongSchedule(TMidiPlayer& player, const platform::Clock& clock, platform::RandomNumbers& random);
    ~TSongSchedule();
    TSongSchedule(const TSongSchedule&) = delete;
    TSongSchedule& operator=(const TSongSchedule&) = delete;

    // Where the end of a song is reported: the world's reaction to the end of music.
    void SetOnMusicEnded(std::function<void(std::int32_t song)> handler) {
        FOnMusicEnded = std::move(handler);
    }

    // Starts a song (18: a random carol) and schedules its end; other numbers are ignored.
    void PlayMusic(std::int32_t song);
    // Stops the song and forgets its scheduled end, so a song cut short reports no end later.
    void StopMusic();
    // Stops the player only: the song is silenced, not taken back, and its end is still
    // reported when its time comes.
    void Silence();
    // The main window's tick: once the scheduled end has passed, stops the music and
    // reports the song's end.
    void CheckSongEnd();
    // The player's report that a song ran out by itself.
    void MusicNotify(std::int32_t playerTag);

    // Clock time after which the song is over; 0 when none is scheduled.
    std::int64_t SongEndTime() const { return FSongEndTime; }
    std::int32_t SongNumber() const { return FSongNumber; }

private:
    TMidiPlayer& FPlayer;
    const platform::Clock& FClock;
    platform::RandomNumbers& FRandom;
    std::int64_t FSongEndTime = 0;
    std::int32_t FSongNumber = 0;
    std::function<void(std::int32_t)> FOnMusicEnded;
};
