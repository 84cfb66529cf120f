#include "tools/ac8/ac8_encoder.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/graphics/ac8_image.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t MaxCount = 255;
constexpr std::uint8_t CodeLiteral = 0;
constexpr std::uint8_t CodeEscaped = 1;
constexpr std::uint8_t CodeXorEscaped = 2;
constexpr std::uint8_t CodeFill = 6;
constexpr std::uint8_t CodeSameAsPrevious = 7;
constexpr std::uint32_t MinPrefixCopy = 8;

// Stored bytes and the number of tokens the decoder meets in them.
struct TCoded {
    Bytes Stored;
    std::size_t Tokens = 0;
    std::size_t Cost(std::uint32_t weight) const { return Stored.size() + weight * Tokens; }
};

// What the encoder weighs, from the token weight: a run or copy of n bytes replaces n
// literal bytes by 3 and adds up to two tokens (itself and the literal span after it), so it
// pays from n = 4 + 2 x weight; an XOR row costs a second pass over the row, about one token
// per 256 bytes besides its own.
struct TWeights {
    std::uint32_t Token;
    std::uint32_t MinRun;
    std::size_t XorPass(std::uint32_t width) const { return Token * (1 + width / 256); }
};

TWeights WeightsFor(std::uint32_t tokenWeight) {
    const std::uint32_t w = std::min(tokenWeight, AC8MaxTokenWeight);
    return {w, std::min<std::uint32_t>(4 + 2 * w, 0xFFFFu)};
}

struct TEscapes {
    std::uint8_t A;
    std::uint8_t B;
    bool BAbsent;  // B does not occur in the strip's pixels
};

// The two least frequent byte values of the strip, so that escaping costs least.
TEscapes ChooseEscapes(const std::uint8_t* rows, const TAC8StripLayout& layout) {
    std::array<std::uint32_t, 256> counts{};
    for (std::uint32_t i = 0; i < layout.Rows; ++i) {
        const std::uint8_t* row = rows + std::size_t(i) * layout.RowStride;
        for (std::uint32_t x = 0; x < layout.Width; ++x) ++counts[row[x]];
    }
    std::array<std::uint8_t, 256> order{};
    for (int v = 0; v < 256; ++v) order[v] = static_cast<std::uint8_t>(v);
    std::stable_sort(order.begin(), order.end(), [&](std::uint8_t l, std::uint8_t r) { return counts[l] < counts[r]; });
    // Prefer an absent B: a run stream needs one.
    return {order[1], order[0], counts[order[0]] == 0};
}

std::uint32_t RunLength(const std::uint8_t* p, std::uint32_t from, std::uint32_t end) {
    std::uint32_t n = 1;
    while (from + n < end && p[from + n] == p[from]) ++n;
    return n;
}

std::uint32_t MatchLength(const std::uint8_t* row, const std::uint8_t* prev, std::uint32_t from, std::uint32_t end) {
    std::uint32_t n = 0;
    while (from + n < end && row[from + n] == prev[from + n]) ++n;
    return n;
}

// Escape-coded bytes for row[from, width). With `prev` given, spans equal to the row
// beneath are copied from it.
void EncodeEscaped(const std::uint8_t* row, const std::uint8_t* prev, std::uint32_t from, std::uint32_t width,
                   const TEscapes& e, const TWeights& weights, TCoded& coded) {
    const std::uint8_t a = e.A;
    const std::uint8_t b = e.B;
    Bytes& out = coded.Stored;
    bool inLiteral = false;
    const auto escapeToken = [&] {
        ++coded.Tokens;
        inLiteral = false;
    };
    std::uint32_t j = from;
    while (j < width) {
        const std::uint8_t v = row[j];
        // Runs longer than one count are cut into counts; a copy to the row's end is one.
        const std::uint32_t fullRun = RunLength(row, j, width);
        const std::uint32_t run = std::min(fullRun, MaxCount);
        const std::uint32_t match = prev != nullptr ? MatchLength(row, prev, j, width) : 0;
        const bool toEnd = j + match == width;
        if (match >= weights.MinRun && match >= run) {
            const std::uint32_t m = toEnd ? 0 : std::min(match, MaxCount);
            out.insert(out.end(), {a, 2, static_cast<std::uint8_t>(m)});
            escapeToken();
            j = toEnd ? width : j + m;
            continue;
        }
        const bool escape = v == a || v == b;
        if (fullRun >= weights.MinRun || (run >= 3 && escape)) {
            out.insert(out.end(), {a, static_cast<std::uint8_t>(run), v});
            escapeToken();
            j += run;
        } else if (v == a) {
            out.insert(out.end(), {a, static_cast<std::uint8_t>(run == 2 ? 1 : 0)});
            escapeToken();
            j += run;
        } else if (v == b) {
            out.insert(out.end(), {b, run == 2 ? b : a});
            escapeToken();
            j += run;
        } else {
            out.push_back(v);
            if (!inLiteral) ++coded.Tokens;
            inLiteral = true;
            ++j;
        }
    }
}

bool AllEqual(const std::uint8_t* p, std::uint32_t from, std::uint32_t end) { return RunLength(p, from, end) == end - from; }

// The rest of a row from `from`, after a prefix copy or from the start: literal, fill or
// escape-coded, whichever costs least. Code 7 and code 2 are never chosen here.
TCoded EncodeRest(const std::uint8_t* row, const std::uint8_t* prev, std::uint32_t from, std::uint32_t width,
                  const TEscapes& e, const TWeights& weights) {
    if (AllEqual(row, from, width)) return {{CodeFill, row[from]}, 1};
    TCoded escaped{{CodeEscaped}, 1};
    EncodeEscaped(row, prev, from, width, e, weights, escaped);
    TCoded literal{{CodeLiteral}, 1};
    literal.Stored.insert(literal.Stored.end(), row + from, row + width);
    return escaped.Cost(weights.Token) < literal.Cost(weights.Token) ? escaped : literal;
}

void EncodeRow(const std::uint8_t* row, const std::uint8_t* prev, std::uint32_t width, const TEscapes& e,
               const TWeights& weights, TCoded& out) {
    if (prev != nullptr && std::memcmp(row, prev, width) == 0) {
        out.Stored.push_back(CodeSameAsPrevious);
        ++out.Tokens;
        return;
    }
    TCoded best = EncodeRest(row, prev, 0, width, e, weights);
    if (prev != nullptr) {
        Bytes diff(width);
        for (std::uint32_t x = 0; x < width; ++x) diff[x] = row[x] ^ prev[x];
        TCoded xored{{CodeXorEscaped}, 1};
        EncodeEscaped(diff.data(), nullptr, 0, width, e, weights, xored);
        if (xored.Cost(weights.Token) + weights.XorPass(width) < best.Cost(weights.Token)) best = std::move(xored);

        // The row differs from the one beneath, so a matching prefix ends before the row does.
        const std::uint32_t prefix = std::min(MatchLength(row, prev, 0, width), MaxCount);
        if (prefix >= MinPrefixCopy) {
            TCoded copied{{static_cast<std::uint8_t>(prefix)}, 1};
            const TCoded rest = EncodeRest(row, prev, prefix, width, e, weights);
            copied.Stored.insert(copied.Stored.end(), rest.Stored.begin(), rest.Stored.end());
            copied.Tokens += rest.Tokens;
            if (copied.Cost(weights.Token) < best.Cost(weights.Token)) best = std::move(copied);
        }
    }
    out.Stored.insert(out.Stored.end(), best.Stored.begin(), best.Stored.end());
    out.Tokens += best.Tokens;
}

TCoded EncodeLineCoded(const std::uint8_t* rows, const TAC8StripLayout& layout, const TEscapes& e,
                       const TWeights& weights) {
    TCoded out;
    for (std::uint32_t i = 0; i < layout.Rows; ++i) {
        const std::uint8_t* row = rows + std::size_t(i) * layout.RowStride;
        EncodeRow(row, i == 0 ? nullptr : row - layout.RowStride, layout.Width, e, weights, out);
    }
    return out;
}

Bytes EncodeRawRows(const std::uint8_t* rows, const TAC8StripLayout& layout) {
    Bytes out;
    for (std::uint32_t i = 0; i < layout.Rows; ++i) {
        const std::uint8_t* row = rows + std::size_t(i) * layout.RowStride;
        out.insert(out.end(), row, row + layout.Width);
    }
    return out;
}

// Runs may cross row ends; B never occurs, so only A escapes.
Bytes EncodeRunStream(const std::uint8_t* rows, const TAC8StripLayout& layout, std::uint8_t a) {
    const Bytes pixels = EncodeRawRows(rows, layout);
    const std::uint32_t total = static_cast<std::uint32_t>(pixels.size());
    Bytes out;
    std::uint32_t j = 0;
    while (j < total) {
        const std::uint8_t v = pixels[j];
        const std::uint32_t run = std::min(RunLength(pixels.data(), j, total), MaxCount);
        if (run >= 3 || (run == 2 && v != a)) {
            if (run == 2) {
                out.insert(out.end(), {v, v});
            } else {
                out.insert(out.end(), {a, static_cast<std::uint8_t>(run), v});
            }
            j += run;
        } else if (v == a) {
            out.insert(out.end(), {a, static_cast<std::uint8_t>(run == 2 ? 1 : 0)});
            j += run;
        } else {
            out.push_back(v);
            ++j;
        }
    }
    return out;
}

TAC8EncodedStrip PlainStrip(const std::uint8_t* rows, const TAC8StripLayout& layout) {
    TAC8EncodedStrip strip;
    strip.Bytes.assign(rows, rows + std::size_t(layout.Rows) * layout.RowStride);
    return strip;
}

}  // namespace

TAC8EncodedStrip EncodeStrip(const std::uint8_t* rows, const TAC8StripLayout& layout, TAC8StripCoding coding,
                             std::uint32_t tokenWeight) {
    if (coding == TAC8StripCoding::Plain) return PlainStrip(rows, layout);
    const TEscapes e = ChooseEscapes(rows, layout);
    TAC8EncodedStrip strip;
    strip.EscapeA = e.A;
    strip.EscapeB = e.B;
    strip.Flags = AC8FlagEncoded;
    if (coding == TAC8StripCoding::RawRows) {
        strip.Flags |= AC8FlagRawRows;
        strip.Bytes = EncodeRawRows(rows, layout);
        return strip;
    }
    if (coding == TAC8StripCoding::RunStream && e.BAbsent) {
        strip.Flags |= AC8FlagRunStream;
        strip.Bytes = EncodeRunStream(rows, layout, e.A);
        return strip;
    }
    const TWeights weights = WeightsFor(tokenWeight);
    TCoded coded = EncodeLineCoded(rows, layout, e, weights);
    // Plain rows are read straight into place with nothing to decode: they are kept whenever
    // coding saves less than its tokens are weighed at.
    if (coding == TAC8StripCoding::Auto && coded.Cost(weights.Token) >= std::size_t(layout.Rows) * layout.RowStride)
        return PlainStrip(rows, layout);
    strip.Bytes = std::move(coded.Stored);
    return strip;
}
