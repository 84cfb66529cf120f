#pragma once
// The flood fill's run kernels on 32 and 64 pixels a step, for processors with the wider
// registers. They are built for those registers whatever the rest of the program is built
// for, so they may only run where the processor has them (see ProcessorHasWideRows).
#include <algorithm>

#include "engine/graphics/pixel_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZORVIK_WIDE_ROWS 1
#endif

namespace pixel_rows {

// Where a run filled by FillRunAndLook ended, and how far past it the blocks it read already
// show no pixel of the run's colour.
struct TRunEnd {
    std::int32_t End;   // the index after the run
    std::int32_t Next;  // no pixel of the colour in [End, Next); Next holds it or was not read
};

#if defined(ZORVIK_WIDE_ROWS)
inline bool ProcessorHasWideRows() {
    static const bool wide = __builtin_cpu_supports("avx2");
    return wide;
}

// Lanes 0..31 of a block, to pick lanes by position.
#define ZORVIK_LANE_NUMBERS                                                                                      \
    _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, \
                     26, 27, 28, 29, 30, 31)

// Bit i set where lane i of the block holds `value`.
__attribute__((target("avx2"))) inline std::uint32_t LanesHolding(__m256i v, __m256i values) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, values)));
}

// As FillRun. A run that reaches the last 32 pixels before the limit ends in the block that
// ends at the limit. That block is read before anything is stored, and stored whole: its
// lanes below the run's end are all in the run (the block starts at or after `from`), its
// lanes from there on keep what was read. So the row end costs one store and no pixel loop,
// and no read waits on a store it overlaps.
// Also tells where the next run of the colour may start, from the pixels already read: a
// search from the run's end would read the block just stored, and a read that only partly
// overlaps a store waits until that store is done.
__attribute__((target("avx2"))) inline TRunEnd FillRunAndLook(std::uint8_t* row, std::int32_t from,
                                                              std::int32_t limit, std::uint8_t target,
                                                              std::uint8_t colour) {
    const __m256i targets = _mm256_set1_epi8(static_cast<char>(target));
    const __m256i colours = _mm256_set1_epi8(static_cast<char>(colour));
    // The first pixel of the colour past the run's end in the window read [base, base + width),
    // or the window's end; `same` has bit i set where pixel base + i holds the colour.
    const auto nextIn = [](std::uint64_t same, std::int32_t base, int end, std::int32_t width) {
        return std::min(base + end + std::countr_zero(same >> end), base + width);
    };
    if (limit - from < 32) {
        if (limit < 32 || from >= limit) {
            const std::int32_t end = FillRun(row, from, limit, target, colour);
            return {end, end};
        }
        // The block that ends at the limit starts before `from`: its lanes below `from` keep
        // their pixels.
        auto* p = reinterpret_cast<__m256i*>(row + limit - 32);
        const __m256i v = _mm256_loadu_si256(p);
        const int first = from - (limit - 32);
        const std::uint32_t same = LanesHolding(v, targets);
        const int n = std::countr_one(same >> first);
        const __m256i lanes = ZORVIK_LANE_NUMBERS;
        const __m256i before = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(first)), lanes);
        const __m256i upToEnd = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(first + n)), lanes);
        const __m256i chosen = _mm256_andnot_si256(before, upToEnd);
        _mm256_storeu_si256(p, _mm256_blendv_epi8(v, colours, chosen));
        return {from + n, nextIn(same, limit - 32, first + n, 32)};
    }
    auto* last = reinterpret_cast<__m256i*>(row + limit - 32);
    const __m256i lastBlock = _mm256_loadu_si256(last);
    std::int32_t i = from;
    const __m256i lanes = ZORVIK_LANE_NUMBERS;
    for (; i + 64 <= limit; i += 64) {
        auto* p = reinterpret_cast<__m256i*>(row + i);
        const __m256i a = _mm256_loadu_si256(p);
        const __m256i b = _mm256_loadu_si256(p + 1);
        const std::uint64_t same = LanesHolding(a, targets) | std::uint64_t{LanesHolding(b, targets)} << 32;
        if (same != ~std::uint64_t{0}) {
            // The run ends in these 64 pixels: both blocks are stored, each with the lanes
            // below the run's end coloured, without a branch on which block it ends in.
            const int n = std::countr_one(same);
            const __m256i headA = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(std::min(n, 32))), lanes);
            const __m256i headB = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(std::max(n - 32, 0))), lanes);
            _mm256_storeu_si256(p, _mm256_blendv_epi8(a, colours, headA));
            _mm256_storeu_si256(p + 1, _mm256_blendv_epi8(b, colours, headB));
            return {i + n, nextIn(same, i, n, 64)};
        }
        _mm256_storeu_si256(p, colours);
        _mm256_storeu_si256(p + 1, colours);
    }
    for (; i + 32 <= limit; i += 32) {
        auto* p = reinterpret_cast<__m256i*>(row + i);
        const __m256i v = _mm256_loadu_si256(p);
        const std::uint32_t same = LanesHolding(v, targets);
        if (same != 0xFFFFFFFFu) {
            const int n = std::countr_one(same);
            // The first n pixels take the colour, the others keep theirs: one store.
            const __m256i head = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(n)), lanes);
            _mm256_storeu_si256(p, _mm256_blendv_epi8(v, colours, head));
            return {i + n, nextIn(same, i, n, 32)};
        }
        _mm256_storeu_si256(p, colours);
    }
    if (i == limit) return {i, i};
    const int first = i - (limit - 32);
    const std::uint32_t same = LanesHolding(lastBlock, targets);
    const int end = first + std::countr_one(same >> first);
    const __m256i head = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(end)), lanes);
    _mm256_storeu_si256(last, _mm256_blendv_epi8(lastBlock, colours, head));
    return {limit - 32 + end, nextIn(same, limit - 32, end, 32)};
}

__attribute__((target("avx2"))) inline std::int32_t FillRunWide(std::uint8_t* row, std::int32_t from,
                                                               std::int32_t limit, std::uint8_t target,
                                                               std::uint8_t colour) {
    return FillRunAndLook(row, from, limit, target, colour).End;
}

// The first address after p on a 32-byte boundary (p + 32 when p is on one). Between an
// unaligned first and last block, the blocks of a span go on boundaries, where none of them
// straddles two cache lines.
template <typename T>
T* AlignedAfter(T* p) {
    return p + (32 - (reinterpret_cast<std::uintptr_t>(p) & 31));
}

// Lanes of the 32 pixels at p that hold the pattern's value.
__attribute__((target("avx2"))) inline __m256i BlockHolds(const std::uint8_t* p, __m256i values) {
    return _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), values);
}

// Whether every pixel in [from, to) is `value`, for spans of 16 pixels or more. Every block
// is read before the answer: no branch waits on a block, and the loop runs a count known
// from the span. Nothing outside the span is read.
__attribute__((target("avx2"))) inline bool SpanHoldsWide(const std::uint8_t* row, std::int32_t from,
                                                         std::int32_t to, std::uint8_t value) {
    if (to - from < 32) {
        const __m128i values = _mm_set1_epi8(static_cast<char>(value));
        const __m128i head = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + from)), values);
        const __m128i tail = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + to - 16)), values);
        return _mm_movemask_epi8(_mm_and_si128(head, tail)) == 0xFFFF;
    }
    const __m256i values = _mm256_set1_epi8(static_cast<char>(value));
    __m256i all = _mm256_and_si256(BlockHolds(row + from, values), BlockHolds(row + to - 32, values));
    for (const std::uint8_t* p = AlignedAfter(row + from); p < row + to - 32; p += 32)
        all = _mm256_and_si256(all, _mm256_cmpeq_epi8(_mm256_load_si256(reinterpret_cast<const __m256i*>(p)), values));
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(all)) == 0xFFFFFFFFu;
}

// memset of [from, to) for spans of 16 pixels or more, without a call: the first and last
// blocks are stored where the span starts and ends, the ones between them on boundaries.
__attribute__((target("avx2"))) inline void FillSpanWide(std::uint8_t* row, std::int32_t from, std::int32_t to,
                                                        std::uint8_t colour) {
    if (to - from < 32) {
        const __m128i colours = _mm_set1_epi8(static_cast<char>(colour));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + from), colours);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + to - 16), colours);
        return;
    }
    const __m256i colours = _mm256_set1_epi8(static_cast<char>(colour));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + from), colours);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + to - 32), colours);
    auto* const end = row + to - 32;
    for (std::uint8_t* p = AlignedAfter(row + from); p < end; p += 32)
        _mm256_store_si256(reinterpret_cast<__m256i*>(p), colours);
}

// As FindFirst; the pixels from `from` up to `readable` may be read whatever `to` is, so the
// last block is read whole and its lanes from `to` on are masked off.
__attribute__((target("avx2"))) inline std::int32_t FindFirstWide(const std::uint8_t* row, std::int32_t from,
                                                                 std::int32_t to, std::int32_t readable,
                                                                 std::uint8_t value) {
    std::int32_t i = from;
    const __m256i values = _mm256_set1_epi8(static_cast<char>(value));
    for (; i < to; i += 32) {
        if (i + 32 > readable) return FindFirst(row, i, to, value);
        std::uint32_t hits = LanesHolding(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + i)), values);
        if (to - i < 32) hits &= (1u << (to - i)) - 1;
        if (hits != 0) return i + std::countr_zero(hits);
    }
    return to;
}
#undef ZORVIK_LANE_NUMBERS
#endif

}  // namespace pixel_rows
