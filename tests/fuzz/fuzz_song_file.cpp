// Any bytes as a song file: our check accepts or refuses them without reading past them, and
// what it accepts starts with a header and holds whole chunks.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/song_file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string why;
    const bool playable = platform::IsPlayableSongFile(std::span<const std::uint8_t>(data, size), &why);
    if (playable && (size < 14 || std::memcmp(data, "MThd", 4) != 0)) __builtin_trap();
    if (!playable && why.empty()) __builtin_trap();
    return 0;
}
