// Any bytes as the slate's fill map, as the drawing's record read against a map, and as
// the album's slate stream, which stands on its own. Each read either succeeds or throws
// VekException; what was read writes itself back to the bytes it took.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "rooms/slate/slate_drawing.h"
#include "rooms/slate/slate_map.h"
#include "rooms/slate/slate_snapshot.h"

namespace {

// A sound map: every record one or two regions with seeds at the picture's corner.
std::shared_ptr<const TSlateMap> SmallMap() {
    static const std::shared_ptr<const TSlateMap> map = [] {
        std::vector<std::uint8_t> bytes(kSlateMapFileSize, 0);
        std::size_t used = 0;
        for (int i = 0; i < kSlateMapRecords; ++i) {
            const std::size_t n = 1 + static_cast<std::size_t>(i % 2);
            const auto unit = static_cast<std::uint32_t>(used / 5);
            for (int b = 0; b < 4; ++b) bytes[static_cast<std::size_t>(4 * i + b)] = static_cast<std::uint8_t>(unit >> (8 * b));
            const std::size_t at = kSlateMapHeaderSize + used;
            bytes[at + 2] = static_cast<std::uint8_t>(n);
            bytes[at + 4] = static_cast<std::uint8_t>(i);
            for (std::size_t k = 0; k < n; ++k) bytes[at + 5 + 5 * k] = static_cast<std::uint8_t>(2 * k);
            used += 5 + 5 * n;
        }
        return TSlateMap::Parse(bytes);
    }();
    return map;
}

template <class Read, class Write>
void RoundTrip(const std::uint8_t* data, std::size_t size, Read read, Write write) {
    TMemoryStream input(data, size);
    decltype(read(input)) value;
    try {
        value = read(input);
    } catch (const VekException&) {
        return;
    }
    TMemoryStream output;
    write(output, value);
    const auto taken = static_cast<std::size_t>(input.Position());
    if (output.Bytes().size() != taken) std::abort();
    for (std::size_t i = 0; i < taken; ++i)
        if (output.Bytes()[i] != data[i]) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto map = TSlateMap::Parse(std::vector<std::uint8_t>(data, data + size));
        for (int i = 0; i < kSlateMapRecords; ++i)
            if (map->Record(i).Seeds.empty()) std::abort();
    } catch (const VekException&) {
    }
    const auto map = SmallMap();
    RoundTrip(
        data, size, [&](TStream& s) { return ReadSlateDrawingState(s, *map); },
        [](TStream& s, const TSlateDrawingState& state) { WriteSlateDrawingState(s, state); });
    RoundTrip(
        data, size, [&](TStream& s) { return std::shared_ptr<TStaticSlateDrawing>(TStaticSlateDrawing::ReadFrom(s)); },
        [](TStream& s, const std::shared_ptr<TStaticSlateDrawing>& snapshot) { snapshot->WriteTo(s); });
    return 0;
}
