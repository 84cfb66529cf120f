// One drag step of a bauble over a tree holding 101 baubles: the tree is drawn again only in
// the bauble's old and new rectangles, so a step should stay well under 0.2 ms.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "rooms/tree/tree.h"

namespace {

void BM_TreeDragStep(benchmark::State& state) {
    TAC8Library library;
    library.Open(std::filesystem::path(ZORVIK_BUILT_DAT) / "Zorvik.ac8");
    TImageNode* viewNode = library.CreateImage(AC8ImageName("work"), 512, 320);
    ++viewNode->RefCount;
    TAC8ImageData& view = *library.GetImageData(viewNode);
    {
        TTree tree(&library);
        tree.SetLightString(1, true);
        tree.SetLightString(3, true);
        tree.SetTinsel(2, true);
        tree.SetTopChoice(1);
        for (int i = 0; i < kTreeMaxBaubles; ++i) tree.AddBauble(static_cast<std::uint8_t>(i % kBaubleKindCount + 1));
        tree.Draw(view, TPoint{0, 0});
        // Take the newest one (on top, at the next place from the middle) and drag it about.
        const auto* newest = static_cast<const TBauble*>(tree.Baubles().Last());
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
    library.ReleaseImageData(viewNode);
    library.ReleaseImage(viewNode);
}
BENCHMARK(BM_TreeDragStep)->Unit(benchmark::kMicrosecond);

// The whole tree with 101 baubles, for comparison: what a step would cost without clipping.
void BM_TreeWholeDrawing(benchmark::State& state) {
    TAC8Library library;
    library.Open(std::filesystem::path(ZORVIK_BUILT_DAT) / "Zorvik.ac8");
    TImageNode* viewNode = library.CreateImage(AC8ImageName("work"), 512, 320);
    ++viewNode->RefCount;
    TAC8ImageData& view = *library.GetImageData(viewNode);
    {
        TTree tree(&library);
        for (int i = 0; i < kTreeMaxBaubles; ++i) tree.AddBauble(static_cast<std::uint8_t>(i % kBaubleKindCount + 1));
        for (auto _ : state) tree.Draw(view, TPoint{0, 0});
        tree.FreePictures();
    }
    library.ReleaseImageData(viewNode);
    library.ReleaseImage(viewNode);
}
BENCHMARK(BM_TreeWholeDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace
