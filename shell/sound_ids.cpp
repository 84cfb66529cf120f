#include "sound_ids.h"

std::uint8_t RemapSoundId(std::int32_t soundId) {
    const std::int32_t s = soundId;
    // Several sound ids share one wave, and the waves were renumbered as the sound list
    // grew; hence the shifted runs.
    auto wave = [](std::int32_t w) { return static_cast<std::uint8_t>(w); };
    if (s >= 0 && s <= 13) return wave(s);
    if (s == 14) return 0;
    if (s >= 15 && s <= 34) return wave(s + 1);
    if (s == 35) return 14;
    if (s >= 36 && s <= 44) return wave(s);
    if (s >= 45 && s <= 55) return wave(s + 1);
    switch (s) {
        case 56: return 31;
        case 57: return 58;
        case 58: return 57;
        case 59: return 59;
        case 60: return 60;
        case 61: return 36;
        case 62: return 40;
        case 63: return 61;
        case 64: return 64;
        case 65: return 62;
        case 66: return 65;
        case 67: return 63;
        case 68: return 66;
        case 69: return 67;
        case 70: return 2;
        case 75: return 14;
        default: break;
    }
    if (s >= 71 && s <= 74) return wave(s - 3);
    if (s >= 76 && s <= 83) return wave(s - 4);
    return 0;
}
