#pragma once
// RIFF/WAVE files of 16-bit mono PCM, the form the game's wave loader takes: a "fmt " chunk of
// exactly 16 bytes with format tag 1, then the "data" chunk.
#include <cstdint>
#include <filesystem>
#include <vector>

std::vector<std::uint8_t> WaveFileBytes(const std::vector<std::int16_t>& samples, int rate);
// Throws ContentError when the file cannot be written.
void WriteWaveFile(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate);
