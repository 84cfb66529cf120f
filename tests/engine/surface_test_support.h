#pragma once
// Surfaces for tests: an image and its surface kept together, filled with known or random
// pixels, and a plain top-down copy of the pixels to compare against references.
#include <cstdint>
#include <memory>
#include <ostream>
#include <random>
#include <vector>

#include "engine/graphics/ac8_bitmap_header.h"
#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_image_data.h"

namespace surface_test {

// Pixels top-down, Width a row: what references work on.
struct Picture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Pixels;
    std::uint8_t& At(std::int32_t x, std::int32_t y) { return Pixels[std::size_t(y) * Width + x]; }
    std::uint8_t At(std::int32_t x, std::int32_t y) const { return Pixels[std::size_t(y) * Width + x]; }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// Failures show the pixels row by row.
inline void PrintTo(const Picture& p, std::ostream* os) {
    *os << p.Width << " x " << p.Height << "\n";
    for (std::int32_t y = 0; y < p.Height; ++y) {
        for (std::int32_t x = 0; x < p.Width; ++x) *os << ' ' << int(p.At(x, y));
        *os << "\n";
    }
}

class TestSurface {
public:
    TestSurface(std::int32_t width, std::int32_t height, bool shown = false) : Image(std::make_unique<TAC8Image>()) {
        Image->Init("test", static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
        Data = std::make_unique<TAC8ImageData>(*Image, shown ? &SharedBitmapHeader() : nullptr);
    }
    TAC8ImageData& operator*() { return *Data; }
    TAC8ImageData* operator->() { return Data.get(); }

    // The image is declared first, so the surface over its pixels is freed before it.
    std::unique_ptr<TAC8Image> Image;
    std::unique_ptr<TAC8ImageData> Data;
};

inline Picture Read(const TAC8ImageData& s) {
    Picture p{s.Width(), s.Height(), {}};
    p.Pixels.reserve(std::size_t(s.Width()) * s.Height());
    for (std::int32_t y = 0; y < s.Height(); ++y)
        for (std::int32_t x = 0; x < s.Width(); ++x) p.Pixels.push_back(s.GetPixel({x, y}));
    return p;
}

inline void Write(TAC8ImageData& s, const Picture& p) {
    for (std::int32_t y = 0; y < p.Height; ++y)
        for (std::int32_t x = 0; x < p.Width; ++x) *s.StartLine(x, y) = p.At(x, y);
}

// Pixels drawn from `colours` distinct values, so keys and fills meet real runs.
inline Picture RandomPicture(std::mt19937& rng, std::int32_t width, std::int32_t height, int colours) {
    Picture p{width, height, std::vector<std::uint8_t>(std::size_t(width) * height)};
    std::uniform_int_distribution<int> pick(0, colours - 1);
    for (auto& v : p.Pixels) v = static_cast<std::uint8_t>(pick(rng));
    return p;
}

// The surface's damage rectangles, oldest first.
inline std::vector<TRect> DamageOf(const TAC8ImageData& s) {
    std::vector<TRect> rects;
    for (auto* node : NodesOf<TDamageNode>(s.Damage())) rects.push_back(node->Rect);
    return rects;
}

inline void FillRandom(std::mt19937& rng, TAC8ImageData& s, int colours) {
    Write(s, RandomPicture(rng, s.Width(), s.Height(), colours));
}

}  // namespace surface_test
