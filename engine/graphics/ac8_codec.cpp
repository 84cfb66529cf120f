#include "engine/graphics/ac8_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"

// Pictures load on the GUI thread while a room is entered, so decoding is a hot path. The
// decoder keeps its cursors in locals (stores through byte pointers would otherwise force
// them back to memory after every write) and moves spans as whole blocks (64-byte steps for
// runs and copies, 16 bytes for literals) when the strip has room after them: the extra bytes
// land on bytes that are decoded later (the rest of the row, its padding or the rows above
// within the same strip) and are overwritten there. Every read and write stays inside the
// stored bytes and the strip.

namespace {

[[noreturn]] void SourceOverflow() { throw AC8Exception("Decode: source buffer overflow"); }
[[noreturn]] void OutputOverflow() { throw AC8Exception("Decode: output line overflow"); }
[[noreturn]] void InvalidLineCode() { throw AC8Exception("Decode: invalid line code"); }
// A strip's first row has nothing beneath it to copy from.
[[noreturn]] void NoPreviousRow() { throw AC8Exception("Decode: copy from the previous row in a strip's first row"); }

constexpr std::size_t Block = 16;
constexpr std::uint64_t OnesPerByte = 0x0101010101010101ull;
constexpr std::uint64_t HighBits = 0x8080808080808080ull;
// A block move held in registers (one where the processor has the wider ones, two otherwise)
// rather than in a byte array, which the compiler keeps on the stack.
using Bytes32 = std::uint8_t __attribute__((vector_size(32)));

// The strip being written and the stored bytes being read.
struct TBounds {
    const std::uint8_t* SourceEnd;
    const std::uint8_t* StripEnd;
};

// Every run, copy and literal row goes through one move: n bytes copied from src when
// `copy`, else filled with value. src never overlaps [dst, dst + n) (the row beneath lies a
// whole stride lower). When both ends have room after the n bytes the move goes as whole
// 64-byte steps, all loads of a step before its stores: with a stride below 64 the blocks of
// a copy from the row beneath overlap, though the bytes that count never do. A fill still
// loads from src (then dst itself will do), so that a run and a copy are one path without a
// branch between them: which of the two comes next follows no pattern the processor could
// learn.
constexpr std::size_t Step = 64;
using StepBlocks = std::array<Bytes32, Step / sizeof(Bytes32)>;

inline void Move(std::uint8_t* dst, const std::uint8_t* src, const std::uint8_t* srcEnd, bool copy,
                 std::uint8_t value, std::size_t n, const std::uint8_t* stripEnd) {
    if (std::size_t(stripEnd - dst) >= n + Step && std::size_t(srcEnd - src) >= n + Step) {
        const Bytes32 pattern = Bytes32{} + value;
        const std::uint8_t keep = copy ? 0xFF : 0;
        const Bytes32 fromSource = Bytes32{} + keep;
        for (std::size_t i = 0; i < n; i += Step) {
            StepBlocks blocks;
            for (std::size_t k = 0; k < blocks.size(); ++k) {
                std::memcpy(&blocks[k], src + i + k * sizeof(Bytes32), sizeof(Bytes32));
                blocks[k] = (blocks[k] & fromSource) | (pattern & ~fromSource);
            }
            for (std::size_t k = 0; k < blocks.size(); ++k)
                std::memcpy(dst + i + k * sizeof(Bytes32), &blocks[k], sizeof(Bytes32));
        }
    } else if (copy) {
        std::memcpy(dst, src, n);
    } else {
        std::memset(dst, value, n);
    }
}

inline void CopyBytes(std::uint8_t* dst, const std::uint8_t* src, std::size_t n, const std::uint8_t* srcEnd,
                      const std::uint8_t* stripEnd) {
    Move(dst, src, srcEnd, true, 0, n, stripEnd);
}

inline void FillBytes(std::uint8_t* dst, std::uint8_t value, std::size_t n, const std::uint8_t* stripEnd) {
    Move(dst, dst, stripEnd, false, value, n, stripEnd);
}

// Bit 7 of the lowest byte that is zero is exact; higher bits may be false alarms.
inline std::uint64_t ZeroBytes(std::uint64_t x) { return (x - OnesPerByte) & ~x & HighBits; }

// Length of the leading bytes that are neither a nor b, at most `limit`.
inline std::size_t LiteralSpan(const std::uint8_t* p, std::size_t limit, std::uint8_t a, std::uint8_t b) {
    std::size_t n = 0;
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t aBytes = a * OnesPerByte;
        const std::uint64_t bBytes = b * OnesPerByte;
        while (n + 8 <= limit) {
            std::uint64_t x;
            std::memcpy(&x, p + n, 8);
            const std::uint64_t hits = ZeroBytes(x ^ aBytes) | ZeroBytes(x ^ bBytes);
            if (hits != 0) return n + std::countr_zero(hits) / 8;
            n += 8;
        }
    }
    while (n < limit && p[n] != a && p[n] != b) ++n;
    return n;
}

// Copies the literal bytes from p (the first is known to be one) to dst, stopping at an escape,
// after `room` bytes or at the stored bytes' end; returns how many it took. Looking for the
// escapes and copying are one pass of 16-byte blocks: most literal spans end within two.
inline std::size_t CopyLiterals(std::uint8_t* dst, const std::uint8_t* p, std::size_t room, std::uint8_t a,
                                std::uint8_t b, const TBounds& bounds) {
    const std::size_t available = std::size_t(bounds.SourceEnd - p);
    const std::size_t limit = std::min(room, available);
    std::size_t n = 0;
#if defined(__SSE2__)
    const std::size_t blocks = std::min(available, std::size_t(bounds.StripEnd - dst));
    const __m128i as = _mm_set1_epi8(static_cast<char>(a));
    const __m128i bs = _mm_set1_epi8(static_cast<char>(b));
    while (n + Block <= blocks) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + n), v);
        const auto escapes =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, as), _mm_cmpeq_epi8(v, bs))));
        if (escapes != 0) return std::min(n + std::countr_zero(escapes), limit);
        n += Block;
        if (n >= limit) return limit;
    }
#endif
    n += LiteralSpan(p + n, limit - n, a, b);
    std::memcpy(dst, p, n);
    return n;
}

// Escape-coded bytes from dst to the row end; returns the stored position after them.
// `prev` is the row beneath at the same column as dst, or nullptr in a strip's first row.
// When both escapes are the same byte the B meanings apply (writers never choose equal ones).
const std::uint8_t* DecodeEscapedBytes(const std::uint8_t* p, std::uint8_t a, std::uint8_t b, std::uint8_t* dst,
                                       std::uint8_t* const rowEnd, const std::uint8_t* prev, const TBounds& bounds) {
    const std::uint8_t* const end = bounds.SourceEnd;
    // The row beneath at dst's column is always dst - below, when there is such a row.
    const std::ptrdiff_t below = prev != nullptr ? dst - prev : 0;
    while (dst < rowEnd) {
        if (p == end) SourceOverflow();
        std::size_t room = std::size_t(rowEnd - dst);
        std::uint8_t d = *p;
        if (d != a && d != b) {
            const std::size_t n = CopyLiterals(dst, p, room, a, b, bounds);
            p += n;
            dst += n;
            // A literal span ends at the row's end, the stored bytes' end or an escape: go
            // straight on to the escape rather than through the literal test again.
            if (dst == rowEnd || p == end) continue;
            d = *p;
            room = std::size_t(rowEnd - dst);
        }
        if (end - p < 2) SourceOverflow();
        const std::uint8_t x = p[1];
        if (d == a && x >= 2 && d != b) {
            // A run or a copy from the row beneath: both three bytes and one move.
            if (end - p < 3) SourceOverflow();
            const std::uint8_t y = p[2];
            p += 3;
            const bool copy = x == 2;
            if (copy && below == 0) NoPreviousRow();
            // count = x for a run, y for a copy, the rest of the row for a copy of 0; in
            // arithmetic, as the compiler makes a branch of the conditional form.
            const std::size_t copied = y + std::size_t(y == 0) * room;
            const std::size_t count = x + ((copied - x) & (std::size_t{0} - std::size_t(copy)));
            if (count > room) OutputOverflow();
            Move(dst, dst - below, bounds.StripEnd, copy, y, count, bounds.StripEnd);
            dst += count;
            continue;
        }
        p += 2;
        // B escapes, and A followed by 0 or 1: short runs of the escape bytes themselves.
        std::size_t count;
        std::uint8_t value;
        if (d == b) {
            value = x == a ? b : x;
            count = x == a ? 1 : x == b ? 2 : 3;
        } else {
            value = a;
            count = x + 1u;
        }
        if (count > room) OutputOverflow();
        FillBytes(dst, value, count, bounds.StripEnd);
        dst += count;
    }
    return p;
}

// A byte loop here is not vectorised at the optimisation level the game is built with, and
// was four tenths of the decoding time of the game's library: eight bytes a step instead.
inline void XorWithRowBeneath(std::uint8_t* row, const std::uint8_t* prev, std::size_t width) {
    std::size_t i = 0;
    for (; i + 8 <= width; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, row + i, 8);
        std::memcpy(&y, prev + i, 8);
        x ^= y;
        std::memcpy(row + i, &x, 8);
    }
    for (; i < width; ++i) row[i] ^= prev[i];
}

const std::uint8_t* DecodeLineCodedRow(const std::uint8_t* p, std::uint8_t a, std::uint8_t b, bool raw,
                                       std::uint8_t* const row, std::uint8_t* const rowEnd, const std::uint8_t* prevRow,
                                       const TBounds& bounds) {
    const std::uint8_t* const end = bounds.SourceEnd;
    std::uint8_t* dst = row;
    for (;;) {
        if (p == end) SourceOverflow();
        const std::uint8_t code = raw ? 0 : *p++;
        if (prevRow == nullptr && (code == 2 || code >= 7)) InvalidLineCode();
        const std::size_t col = std::size_t(dst - row);
        const std::size_t rest = std::size_t(rowEnd - dst);
        const std::uint8_t* prev = prevRow != nullptr ? prevRow + col : nullptr;
        switch (code) {
            case 0:
                if (std::size_t(end - p) < rest) SourceOverflow();
                CopyBytes(dst, p, rest, end, bounds.StripEnd);
                return p + rest;
            case 1:
            case 3:
            case 4:
            case 5:
                return DecodeEscapedBytes(p, a, b, dst, rowEnd, prev, bounds);
            case 2:
                p = DecodeEscapedBytes(p, a, b, dst, rowEnd, prev, bounds);
                XorWithRowBeneath(row, prevRow, std::size_t(rowEnd - row));
                return p;
            case 6:
                if (p == end) SourceOverflow();
                FillBytes(dst, *p, rest, bounds.StripEnd);
                return p + 1;
            case 7:
                CopyBytes(dst, prev, rest, bounds.StripEnd, bounds.StripEnd);
                return p;
            default:
                // A prefix copied from the row beneath; another line code follows for the rest.
                if (code > rest) OutputOverflow();
                CopyBytes(dst, prev, code, bounds.StripEnd, bounds.StripEnd);
                dst += code;
                break;
        }
    }
}

// One run stream across the whole strip; a run may continue into the next row. A byte
// equal to B is a literal here: only A escapes in run streams.
void DecodeRunStream(const std::uint8_t* p, std::uint8_t a, const TAC8StripLayout& layout, std::uint8_t* out,
                     const TBounds& bounds) {
    const std::uint8_t* const end = bounds.SourceEnd;
    std::size_t pending = 0;
    std::uint8_t value = 0;
    for (std::uint32_t i = 0; i < layout.Rows; ++i) {
        std::uint8_t* dst = out + std::size_t(i) * layout.RowStride;
        std::uint8_t* const rowEnd = dst + layout.Width;
        while (dst < rowEnd) {
            const std::size_t room = std::size_t(rowEnd - dst);
            if (pending > 0) {
                const std::size_t n = std::min(pending, room);
                FillBytes(dst, value, n, bounds.StripEnd);
                pending -= n;
                dst += n;
                continue;
            }
            const std::size_t n = LiteralSpan(p, std::min(room, std::size_t(end - p)), a, a);
            if (n > 0) {
                CopyBytes(dst, p, n, end, bounds.StripEnd);
                p += n;
                dst += n;
                continue;
            }
            if (end - p < 2) SourceOverflow();
            const std::uint8_t count = p[1];
            p += 2;
            if (count <= 1) {
                pending = count + 1u;
                value = a;
            } else {
                if (p == end) SourceOverflow();
                pending = count;
                value = *p++;
            }
        }
    }
    // A run still pending at the strip's end is dropped.
}

// Padding is 1 to 3 bytes: stored one by one, not through a library call per row.
void ClearPadding(const TAC8StripLayout& layout, std::uint8_t* out) {
    const std::uint32_t padding = layout.RowStride - layout.Width;
    if (padding == 0) return;
    for (std::uint32_t i = 0; i < layout.Rows; ++i) {
        std::uint8_t* const pad = out + std::size_t(i) * layout.RowStride + layout.Width;
        pad[0] = 0;
        if (padding > 1) pad[1] = 0;
        if (padding > 2) pad[2] = 0;
    }
}

// Every strip goes through here; the two builds below take it in whole.
inline __attribute__((always_inline)) void DecodeStrip(std::span<const std::uint8_t> stored, std::uint8_t escapeA,
                                                       std::uint8_t escapeB, std::uint8_t flags,
                                                       const TAC8StripLayout& layout, std::uint8_t* out) {
    const TBounds bounds{stored.data() + stored.size(), out + std::size_t(layout.Rows) * layout.RowStride};
    if ((flags & AC8FlagRunStream) != 0) {
        DecodeRunStream(stored.data(), escapeA, layout, out, bounds);
    } else {
        const bool raw = (flags & AC8FlagRawRows) != 0;
        const std::uint8_t* p = stored.data();
        for (std::uint32_t i = 0; i < layout.Rows; ++i) {
            std::uint8_t* row = out + std::size_t(i) * layout.RowStride;
            p = DecodeLineCodedRow(p, escapeA, escapeB, raw, row, row + layout.Width,
                                   i == 0 ? nullptr : row - layout.RowStride, bounds);
        }
    }
    ClearPadding(layout, out);
}

// Built twice, and chosen by what the processor offers: the 32-byte block moves are single
// instructions where it has the wider registers. Everything they call is taken in, so the
// helpers are built for both as well. The choice is made here rather than by the compilers'
// clone attribute, which not every compiler the project builds with resolves across files.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"), flatten)) void DecodeStripWide(std::span<const std::uint8_t> stored,
                                                               std::uint8_t escapeA, std::uint8_t escapeB,
                                                               std::uint8_t flags, const TAC8StripLayout& layout,
                                                               std::uint8_t* out) {
    DecodeStrip(stored, escapeA, escapeB, flags, layout, out);
}
#endif

__attribute__((flatten)) void DecodeStripNarrow(std::span<const std::uint8_t> stored, std::uint8_t escapeA,
                                                std::uint8_t escapeB, std::uint8_t flags,
                                                const TAC8StripLayout& layout, std::uint8_t* out) {
    DecodeStrip(stored, escapeA, escapeB, flags, layout, out);
}

}  // namespace

void DecodeSegment(std::span<const std::uint8_t> stored, std::uint8_t escapeA, std::uint8_t escapeB,
                   std::uint8_t flags, const TAC8StripLayout& layout, std::uint8_t* out) {
#if defined(__x86_64__) || defined(__i386__)
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide) return DecodeStripWide(stored, escapeA, escapeB, flags, layout, out);
#endif
    DecodeStripNarrow(stored, escapeA, escapeB, flags, layout, out);
}
