#pragma once
// A strip decoder written for plainness, not speed: one byte at a time, every bound checked
// where it is met. The game's decoder moves whole blocks and skips checks it can prove, so
// the tests hold it against this one: same pixels, or the same message.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/graphics/ac8_image.h"

namespace plain_strip {

using Bytes = std::vector<std::uint8_t>;

struct TResult {
    Bytes Rows;         // Rows x RowStride bytes, the strip's bottom row first
    std::string Error;  // the message when decoding fails; Rows is then meaningless
};

class TDecoder {
public:
    TDecoder(const Bytes& stored, std::uint8_t a, std::uint8_t b, std::uint32_t width, std::uint32_t rows,
             std::uint32_t stride)
        : FIn(stored), FA(a), FB(b), FWidth(width), FRows(rows), FStride(stride), FOut(std::size_t(rows) * stride, 0) {}

    TResult Run(std::uint8_t flags) {
        try {
            if ((flags & AC8FlagRunStream) != 0) {
                RunStream();
            } else {
                for (FRow = 0; FRow < FRows; ++FRow) LineCodedRow((flags & AC8FlagRawRows) != 0);
            }
        } catch (const std::string& message) {
            return {{}, message};
        }
        return {FOut, {}};
    }

private:
    std::uint8_t Next() {
        if (FPos >= FIn.size()) throw std::string("Decode: source buffer overflow");
        return FIn[FPos++];
    }
    std::uint8_t& At(std::uint32_t row, std::uint32_t x) { return FOut[std::size_t(row) * FStride + x]; }
    void Put(std::uint8_t v) {
        if (FX >= FWidth) throw std::string("Decode: output line overflow");
        At(FRow, FX++) = v;
    }
    // A run or copy is checked whole before any byte of it is written.
    void Room(std::uint32_t n) {
        if (n > FWidth - FX) throw std::string("Decode: output line overflow");
    }
    void CopyFromBeneath(std::uint32_t n) {
        Room(n);
        for (std::uint32_t i = 0; i < n; ++i, ++FX) At(FRow, FX) = At(FRow - 1, FX);
    }

    void LineCodedRow(bool raw) {
        FX = 0;
        for (;;) {
            if (FPos >= FIn.size()) throw std::string("Decode: source buffer overflow");
            const std::uint8_t code = raw ? 0 : Next();
            if (FRow == 0 && (code == 2 || code >= 7)) throw std::string("Decode: invalid line code");
            switch (code) {
                case 0:
                    if (FIn.size() - FPos < FWidth - FX) throw std::string("Decode: source buffer overflow");
                    while (FX < FWidth) Put(Next());
                    return;
                case 1: case 3: case 4: case 5:
                    Escaped();
                    return;
                case 2:
                    Escaped();
                    for (std::uint32_t x = 0; x < FWidth; ++x) At(FRow, x) ^= At(FRow - 1, x);
                    return;
                case 6: {
                    const std::uint8_t v = Next();
                    while (FX < FWidth) Put(v);
                    return;
                }
                case 7:
                    CopyFromBeneath(FWidth - FX);
                    return;
                default:
                    CopyFromBeneath(code);
                    break;
            }
        }
    }

    void Run(std::uint32_t n, std::uint8_t v) {
        Room(n);
        for (std::uint32_t i = 0; i < n; ++i) Put(v);
    }

    void Escaped() {
        while (FX < FWidth) {
            const std::uint8_t d = Next();
            if (d != FA && d != FB) {
                Put(d);
                continue;
            }
            if (FPos >= FIn.size()) throw std::string("Decode: source buffer overflow");
            const std::uint8_t x = Next();
            if (d == FB) {
                if (x == FA) Run(1, FB);
                else if (x == FB) Run(2, FB);
                else Run(3, x);
            } else if (x >= 3) {
                Run(x, Next());
            } else if (x == 2) {
                const std::uint8_t m = Next();
                if (FRow == 0) throw std::string("Decode: copy from the previous row in a strip's first row");
                CopyFromBeneath(m == 0 ? FWidth - FX : m);
            } else {
                Run(x + 1u, FA);
            }
        }
    }

    // Only A escapes; a run left over at a row's end goes on into the next row.
    void RunStream() {
        std::uint32_t pending = 0;
        std::uint8_t value = 0;
        for (FRow = 0; FRow < FRows; ++FRow) {
            for (FX = 0; FX < FWidth;) {
                if (pending > 0) {
                    --pending;
                    Put(value);
                    continue;
                }
                const std::uint8_t d = Next();
                if (d != FA) {
                    Put(d);
                    continue;
                }
                const std::uint8_t n = Next();
                value = n <= 1 ? FA : Next();
                pending = n <= 1 ? n + 1u : n;
            }
        }
    }

    const Bytes& FIn;
    const std::uint8_t FA, FB;
    const std::uint32_t FWidth, FRows, FStride;
    Bytes FOut;
    std::size_t FPos = 0;
    std::uint32_t FRow = 0, FX = 0;
};

inline TResult Decode(const Bytes& stored, std::uint8_t a, std::uint8_t b, std::uint8_t flags, std::uint32_t width,
                      std::uint32_t rows, std::uint32_t stride) {
    return TDecoder(stored, a, b, width, rows, stride).Run(flags);
}

}  // namespace plain_strip
