#include "tools/ac8/sample_pictures.h"

#include <algorithm>

namespace {

// A small deterministic generator; the content must not depend on the platform's one.
struct TLcg {
    std::uint32_t State;
    std::uint32_t Next() {
        State = State * 1664525u + 1013904223u;
        return State >> 8;
    }
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : Next() % n; }
};

constexpr std::uint8_t Outline = 1;

void FillRect(TIndexedPicture& p, std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b, std::uint8_t c,
              bool outline) {
    l = std::max<std::int64_t>(l, 0);
    t = std::max<std::int64_t>(t, 0);
    r = std::min<std::int64_t>(r, p.width);
    b = std::min<std::int64_t>(b, p.height);
    for (std::int64_t y = t; y < b; ++y)
        for (std::int64_t x = l; x < r; ++x) {
            const bool edge = x == l || x == r - 1 || y == t || y == b - 1;
            p.pixels[std::size_t(y) * std::size_t(p.width) + std::size_t(x)] = outline && edge ? Outline : c;
        }
}

void FillEllipse(TIndexedPicture& p, std::int64_t cx, std::int64_t cy, std::int64_t rx, std::int64_t ry, std::uint8_t c) {
    if (rx <= 1 || ry <= 1) return;
    for (std::int64_t y = std::max<std::int64_t>(cy - ry, 0); y < std::min<std::int64_t>(cy + ry, p.height); ++y)
        for (std::int64_t x = std::max<std::int64_t>(cx - rx, 0); x < std::min<std::int64_t>(cx + rx, p.width); ++x) {
            const double dx = double(x - cx) / double(rx);
            const double dy = double(y - cy) / double(ry);
            const double d = dx * dx + dy * dy;
            if (d <= 1.0) p.pixels[std::size_t(y) * std::size_t(p.width) + std::size_t(x)] = d > 0.85 ? Outline : c;
        }
}

}  // namespace

TAC8SourcePalette MakeSamplePalette() {
    TAC8SourcePalette palette{};
    palette[0] = {0, 0, 0};
    palette[Outline] = {24, 16, 16};
    // Eight ramps of 30 shades from index 16 on.
    const TAC8SourceColour bases[8] = {{200, 30, 30}, {30, 160, 40},  {40, 60, 200},  {230, 200, 40},
                                       {150, 90, 40}, {200, 120, 200}, {60, 190, 200}, {200, 200, 200}};
    for (int ramp = 0; ramp < 8; ++ramp)
        for (int shade = 0; shade < 30; ++shade) {
            const auto scale = [&](std::uint8_t v) { return static_cast<std::uint8_t>(v * (shade + 6) / 36); };
            palette[16 + ramp * 30 + shade] = {scale(bases[ramp].Red), scale(bases[ramp].Green), scale(bases[ramp].Blue)};
        }
    palette[255] = {255, 255, 255};
    return palette;
}

TIndexedPicture MakeSamplePicture(std::uint32_t seed, std::uint32_t width, std::uint32_t height, const std::string& name) {
    TLcg rng{seed * 2654435761u + 1};
    TIndexedPicture p;
    p.name = name;
    p.width = static_cast<int>(width);
    p.height = static_cast<int>(height);
    p.pixels.assign(std::size_t(width) * height, 0);

    // A sky or wall: a vertical gradient over one ramp, in bands of equal rows.
    const std::uint32_t ramp = rng.Below(8);
    for (std::uint32_t y = 0; y < height; ++y) {
        const auto shade = static_cast<std::uint8_t>(16 + ramp * 30 + (y * 29) / std::max<std::uint32_t>(height, 1));
        std::fill_n(p.pixels.begin() + std::ptrdiff_t(y) * width, width, shade);
    }
    // A floor with a horizontal gradient.
    const std::uint32_t floorTop = height * (2 + rng.Below(3)) / 5;
    const std::uint32_t floorRamp = rng.Below(8);
    for (std::uint32_t y = floorTop; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x)
            p.pixels[std::size_t(y) * width + x] = static_cast<std::uint8_t>(16 + floorRamp * 30 + (x * 29) / width);
    // Furniture and toys: outlined flat boxes and round shapes.
    const std::uint32_t shapes = 4 + rng.Below(10);
    for (std::uint32_t i = 0; i < shapes; ++i) {
        const std::int64_t x = rng.Below(width);
        const std::int64_t y = rng.Below(height);
        const std::int64_t w = 4 + rng.Below(std::max<std::uint32_t>(width / 3, 1));
        const std::int64_t h = 4 + rng.Below(std::max<std::uint32_t>(height / 3, 1));
        const auto colour = static_cast<std::uint8_t>(16 + rng.Below(8) * 30 + rng.Below(30));
        if (rng.Below(2) == 0)
            FillRect(p, x, y, x + w, y + h, colour, true);
        else
            FillEllipse(p, x, y, w / 2, h / 2, colour);
    }
    // A patch of dithered texture (a rug or a tree), the hardest part to compress.
    const std::uint32_t tw = width / 8 + 1;
    const std::uint32_t th = height / 8 + 1;
    const std::uint32_t tx = rng.Below(width - std::min(tw, width) + 1);
    const std::uint32_t ty = rng.Below(height - std::min(th, height) + 1);
    for (std::uint32_t y = ty; y < std::min(ty + th, height); ++y)
        for (std::uint32_t x = tx; x < std::min(tx + tw, width); ++x)
            if (rng.Below(3) == 0) p.pixels[std::size_t(y) * width + x] = static_cast<std::uint8_t>(16 + 30 + rng.Below(30));
    return p;
}
