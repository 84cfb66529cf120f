#pragma once
// The reader of the game's sound effects: RIFF WAVE files holding PCM samples. A file that
// cannot be used yields one of the load codes below and nothing else; sound-file errors are
// recorded, never shown.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/wave_output.h"

class TStream;

enum TWaveLoadCode : int {
    kWaveLoadOk = 0,
    kWaveNoMemoryForFormat = 20000,
    kWaveEmptyData = 20001,
    kWaveNoMemoryForSamples = 20002,  // also: a data chunk above kMaxWaveDataBytes
    kWaveShortFormat = 20003,         // also: a "fmt " chunk shorter than the PCM format
    kWaveShortData = 20004,           // fewer sample bytes in the file than the chunk says
    kWaveCannotOpen = 20005,          // also: a path longer than kMaxWavePathBytes
    kWaveNoRiffWave = 20006,
    kWaveNoFormatChunk = 20007,
    kWaveNoDataChunk = 20008,
    kWaveNotPcm = 20009,
};

// The game's effects last seconds; a data chunk claiming more than this is refused before
// anything is allocated for it.
inline constexpr std::uint64_t kMaxWaveDataBytes = 64u << 20;
inline constexpr std::size_t kMaxWavePathBytes = 4095;

struct TWaveData {
    platform::PcmFormat Format;
    std::vector<std::uint8_t> Samples;
};

// Reads a whole wave file from the stream; returns kWaveLoadOk or a load code. `out` is
// only changed on success.
int ReadWaveData(TStream& s, TWaveData& out);
int LoadWaveFile(const std::filesystem::path& path, TWaveData& out);
