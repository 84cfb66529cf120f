// Wave files come from the game folder, where anything may have been put.
#include <cstddef>
#include <cstdint>

#include "engine/sound/wave_file.h"
#include "foundation/stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream s(data, size);
    TWaveData wave;
    const int code = ReadWaveData(s, wave);
    if (code != kWaveLoadOk && (code < 20000 || code > 20009)) __builtin_trap();
    if (code == kWaveLoadOk && (wave.Samples.empty() || wave.Samples.size() > size)) __builtin_trap();
    return 0;
}
