#include "fluid_song_output.h"

#include "platform/song_file_check.h"

#include <array>
#include <cstring>
#include <fstream>
#include <system_error>
#include <utility>

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

// FluidSynth loads a soundfont's samples in an OpenMP loop with a thread per core, whose
// threads then spin-wait for more work; the game's soundfont is small enough for one.
// Declared weak: the OpenMP runtime comes with FluidSynth, not with the game.
extern "C" void omp_set_num_threads(int) __attribute__((weak));

struct LoadedSynth {
    fluid_settings_t* Settings = nullptr;
    fluid_synth_t* Synth = nullptr;
};

// Any thread: a synthesiser with the soundfont loaded, or nothing.
LoadedSynth LoadSynth(const std::filesystem::path& font, double rate) {
    if (omp_set_num_threads != nullptr) omp_set_num_threads(1);
    LoadedSynth loaded;
    loaded.Settings = new_fluid_settings();
    if (loaded.Settings == nullptr) return {};
    fluid_settings_setnum(loaded.Settings, "synth.sample-rate", rate);
    fluid_settings_setnum(loaded.Settings, "synth.gain", FluidSongOutput::kGain);
    fluid_settings_setint(loaded.Settings, "synth.cpu-cores", 1);
    loaded.Synth = new_fluid_synth(loaded.Settings);
    if (loaded.Synth == nullptr || fluid_synth_sfload(loaded.Synth, font.c_str(), 1) == FLUID_FAILED) {
        if (loaded.Synth != nullptr) delete_fluid_synth(loaded.Synth);
        delete_fluid_settings(loaded.Settings);
        return {};
    }
    return loaded;
}

}  // namespace

FluidSongOutput::FluidSongOutput(SdlAudioDevice& device, EventQueue& queue,
                                 const std::filesystem::path& soundfont)
    : FDevice(device), FQueue(queue) {
    if (!device.IsOpen()) return;
    FSoundfont = FindSoundfont(soundfont);
    // FluidSynth reports what it cannot find in a song on stderr; the game goes on silently.
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    FScratch.resize(8192);
}

FluidSongOutput::~FluidSongOutput() {
    if (FLoader.joinable()) FLoader.join();
    if (FLoadedSynth != nullptr) delete_fluid_synth(FLoadedSynth);
    if (FLoadedSettings != nullptr) delete_fluid_settings(FLoadedSettings);
    FDevice.Remove(this);
    {
        SdlAudioDevice::Lock lock(FDevice);
        StopPlayer();
    }
    if (FSynth != nullptr) delete_fluid_synth(FSynth);
    if (FSettings != nullptr) delete_fluid_settings(FSettings);
    FQueue.Cancel(this);
}

void FluidSongOutput::StartLoading() {
    if (FSynth != nullptr || FLoading || FSoundfont.empty()) return;
    FLoading = true;
    FLoader = std::thread([this, font = FSoundfont, rate = static_cast<double>(FDevice.Rate())] {
        const LoadedSynth loaded = LoadSynth(font, rate);
        FLoadedSettings = loaded.Settings;
        FLoadedSynth = loaded.Synth;
        FQueue.Post(this, [this] { TakeLoadedSynth(); });
    });
}

void FluidSongOutput::TakeLoadedSynth() {
    if (!FLoading) return;
    FLoader.join();
    FLoading = false;
    FSettings = std::exchange(FLoadedSettings, nullptr);
    FSynth = std::exchange(FLoadedSynth, nullptr);
    if (FSynth == nullptr) {
        // No instruments after all: from now on there is no MIDI device.
        FSoundfont.clear();
        FSong.clear();
        FPlayPending = false;
        return;
    }
    FDevice.Add(this);
    if (FPlayPending) StartPlayer();
}

bool FluidSongOutput::FinishLoading() {
    if (FLoading) {
        FQueue.Cancel(this);
        TakeLoadedSynth();
    }
    return FSynth != nullptr;
}

bool FluidSongOutput::Open(const std::filesystem::path& file) {
    Close();
    if (FSoundfont.empty()) return false;
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
    StartLoading();
    return true;
}

void FluidSongOutput::Play(SongToken token) {
    if (FSong.empty()) return;
    FToken = token;
    FPlayPending = FSynth == nullptr;
    if (!FPlayPending) StartPlayer();
}

void FluidSongOutput::StartPlayer() {
    FPlayPending = false;
    {
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
        FEndPosted = false;
    }
    FDevice.Wake();
}

void FluidSongOutput::Close() {
    FPlayPending = false;
    SdlAudioDevice::Lock lock(FDevice);
    StopPlayer();
    FSong.clear();
}

bool FluidSongOutput::IsSounding() const {
    if (FSynth == nullptr) return false;
    // A song that has run out still sounds while its last notes die away.
    return (FPlayer != nullptr && fluid_player_get_status(FPlayer) == FLUID_PLAYER_PLAYING) ||
           fluid_synth_get_active_voice_count(FSynth) > 0;
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
