#include "midi_player.h"

#include <system_error>

#include "foundation/file_lookup.h"

namespace {
platform::SongToken gNextSongToken = 1;
}  // namespace

TMidiPlayer::TMidiPlayer(platform::SongOutput& output, bool enable) : FOutput(output) {
    FOutput.SetEndHandler([this](platform::SongToken token) { SongEnded(token); });
    if (enable) CreatePlayer();
}

TMidiPlayer::~TMidiPlayer() {
    FOutput.SetEndHandler(nullptr);
    StopTune();
}

void TMidiPlayer::CreatePlayer() {
    if (FHasDevice) return;
    FHasDevice = FOutput.HasDevice();
    FEnabled = FHasDevice;
}

void TMidiPlayer::SetFolder(std::string_view path) {
    FFolder = path;
    if (!FFolder.empty() && FFolder.back() != '/') FFolder += '/';
}

bool TMidiPlayer::SetEnabled(bool flag) {
    if (!FHasDevice) CreatePlayer();
    FEnabled = flag && FHasDevice;
    if (!FEnabled) StopTune();
    return FEnabled;
}

void TMidiPlayer::Play(std::string_view name, std::int32_t tag) {
    if (!FHasDevice) return;
    if (FCurrentTag >= 0) FLastTag = FCurrentTag;
    if (tag == -2) {
        tag = FLastTag;
        FCurrentTag = tag;
    } else {
        FCurrentTag = tag;
        if (!name.empty()) FTuneName = name.substr(0, kMaxTuneName);
    }
    if (tag == -1) {
        StopTune();
        return;
    }
    // A song that ran out is played again from its start; the one under way is left alone.
    if (FEnabled && (FPlayerTag != tag || FMode == Mode::Stopped)) {
        if (OpenTune()) StartTune();
    }
}

bool TMidiPlayer::OpenTune() {
    if (!FHasDevice || !FEnabled || FTuneName.empty()) return false;
    const std::filesystem::path path = DataFilePath(FFolder, FTuneName + ".mid");
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    if (FMode == Mode::Stopped) StopTune();
    // A new song never starts over one that is playing: the shell stops the music first.
    if (FMode != Mode::Closed) return false;
    if (!FOutput.Open(path)) {
        StopTune();
        return false;
    }
    FMode = Mode::Stopped;
    FPlayerTag = FCurrentTag;
    return true;
}

void TMidiPlayer::StartTune() {
    if (!FHasDevice || !FEnabled || FPlayerTag != FCurrentTag || FMode == Mode::Closed) return;
    FToken = gNextSongToken++;
    FOutput.Play(FToken);
    FMode = Mode::Playing;
}

void TMidiPlayer::StopTune() {
    if (!FHasDevice) return;
    if (FMode != Mode::Closed) FOutput.Close();
    FMode = Mode::Closed;
    FPlayerTag = -1;
}

void TMidiPlayer::SongEnded(platform::SongToken token) {
    // The end of a song closed or replaced since is late news.
    if (token != FToken || FMode != Mode::Playing) return;
    FMode = Mode::Stopped;
    if (FOnNotify) FOnNotify(FPlayerTag);
}
