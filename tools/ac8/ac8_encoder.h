#pragma once
// The writer's side of the strip codec: turns a strip's plain rows into stored bytes.
//
// The encoder only produces constructs whose decoding is fixed: the two escapes differ,
// a prefix copy never ends exactly at the row end, code 2 never follows a prefix copy,
// nothing is copied from the previous row in a strip's first row, and a run stream
// never contains the B escape byte.
#include <cstdint>
#include <vector>

#include "engine/graphics/ac8_codec.h"

enum class TAC8StripCoding {
    Auto,       // line-coded rows, or plain when coding saves less than its tokens weigh
    Plain,      // rows as held in memory, flags 0
    RawRows,    // raw rows without line codes (never smaller; for reaching that decoder path)
    RunStream,  // one run stream; plain-fallback to line codes when every byte value occurs
};

struct TAC8EncodedStrip {
    std::uint8_t EscapeA = 0;
    std::uint8_t EscapeB = 0;
    std::uint8_t Flags = 0;
    std::vector<std::uint8_t> Bytes;
};

// How the encoder weighs the decoder's work against the stored size: each row's coding is
// the one of least (bytes + weight x tokens), a token being one line code, literal span,
// run, copy or escape, each of which costs the decoder a turn of its loop and often a
// mispredicted branch. Weight 0 asks for the smallest file; the default keeps runs and
// copies shorter than 52 bytes literal and XOR rows for rows that gain a great deal. On the
// game's library it decodes 13 % faster than weight 16 for a file 30 % larger (3.1 MB
// against 2.4 MB), and about 2.5 times as fast as weight 0.
inline constexpr std::uint32_t AC8DefaultTokenWeight = 24;
inline constexpr std::uint32_t AC8MaxTokenWeight = 1000;

// `rows` holds layout.Rows plain rows, bottom row first, layout.RowStride bytes apart.
TAC8EncodedStrip EncodeStrip(const std::uint8_t* rows, const TAC8StripLayout& layout, TAC8StripCoding coding,
                             std::uint32_t tokenWeight = AC8DefaultTokenWeight);
