#pragma once
// Row kernels of the drawing surface: the copies every blit ends in and the run searches of
// the flood fill. They work on whole machine words where they can, because a room
// background is 160 KB that is copied or filled in one tick.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace pixel_rows {

using Bytes16 = std::uint8_t __attribute__((vector_size(16)));

inline void Copy(std::uint8_t* dst, const std::uint8_t* src, std::size_t n) { std::memcpy(dst, src, n); }

// Copies n pixels, leaving the destination where the source holds `key`.
inline void CopyKeyed(std::uint8_t* dst, const std::uint8_t* src, std::size_t n, std::uint8_t key) {
    std::size_t i = 0;
    const Bytes16 keys = Bytes16{} + key;
    for (; i + 16 <= n; i += 16) {
        Bytes16 s, d;
        std::memcpy(&s, src + i, 16);
        std::memcpy(&d, dst + i, 16);
        const auto keep = reinterpret_cast<Bytes16>(s == keys);  // 0xFF where transparent
        const Bytes16 r = (s & ~keep) | (d & keep);
        std::memcpy(dst + i, &r, 16);
    }
    for (; i < n; ++i)
        if (src[i] != key) dst[i] = src[i];
}

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

// First index in [from, to) whose pixel is `value`; `to` when there is none.
inline std::int32_t FindFirst(const std::uint8_t* row, std::int32_t from, std::int32_t to, std::uint8_t value) {
    if (from >= to) return to;
    const void* hit = std::memchr(row + from, value, static_cast<std::size_t>(to - from));
    return hit == nullptr ? to : static_cast<std::int32_t>(static_cast<const std::uint8_t*>(hit) - row);
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
