// Colouring on the slate must feel instant: FillAt of every region of every colouring page,
// and of every region of the largest sticker, each with the read-back of all the object's
// region colours. Each benchmark fills its regions in turn, back and forth between two
// colours of its own so every fill covers exactly its region; the slowest region (by its
// quickest fill) is reported as the counter "slowest_us".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "engine/graphics/ac8_library.h"
#include "engine/graphics/hot_image.h"
#include "rooms/slate/slate_drawing.h"
#include "rooms/slate/slate_map.h"
#include "rooms/slate/slate_pieces.h"

namespace {

const std::filesystem::path kDat = std::filesystem::path(ZORVIK_BUILT_DAT);

struct TSlateBench {
    TSlateBench() { Library.Open(kDat / "Zorvik.ac8"); }
    TAC8Library Library;
    std::shared_ptr<const TSlateMap> Map = TSlateMap::Load(kDat / "slatemap.dat");
};

void FillEveryRegion(benchmark::State& state, int index, bool half) {
    TSlateBench bench;
    TSlateDrawingObject object;
    TSlateObjectState shape;
    shape.MapIndex = static_cast<std::uint8_t>(index);
    shape.Half = half;
    for (const TSlateSeed& seed : bench.Map->Record(index).Seeds) shape.Colours.push_back(seed.Colour);
    BuildSlateObject(object, *bench.Map, shape, true, &bench.Library);
    const std::vector<TSlateSeed> seeds = object.Record().Seeds;
    // Each region goes back and forth between two colours of its own, so no fill runs into a
    // neighbour and every fill covers exactly its region.
    const auto colourOf = [](std::size_t k, int round) { return static_cast<std::uint8_t>(130 + 2 * k + round % 2); };
    // Per region the quickest of its fills: the machine's other work only ever adds time.
    std::vector<double> best(seeds.size(), 1e30);
    std::size_t k = 0;
    int round = 0;
    for (auto _ : state) {
        const TSlateSeed& seed = seeds[k];
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(object.FillAt(TPoint{seed.X, seed.Y}, colourOf(k, round)));
        const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        best[k] = std::min(best[k], us);
        if (++k == seeds.size()) {
            k = 0;
            ++round;
        }
    }
    state.counters["regions"] = static_cast<double>(seeds.size());
    state.counters["slowest_us"] = *std::max_element(best.begin(), best.end());
}

void BM_FillPageRegions(benchmark::State& state) { FillEveryRegion(state, static_cast<int>(state.range(0)), false); }
BENCHMARK(BM_FillPageRegions)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

// The largest sticker (the house, 212 x 181) at full size.
void BM_FillLargeSticker(benchmark::State& state) { FillEveryRegion(state, 16, false); }
BENCHMARK(BM_FillLargeSticker)->Unit(benchmark::kMicrosecond);

}  // namespace
