#include "fluid_song_output.h"

#include "platform/song_file_check.h"

#include <array>
#include <cstring>
#include <fstream>
#include <system_error>

namespace platform {

namespace {

// Debian's General MIDI soundfonts: the small one the game depends on first.
constexpr std::array kSoundfonts{
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

// Songs are a few kilobytes; anything far bigger is not one of ours.
constexpr std::uintmax_t kMaxSongBytes = 4u << 20;

std::filesystem::path FindSoundfont(const std::filesystem::path& wanted) {
    std::error_code error;
    if (!wanted.empty()) return std::filesystem::is_regular_file(wanted, error) ? wanted : "";
    for (const char* candidate : kSoundfonts)
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    return {};
}

}  // namespace

FluidSongOutput::FluidSongOutput(SdlAudioDevice& device, EventQueue& queue,
                                 const std::filesystem::path& soundfont)
    : FDevice(device), FQueue(queue) {
    if (!device.IsOpen()) return;
    const std::filesystem::path font = FindSoundfont(soundfont);
    if (font.empty()) return;
    // FluidSynth reports what it cannot find in a song on stderr; the game goes on silently.
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    FSettings = new_fluid_settings();
    if (FSettings == nullptr) return;
    fluid_settings_setnum(FSettings, "synth.sample-rate", device.Rate());
    fluid_synth_t* synth = new_fluid_synth(FSettings);
    if (synth == nullptr) return;
    if (fluid_synth_sfload(synth, font.c_str(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth);
        return;
    }
    FSynth = synth;
    FScratch.resize(8192);
    FDevice.Add(this);
}

FluidSongOutput::~FluidSongOutput() {
    FDevice.Remove(this);
    {
        SdlAudioDevice::Lock lock(FDevice);
        StopPlayer();
    }
    if (FSynth != nullptr) delete_fluid_synth(FSynth);
    if (FSettings != nullptr) delete_fluid_settings(FSettings);
    FQueue.Cancel(this);
}

bool FluidSongOutput::Open(const std::filesystem::path& file) {
    Close();
    if (FSynth == nullptr) return false;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size < 14 || size > kMaxSongBytes) return false;
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return false;
    // The synthesiser's own reader is not made for hostile files; ours goes first.
    if (!IsPlayableSongFile(bytes)) return false;
    FSong = std::move(bytes);
    return true;
}

void FluidSongOutput::Play(SongToken token) {
    if (FSong.empty()) return;
    SdlAudioDevice::Lock lock(FDevice);
    StopPlayer();
    fluid_player_t* player = new_fluid_player(FSynth);
    if (player == nullptr) return;
    if (fluid_player_add_mem(player, FSong.data(), FSong.size()) != FLUID_OK ||
        fluid_player_play(player) != FLUID_OK) {
        delete_fluid_player(player);
        return;
    }
    FPlayer = player;
    FToken = token;
    FEndPosted = false;
}

void FluidSongOutput::Close() {
    SdlAudioDevice::Lock lock(FDevice);
    StopPlayer();
    FSong.clear();
}

void FluidSongOutput::StopPlayer() {
    if (FPlayer == nullptr) return;
    fluid_player_stop(FPlayer);
    delete_fluid_player(FPlayer);
    FPlayer = nullptr;
    // Notes still held when the song is cut off would otherwise ring on.
    fluid_synth_all_sounds_off(FSynth, -1);
}

void FluidSongOutput::MixInto(float* stereo, int frames) {
    if (FSynth == nullptr) return;
    if (FPlayer == nullptr && fluid_synth_get_active_voice_count(FSynth) == 0) return;
    const std::size_t needed = static_cast<std::size_t>(frames) * 2;
    if (FScratch.size() < needed) FScratch.resize(needed);
    if (fluid_synth_write_float(FSynth, frames, FScratch.data(), 0, 2, FScratch.data(), 1, 2) !=
        FLUID_OK)
        return;
    for (std::size_t i = 0; i < needed; ++i) stereo[i] += FScratch[i];
    if (FPlayer != nullptr && !FEndPosted && fluid_player_get_status(FPlayer) == FLUID_PLAYER_DONE) {
        FEndPosted = true;
        const SongToken token = FToken;
        FQueue.Post(this, [this, token] {
            if (FHandler) FHandler(token);
        });
    }
}

}  // namespace platform
