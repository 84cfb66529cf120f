// The cursor list of the data folder: any text gives entries within their limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/game_cursors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto entries = ParseCursorList(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& [number, entry] : entries)
        if (number < 1 || entry.Image.size() > 8 || entry.HotX < 0 || entry.HotX > 255 || entry.HotY < 0 ||
            entry.HotY > 255)
            std::abort();
    return 0;
}
