// Any bytes as a wave file's format fields, and as a whole wave file: a format the check
// passes has whole frames of whole samples, and a file whose format passes holds whole frames.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/sound/wave_file.h"
#include "foundation/stream.h"
#include "platform/wave_output.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 16) {
        platform::PcmFormat format;
        std::memcpy(&format.FormatTag, data, 2);
        std::memcpy(&format.Channels, data + 2, 2);
        std::memcpy(&format.SamplesPerSec, data + 4, 4);
        std::memcpy(&format.AvgBytesPerSec, data + 8, 4);
        std::memcpy(&format.BlockAlign, data + 12, 2);
        std::memcpy(&format.BitsPerSample, data + 14, 2);
        if (platform::IsPlayablePcmFormat(format) &&
            (format.BlockAlign == 0 || format.BlockAlign % format.Channels != 0 || format.BlockAlign > 32))
            __builtin_trap();
    }
    TMemoryStream s(data, size);
    TWaveData wave;
    if (ReadWaveData(s, wave) == kWaveLoadOk && platform::IsPlayablePcmFormat(wave.Format) &&
        wave.Samples.size() > size)
        __builtin_trap();
    return 0;
}
