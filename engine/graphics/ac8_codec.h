#pragma once
// The line-code codec of image strips: turns a strip's stored bytes into plain rows.
#include <cstdint>
#include <span>

struct TAC8StripLayout {
    std::uint32_t Width = 0;      // pixels of each row
    std::uint32_t Rows = 0;       // rows of the strip
    std::uint32_t RowStride = 0;  // bytes from one row to the next; padding is set to 0
};

// Decodes one strip's stored bytes into layout.Rows x layout.RowStride bytes at `out`, the
// strip's bottom row first. `flags` selects raw rows (bit 0) or one run stream (bit 1);
// otherwise every row is line-coded. Raises AC8Exception ("Decode: source buffer overflow",
// "Decode: output line overflow", "Decode: invalid line code") on damaged input; it never
// reads outside `stored` nor writes outside the strip.
void DecodeSegment(std::span<const std::uint8_t> stored, std::uint8_t escapeA, std::uint8_t escapeB,
                   std::uint8_t flags, const TAC8StripLayout& layout, std::uint8_t* out);
