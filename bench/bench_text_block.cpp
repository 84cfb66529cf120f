// A help page laid out in the game's regular and bold fonts: measured only, and drawn into
// a play-area surface from a glyph sheet made here.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "engine/graphics/ac8_font.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/game_font_metrics.h"
#include "engine/graphics/text_block.h"
#include "tools/ac8/ac8_writer.h"

namespace {

std::u16string HelpPage() {
    std::u16string page;
    for (int i = 0; i < 8; ++i)
        page += u"Click the \\bpresents\\r under the tree to open them. Drag a bow onto the "
                u"ribbon, then give the gift a tag with a friend`ly name.\r\n";
    return page;
}

TIndexedPicture SheetFor(const TFontMetrics& m, const char* name) {
    TIndexedPicture p;
    p.name = name;
    p.width = 600;
    p.height = m.RowPitch * 6;
    p.pixels.assign(std::size_t(p.width) * std::size_t(p.height), 0);
    for (std::size_t i = 0; i < p.pixels.size(); i += 3) p.pixels[i] = 5;
    p.hasTransparency = true;
    return p;
}

void BM_MeasureHelpPage(benchmark::State& state) {
    RegisterGameFontMetrics();
    TAC8Font regular(nullptr, "00f12mc");
    TAC8Font bold(nullptr, "00f12mcb");
    TTextBlock block(regular, "r");
    block.AddFont(bold, "b");
    block.SetMargins(6, 5, 0, 0);
    const std::u16string page = HelpPage();
    for (auto _ : state) benchmark::DoNotOptimize(block.Layout(nullptr, TRect{0, 0, 502, 320}, true, page));
}
BENCHMARK(BM_MeasureHelpPage);

void BM_DrawHelpPage(benchmark::State& state) {
    RegisterGameFontMetrics();
    const auto path = std::filesystem::temp_directory_path() / "zorvik_bench_text_block.ac8";
    SaveAC8Library(path, TAC8SourcePalette{},
                   {SheetFor(GameFontMetrics0, "00f12mc"), SheetFor(GameFontMetrics0, "00f12mcb")});
    {
        TAC8Library library;
        library.Open(path);
        TAC8Font regular(&library, "00f12mc");
        TAC8Font bold(&library, "00f12mcb");
        TTextBlock block(regular, "r");
        block.AddFont(bold, "b");
        block.SetMargins(6, 5, 0, 0);
        TImageNode* view = library.CreateImage("view", 512, 320);
        TAC8ImageData* surface = library.GetImageData(view);
        const std::u16string page = HelpPage();
        for (auto _ : state) {
            benchmark::DoNotOptimize(block.Draw(surface, TRect{0, 0, 502, 320}, true, page));
            surface->ClearDamage();
        }
        library.ReleaseImageData(view);
        library.ReleaseImage(view);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_DrawHelpPage);

}  // namespace
