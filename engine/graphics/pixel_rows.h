#pragma once
// Row kernels of the drawing surface: the copies every blit ends in and the run searches of
// the flood fill. They work on whole machine words where they can, because a room
// background is 160 KB that is copied or filled in one tick.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pixel_rows {

inline void Copy(std::uint8_t* dst, const std::uint8_t* src, std::size_t n) { std::memcpy(dst, src, n); }

// Copies n pixels, leaving the destination where the source holds `key`. Branch-free on
// 32 pixels a step; built for the wider registers too and chosen when the program starts.
void CopyKeyed(std::uint8_t* dst, const std::uint8_t* src, std::size_t n, std::uint8_t key);

// dst[i] = src[n - 1 - i]: the row mirrored left to right.
inline void CopyMirrored(std::uint8_t* dst, const std::uint8_t* src, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) dst[i] = src[n - 1 - i];
}

inline void CopyMirroredKeyed(std::uint8_t* dst, const std::uint8_t* src, std::size_t n, std::uint8_t key) {
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t v = src[n - 1 - i];
        if (v != key) dst[i] = v;
    }
}

inline constexpr std::uint64_t EveryByte = 0x0101010101010101ull;
inline constexpr bool WordSearch = std::endian::native == std::endian::little;

// First index in [from, to) whose pixel is not `value`; `to` when there is none.
inline std::int32_t FindFirstNot(const std::uint8_t* row, std::int32_t from, std::int32_t to, std::uint8_t value) {
    std::int32_t i = from;
    if constexpr (WordSearch) {
        const std::uint64_t pattern = EveryByte * value;
        for (; i + 8 <= to; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, row + i, 8);
            const std::uint64_t diff = word ^ pattern;
            if (diff != 0) return i + std::countr_zero(diff) / 8;
        }
    }
    for (; i < to; ++i)
        if (row[i] != value) return i;
    return to;
}

// Turns the run of `target` that starts at `from` into `colour`, stopping at `limit`;
// returns the index after the run. One pass reads and writes each pixel once.
inline std::int32_t FillRun(std::uint8_t* row, std::int32_t from, std::int32_t limit, std::uint8_t target,
                            std::uint8_t colour) {
    std::int32_t i = from;
#if defined(__SSE2__)
    const __m128i targets = _mm_set1_epi8(static_cast<char>(target));
    const __m128i colours = _mm_set1_epi8(static_cast<char>(colour));
    // Long runs (a colouring page's sky, a wall) go 64 pixels a step: one test for four
    // blocks keeps the loop short enough for the registers to hold both patterns.
    for (; i + 64 <= limit; i += 64) {
        const auto* p = reinterpret_cast<const __m128i*>(row + i);
        const __m128i a = _mm_cmpeq_epi8(_mm_loadu_si128(p), targets);
        const __m128i b = _mm_cmpeq_epi8(_mm_loadu_si128(p + 1), targets);
        const __m128i c = _mm_cmpeq_epi8(_mm_loadu_si128(p + 2), targets);
        const __m128i d = _mm_cmpeq_epi8(_mm_loadu_si128(p + 3), targets);
        if (_mm_movemask_epi8(_mm_and_si128(_mm_and_si128(a, b), _mm_and_si128(c, d))) != 0xFFFF) break;
        auto* q = reinterpret_cast<__m128i*>(row + i);
        _mm_storeu_si128(q, colours);
        _mm_storeu_si128(q + 1, colours);
        _mm_storeu_si128(q + 2, colours);
        _mm_storeu_si128(q + 3, colours);
    }
    for (; i + 16 <= limit; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        const auto same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, targets)));
        if (same != 0xFFFFu) {
            const int n = std::countr_zero(~same);
            // The first n pixels take the colour, the others keep theirs: one store.
            const __m128i lanes = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
            const __m128i head = _mm_cmplt_epi8(lanes, _mm_set1_epi8(static_cast<char>(n)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i),
                             _mm_or_si128(_mm_and_si128(head, colours), _mm_andnot_si128(head, v)));
            return i + n;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), colours);
    }
#endif
    for (; i < limit && row[i] == target; ++i) row[i] = colour;
    return i;
}

// First index in [from, to) whose pixel is `value`; `to` when there is none. Inline rather
// than memchr: the flood fill calls it once per span, mostly over a few pixels.
inline std::int32_t FindFirst(const std::uint8_t* row, std::int32_t from, std::int32_t to, std::uint8_t value) {
    std::int32_t i = from;
#if defined(__SSE2__)
    const __m128i values = _mm_set1_epi8(static_cast<char>(value));
    for (; i + 16 <= to; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        const auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, values)));
        if (hits != 0) return i + std::countr_zero(hits);
    }
#endif
    for (; i < to; ++i)
        if (row[i] == value) return i;
    return to;
}

// Start of the run of `value` that ends at index end - 1, not below `limit`.
inline std::int32_t RunStart(const std::uint8_t* row, std::int32_t end, std::int32_t limit, std::uint8_t value) {
    std::int32_t i = end;
    if constexpr (WordSearch) {
        const std::uint64_t pattern = EveryByte * value;
        for (; i - 8 >= limit; i -= 8) {
            std::uint64_t word;
            std::memcpy(&word, row + i - 8, 8);
            const std::uint64_t diff = word ^ pattern;
            if (diff != 0) return i - 8 + (63 - std::countl_zero(diff)) / 8 + 1;
        }
    }
    while (i > limit && row[i - 1] == value) --i;
    return i;
}

}  // namespace pixel_rows
