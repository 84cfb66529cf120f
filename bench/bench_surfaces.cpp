// The drawing hot paths at the play area's size (512 x 320), each beside what it is judged
// against in the same run: a transparent Blit against SDL2's colour-keyed 8-bit blit and
// memcpy of the same bytes; FloodFill against memset of the pixels it fills; the stretches;
// a full-damage display to an RGB canvas.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "engine/graphics/ac8_bitmap_header.h"
#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_image_data.h"
#include "platform/headless/memory_canvas.h"

namespace {

constexpr int W = 512;
constexpr int H = 320;
constexpr std::uint8_t Key = 0;

struct Surface {
    Surface(int width, int height, bool shown = false) {
        image.Init("bench", static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
        data = std::make_unique<TAC8ImageData>(image, shown ? &SharedBitmapHeader() : nullptr);
    }
    TAC8Image image;
    std::unique_ptr<TAC8ImageData> data;
};

// A sprite sheet's worth of picture: runs of the key colour between runs of painted pixels,
// as a cut-out character or a row of decorations has, about a third of them transparent.
void PaintSprites(TAC8ImageData& s) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> run(1, 40), colour(1, 255), pick(0, 2);
    for (int y = 0; y < s.Height(); ++y) {
        std::uint8_t* row = s.StartLine(0, y);
        for (int x = 0; x < s.Width();) {
            const int n = std::min(run(rng), s.Width() - x);
            const std::uint8_t c = pick(rng) == 0 ? Key : static_cast<std::uint8_t>(colour(rng));
            for (int i = 0; i < n; ++i) row[x + i] = c;
            x += n;
        }
    }
}

void PaintNoise(TAC8ImageData& s) {
    std::mt19937 rng(9);
    std::uniform_int_distribution<int> colour(0, 255);
    for (int y = 0; y < s.Height(); ++y) {
        std::uint8_t* row = s.StartLine(0, y);
        for (int x = 0; x < s.Width(); ++x) row[x] = static_cast<std::uint8_t>(colour(rng));
    }
}

void BM_BlitTransparent(benchmark::State& state) {
    Surface src(W, H), dst(W, H);
    PaintSprites(*src.data);
    PaintNoise(*dst.data);
    src.data->SetTransparency(Key, true);
    for (auto _ : state) {
        dst.data->Blit({0, 0}, *src.data, src.data->GetBounds());
        benchmark::DoNotOptimize(dst.image.Pixels());
    }
    state.SetBytesProcessed(state.iterations() * W * H);
}
BENCHMARK(BM_BlitTransparent);

void BM_SdlBlitColourKey(benchmark::State& state) {
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormat(0, W, H, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormat(0, W, H, 8, SDL_PIXELFORMAT_INDEX8);
    if (src == nullptr || dst == nullptr) {
        state.SkipWithError("SDL_CreateRGBSurfaceWithFormat failed");
        return;
    }
    // One palette for both, so SDL copies indices as they are, as our blit does.
    SDL_SetSurfacePalette(dst, src->format->palette);
    Surface pixels(W, H);
    PaintSprites(*pixels.data);
    for (int y = 0; y < H; ++y)
        std::memcpy(static_cast<std::uint8_t*>(src->pixels) + y * src->pitch, pixels.data->StartLine(0, y), W);
    SDL_SetColorKey(src, SDL_TRUE, Key);
    for (auto _ : state) {
        SDL_BlitSurface(src, nullptr, dst, nullptr);
        benchmark::DoNotOptimize(dst->pixels);
    }
    state.SetBytesProcessed(state.iterations() * W * H);
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
}
BENCHMARK(BM_SdlBlitColourKey);

void BM_MemcpyFrame(benchmark::State& state) {
    std::vector<std::uint8_t> src(W * H, 1), dst(W * H, 2);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), dst.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * W * H);
}
BENCHMARK(BM_MemcpyFrame);

// One region over the whole play area, as the slate's colouring pictures have: a plain
// ground around solid holes (a sun, a window, presents) and outlines that do not close
// (a hill line, a path, half-drawn frames), so the fill has to go round all of them.
void PaintRegionWithHoles(TAC8ImageData& s) {
    s.FillRect(s.GetBounds(), 0);
    for (int i = 0; i < 6; ++i) {  // holes
        const int x = 30 + i * 80, y = 40 + (i % 3) * 80;
        s.FillRect({x, y, x + 40, y + 50}, 2);
    }
    for (int dy = -30; dy <= 30; ++dy)  // a round hole
        for (int dx = -30; dx <= 30; ++dx)
            if (dx * dx + dy * dy <= 900) *s.StartLine(400 + dx, 250 + dy) = 2;
    for (int i = 0; i < 4; ++i) {  // frames with a gap in their bottom edge
        const int x = 20 + i * 120, y = 200;
        s.FrameRect({x, y, x + 90, y + 80}, 1);
        s.FillRect({x + 40, y + 79, x + 50, y + 80}, 0);
    }
    for (int x = 0; x < 480; ++x) {  // a hill line and a path, one pixel wide and unbroken
        const int hill = 28 + static_cast<int>(10 * std::sin(x / 25.0));
        const int next = 28 + static_cast<int>(10 * std::sin((x + 1) / 25.0));
        s.VLine({x, std::min(hill, next)}, std::abs(next - hill) + 1, 1);
        *s.StartLine(x, 300 - x / 4) = 1;
    }
}

std::int64_t CountPixels(const TAC8ImageData& s, std::uint8_t colour) {
    std::int64_t n = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) n += s.GetPixel({x, y}) == colour;
    return n;
}

void BM_FloodFill(benchmark::State& state) {
    Surface s(W, H);
    PaintRegionWithHoles(*s.data);
    const TPoint seed{100, 150};
    s.data->FloodFill(seed, 7);
    const std::int64_t filled = CountPixels(*s.data, 7);
    std::uint8_t colour = 0;
    for (auto _ : state) {
        // Back and forth between two colours: every fill covers the same region.
        s.data->FloodFill(seed, colour);
        colour = colour == 0 ? 7 : 0;
        s.data->ClearDamage();
    }
    state.counters["pixels"] = static_cast<double>(filled);
    state.SetBytesProcessed(state.iterations() * filled);
}
BENCHMARK(BM_FloodFill);

void BM_MemsetFilledPixels(benchmark::State& state) {
    Surface s(W, H);
    PaintRegionWithHoles(*s.data);
    s.data->FloodFill({100, 150}, 7);
    const std::int64_t filled = CountPixels(*s.data, 7);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(filled));
    int colour = 0;
    for (auto _ : state) {
        std::memset(buffer.data(), colour, buffer.size());
        colour ^= 7;
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * filled);
}
BENCHMARK(BM_MemsetFilledPixels);

void BM_StretchBlit(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface src(W, H), dst(w, h);
    PaintNoise(*src.data);
    for (auto _ : state) {
        dst.data->StretchBlit(dst.data->GetBounds(), *src.data, src.data->GetBounds());
        benchmark::DoNotOptimize(dst.image.Pixels());
    }
    state.SetItemsProcessed(state.iterations() * w * h);
}
BENCHMARK(BM_StretchBlit)->Args({128, 80})->Args({1024, 640});

void BM_DisplayFullDamage(benchmark::State& state) {
    Surface s(W, H, true);
    PaintNoise(*s.data);
    platform::MemoryCanvas canvas(W, H);
    canvas.SetKeepPixels(false);
    platform::CanvasPalette palette{};
    for (int i = 0; i < 256; ++i) palette[i] = {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)};
    canvas.SelectPalette(palette);
    for (auto _ : state) {
        s.data->AddDamage(s.data->GetBounds());
        s.data->DisplayDamage(canvas, {0, 0});
        canvas.ClearDraws();
    }
    state.SetItemsProcessed(state.iterations() * W * H);
}
BENCHMARK(BM_DisplayFullDamage)->Unit(benchmark::kMicrosecond);

}  // namespace
