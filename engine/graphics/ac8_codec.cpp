#include "engine/graphics/ac8_codec.h"

#include <algorithm>
#include <cstring>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"

namespace {

[[noreturn]] void SourceOverflow() { throw AC8Exception("Decode: source buffer overflow"); }
[[noreturn]] void OutputOverflow() { throw AC8Exception("Decode: output line overflow"); }
[[noreturn]] void InvalidLineCode() { throw AC8Exception("Decode: invalid line code"); }
// A strip's first row has nothing beneath it to copy from.
[[noreturn]] void NoPreviousRow() { throw AC8Exception("Decode: copy from the previous row in a strip's first row"); }

// Stored bytes still to be read; every read is checked against the end.
struct TSource {
    const std::uint8_t* P;
    const std::uint8_t* End;

    std::uint8_t Next() {
        if (P == End) SourceOverflow();
        return *P++;
    }
    std::size_t Left() const { return static_cast<std::size_t>(End - P); }
};

// One row being filled; nothing is written past Width.
struct TRowOut {
    std::uint8_t* Row;
    const std::uint8_t* Prev;  // the row beneath, or nullptr in a strip's first row
    std::uint32_t Col;
    std::uint32_t Width;

    void Fill(std::uint8_t value, std::uint32_t count) {
        if (count > Width - Col) OutputOverflow();
        std::memset(Row + Col, value, count);
        Col += count;
    }
    void CopyFromPrevious(std::uint32_t count) {
        if (Prev == nullptr) NoPreviousRow();
        if (count > Width - Col) OutputOverflow();
        std::memcpy(Row + Col, Prev + Col, count);
        Col += count;
    }
};

// Length of the leading bytes that are neither a nor b, at most `limit`.
std::size_t LiteralSpan(const std::uint8_t* p, std::size_t limit, std::uint8_t a, std::uint8_t b) {
    std::size_t n = 0;
    while (n < limit && p[n] != a && p[n] != b) ++n;
    return n;
}

// Escape-coded bytes until the row is full. When both escapes are the same byte the B
// meanings apply (writers never choose equal escapes).
void DecodeEscapedBytes(TSource& src, std::uint8_t a, std::uint8_t b, TRowOut& out) {
    while (out.Col < out.Width) {
        const std::size_t n = LiteralSpan(src.P, std::min<std::size_t>(out.Width - out.Col, src.Left()), a, b);
        if (n > 0) {
            std::memcpy(out.Row + out.Col, src.P, n);
            src.P += n;
            out.Col += static_cast<std::uint32_t>(n);
            continue;
        }
        const std::uint8_t d = src.Next();
        const std::uint8_t x = src.Next();
        if (d == b) {
            if (x == a)
                out.Fill(b, 1);
            else if (x == b)
                out.Fill(b, 2);
            else
                out.Fill(x, 3);
        } else if (x == 0) {
            out.Fill(a, 1);
        } else if (x == 1) {
            out.Fill(a, 2);
        } else if (x == 2) {
            const std::uint8_t m = src.Next();
            out.CopyFromPrevious(m == 0 ? out.Width - out.Col : m);
        } else {
            const std::uint8_t value = src.Next();
            out.Fill(value, x);
        }
    }
}

void DecodeLineCodedRow(TSource& src, std::uint8_t a, std::uint8_t b, bool raw, TRowOut& out) {
    for (;;) {
        if (src.P == src.End) SourceOverflow();
        const std::uint8_t code = raw ? 0 : *src.P++;
        if (out.Prev == nullptr && (code == 2 || code >= 7)) InvalidLineCode();
        switch (code) {
            case 0: {
                const std::uint32_t rest = out.Width - out.Col;
                if (src.Left() < rest) SourceOverflow();
                std::memcpy(out.Row + out.Col, src.P, rest);
                src.P += rest;
                out.Col = out.Width;
                return;
            }
            case 1:
            case 3:
            case 4:
            case 5:
                DecodeEscapedBytes(src, a, b, out);
                return;
            case 2:
                DecodeEscapedBytes(src, a, b, out);
                for (std::uint32_t i = 0; i < out.Width; ++i) out.Row[i] ^= out.Prev[i];
                return;
            case 6:
                out.Fill(src.Next(), out.Width - out.Col);
                return;
            case 7:
                out.CopyFromPrevious(out.Width - out.Col);
                return;
            default:
                // A prefix copied from the row beneath; another line code follows for the rest.
                out.CopyFromPrevious(code);
                break;
        }
    }
}

void DecodeLineCodedRows(TSource& src, std::uint8_t a, std::uint8_t b, bool raw, const TAC8StripLayout& layout,
                         std::uint8_t* out) {
    for (std::uint32_t i = 0; i < layout.Rows; ++i) {
        std::uint8_t* row = out + std::size_t(i) * layout.RowStride;
        TRowOut rowOut{row, i == 0 ? nullptr : row - layout.RowStride, 0, layout.Width};
        DecodeLineCodedRow(src, a, b, raw, rowOut);
    }
}

// One run stream across the whole strip; a run may continue into the next row. A byte
// equal to B is a literal here: only A escapes in run streams.
void DecodeRunStream(TSource& src, std::uint8_t a, const TAC8StripLayout& layout, std::uint8_t* out) {
    std::uint32_t pending = 0;
    std::uint8_t value = 0;
    for (std::uint32_t i = 0; i < layout.Rows; ++i) {
        std::uint8_t* row = out + std::size_t(i) * layout.RowStride;
        std::uint32_t col = 0;
        while (col < layout.Width) {
            if (pending > 0) {
                const std::uint32_t n = std::min(pending, layout.Width - col);
                std::memset(row + col, value, n);
                pending -= n;
                col += n;
                continue;
            }
            const std::size_t n = LiteralSpan(src.P, std::min<std::size_t>(layout.Width - col, src.Left()), a, a);
            if (n > 0) {
                std::memcpy(row + col, src.P, n);
                src.P += n;
                col += static_cast<std::uint32_t>(n);
                continue;
            }
            src.Next();  // the escape A
            const std::uint8_t count = src.Next();
            if (count == 0) {
                pending = 1;
                value = a;
            } else if (count == 1) {
                pending = 2;
                value = a;
            } else {
                pending = count;
                value = src.Next();
            }
        }
    }
    // A run still pending at the strip's end is dropped.
}

void ClearPadding(const TAC8StripLayout& layout, std::uint8_t* out) {
    if (layout.RowStride == layout.Width) return;
    for (std::uint32_t i = 0; i < layout.Rows; ++i)
        std::memset(out + std::size_t(i) * layout.RowStride + layout.Width, 0, layout.RowStride - layout.Width);
}

}  // namespace

void DecodeSegment(std::span<const std::uint8_t> stored, std::uint8_t escapeA, std::uint8_t escapeB,
                   std::uint8_t flags, const TAC8StripLayout& layout, std::uint8_t* out) {
    TSource src{stored.data(), stored.data() + stored.size()};
    if ((flags & AC8FlagRunStream) != 0)
        DecodeRunStream(src, escapeA, layout, out);
    else
        DecodeLineCodedRows(src, escapeA, escapeB, (flags & AC8FlagRawRows) != 0, layout, out);
    ClearPadding(layout, out);
}
