#include "platform/wave_output.h"

namespace platform {

bool IsPlayablePcmFormat(const PcmFormat& format) {
    if (format.FormatTag != 1) return false;
    if (format.BitsPerSample != 8 && format.BitsPerSample != 16 && format.BitsPerSample != 32) return false;
    if (format.Channels == 0 || format.Channels > 8) return false;
    if (format.SamplesPerSec == 0 || format.SamplesPerSec > 384000) return false;
    return format.BlockAlign == format.Channels * (format.BitsPerSample / 8);
}

}  // namespace platform
