// One drag step of a bauble over a tree holding 101 baubles: the tree is drawn again only in
// the bauble's old and new rectangles, so a step should stay well under 0.2 ms.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/hot_image.h"
#include "rooms/tree/tree.h"

namespace {

// The game's library and a blank view of the room's size to draw the tree into.
struct TTreeBench {
    TTreeBench() { Library.Open(std::filesystem::path(ZORVIK_BUILT_DAT) / "Zorvik.ac8"); }
    TAC8Library Library;
    std::unique_ptr<THotImage> ViewPicture = THotImage::CreateBlank(512, 320, &Library);
    TAC8ImageData& View = ViewPicture->Image();
};

void BM_TreeDragStep(benchmark::State& state) {
    TTreeBench bench;
    TAC8ImageData& view = bench.View;
    {
        TTree tree(&bench.Library);
        tree.SetLightString(1, true);
        tree.SetLightString(3, true);
        tree.SetTinsel(2, true);
        tree.SetTopChoice(1);
        for (int i = 0; i < kTreeMaxBaubles; ++i) tree.AddBauble(static_cast<std::uint8_t>(i % kBaubleKindCount + 1));
        tree.Draw(view, TPoint{0, 0});
        // Take the newest one (on top, at the next place from the middle) and drag it about.
        const TBauble* newest = tree.Baubles().Last();
        const TPoint grab{newest->Position.X + 4, newest->Position.Y + 4};
        tree.MouseEvent(view, grab, TControlEventKind::Down, TPoint{0, 0});
        int step = 0;
        for (auto _ : state) {
            const TPoint to{grab.X - 40 + (step % 80), grab.Y - 30 + (step % 60)};
            benchmark::DoNotOptimize(tree.MouseEvent(view, to, TControlEventKind::Drag, TPoint{0, 0}));
            ++step;
        }
        tree.MouseEvent(view, grab, TControlEventKind::Up, TPoint{0, 0});
        tree.FreePictures();
    }
}
BENCHMARK(BM_TreeDragStep)->Unit(benchmark::kMicrosecond);

// The whole tree with 101 baubles, for comparison: what a step would cost without clipping.
void BM_TreeWholeDrawing(benchmark::State& state) {
    TTreeBench bench;
    {
        TTree tree(&bench.Library);
        for (int i = 0; i < kTreeMaxBaubles; ++i) tree.AddBauble(static_cast<std::uint8_t>(i % kBaubleKindCount + 1));
        for (auto _ : state) tree.Draw(bench.View, TPoint{0, 0});
        tree.FreePictures();
    }
}
BENCHMARK(BM_TreeWholeDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace
