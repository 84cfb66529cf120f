#include "songs.h"

#include <array>
#include <string>

#include "engine/sound/midi_player.h"

namespace {

struct TSongEntry {
    std::string_view FileName;
    std::int32_t Seconds;
};

constexpr std::array<TSongEntry, kLastSong> kSongs{{
    {"theme", 67},    {"tumble", 9},    {"angels", 27},   {"angelswe", 42}, {"dth", 23},
    {"faithful", 40}, {"godrest", 24},  {"goodking", 30}, {"hollyivy", 41}, {"manger", 35},
    {"midclear", 35}, {"oltob", 42},    {"silent", 55},   {"torch", 20},    {"wethree", 39},
    {"3ships", 41},   {"12days", 56},   {"any", 0},
}};

bool IsSong(std::int32_t song) { return song >= kFirstSong && song <= kLastSong; }

}  // namespace

std::string_view SongFileName(std::int32_t song) {
    return IsSong(song) ? kSongs[static_cast<std::size_t>(song - 1)].FileName : std::string_view();
}

std::int32_t SongLengthSeconds(std::int32_t song) {
    return IsSong(song) ? kSongs[static_cast<std::size_t>(song - 1)].Seconds : 0;
}

TSongSchedule::TSongSchedule(TMidiPlayer& player, const platform::Clock& clock, platform::RandomNumbers& random)
    : FPlayer(player), FClock(clock), FRandom(random) {
    FPlayer.SetOnNotify([this](std::int32_t tag) { MusicNotify(tag); });
}

TSongSchedule::~TSongSchedule() { FPlayer.SetOnNotify(nullptr); }

void TSongSchedule::PlayMusic(std::int32_t song) {
    if (!IsSong(song)) return;
    if (song == kAnyCarol) song = 3 + FRandom.Next(15);
    FSongEndTime = FClock.NowMs() + SongLengthSeconds(song) * std::int64_t{1000} + kGraceMs;
    FSongNumber = song;
    FPlayer.Play(SongFileName(song), song);
}

void TSongSchedule::CheckSongEnd() {
    if (FSongEndTime <= 0 || FSongEndTime >= FClock.NowMs()) return;
    FSongEndTime = 0;
    FPlayer.StopMusic();
    if (FOnMusicEnded) FOnMusicEnded(FSongNumber);
}

void TSongSchedule::StopMusic() {
    FSongEndTime = 0;
    FPlayer.StopMusic();
}

void TSongSchedule::Silence() { FPlayer.StopMusic(); }

void TSongSchedule::MusicNotify(std::int32_t playerTag) {
    // Cleared first: the end-of-song handling may start the next song (the title song
    // repeats), whose schedule must stand.
    FSongEndTime = 0;
    if (playerTag >= 0 && playerTag <= kLastSong && FOnMusicEnded) FOnMusicEnded(playerTag);
}
