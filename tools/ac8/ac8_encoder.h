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
    Auto,       // line-coded rows, or plain when coding does not shrink the strip
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

// `rows` holds layout.Rows plain rows, bottom row first, layout.RowStride bytes apart.
TAC8EncodedStrip EncodeStrip(const std::uint8_t* rows, const TAC8StripLayout& layout, TAC8StripCoding coding);
