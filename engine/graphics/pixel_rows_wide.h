#pragma once
// The flood fill's run kernels on 32 pixels a step, for processors with the wider registers.
// They are built for those registers whatever the rest of the program is built for, so they
// may only run where the processor has them (see ProcessorHasWideRows).
#include "engine/graphics/pixel_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZORVIK_WIDE_ROWS 1
#endif

namespace pixel_rows {

#if defined(ZORVIK_WIDE_ROWS)
inline bool ProcessorHasWideRows() {
    static const bool wide = __builtin_cpu_supports("avx2");
    return wide;
}

// As FillRun.
__attribute__((target("avx2"))) inline std::int32_t FillRunWide(std::uint8_t* row, std::int32_t from,
                                                               std::int32_t limit, std::uint8_t target,
                                                               std::uint8_t colour) {
    std::int32_t i = from;
    const __m256i targets = _mm256_set1_epi8(static_cast<char>(target));
    const __m256i colours = _mm256_set1_epi8(static_cast<char>(colour));
    for (; i + 64 <= limit; i += 64) {
        auto* p = reinterpret_cast<__m256i*>(row + i);
        const __m256i a = _mm256_cmpeq_epi8(_mm256_loadu_si256(p), targets);
        const __m256i b = _mm256_cmpeq_epi8(_mm256_loadu_si256(p + 1), targets);
        if (_mm256_movemask_epi8(_mm256_and_si256(a, b)) != -1) break;
        _mm256_storeu_si256(p, colours);
        _mm256_storeu_si256(p + 1, colours);
    }
    for (; i + 32 <= limit; i += 32) {
        auto* p = reinterpret_cast<__m256i*>(row + i);
        const __m256i v = _mm256_loadu_si256(p);
        const auto same = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, targets)));
        if (same != 0xFFFFFFFFu) {
            const int n = std::countr_zero(~same);
            // The first n pixels take the colour, the others keep theirs: one store.
            const __m256i lanes = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,
                                                   19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
            const __m256i head = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(n)), lanes);
            _mm256_storeu_si256(p, _mm256_blendv_epi8(v, colours, head));
            return i + n;
        }
        _mm256_storeu_si256(p, colours);
    }
    return FillRun(row, i, limit, target, colour);
}

// As FindFirst.
__attribute__((target("avx2"))) inline std::int32_t FindFirstWide(const std::uint8_t* row, std::int32_t from,
                                                                 std::int32_t to, std::uint8_t value) {
    std::int32_t i = from;
    const __m256i values = _mm256_set1_epi8(static_cast<char>(value));
    for (; i + 32 <= to; i += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + i));
        const auto hits = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, values)));
        if (hits != 0) return i + std::countr_zero(hits);
    }
    return FindFirst(row, i, to, value);
}
#endif

}  // namespace pixel_rows
