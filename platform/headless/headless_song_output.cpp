#include "headless_song_output.h"

#include <system_error>

namespace platform {

bool HeadlessSongOutput::Open(const std::filesystem::path& file) {
    Close();
    std::error_code error;
    if (!DevicePresent || FailOpen || !std::filesystem::is_regular_file(file, error)) return false;
    FOpened.push_back(file);
    FOpen = true;
    return true;
}

void HeadlessSongOutput::Play(SongToken token) {
    if (!FOpen) return;
    FPlayed.push_back(token);
    FPlayingToken = token;
}

void HeadlessSongOutput::Close() {
    if (!FOpen) return;
    FOpen = false;
    FPlayingToken = 0;
    ++FCloses;
}

bool HeadlessSongOutput::EndSong() {
    if (FPlayingToken == 0) return false;
    const SongToken token = FPlayingToken;
    FPlayingToken = 0;
    FQueue.Post(this, [this, token] {
        if (FHandler) FHandler(token);
    });
    return true;
}

}  // namespace platform
