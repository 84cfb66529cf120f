#pragma once
// Where each glyph of a bitmap font lies in its glyph sheet. The sheet is an ordinary library
// picture; these records are program data and must agree with the sheets they describe, so
// the game and the sheet builder read the same tables.
#include <array>
#include <cstdint>
#include <string_view>

#include "foundation/geometry.h"

struct TGlyphEntry {
    std::uint16_t LeftX = 0;  // first ink column; the cell starts one pixel to the left
    std::uint16_t Width = 0;  // ink width; the cell is two pixels wider
};

inline constexpr int GlyphCount = 192;     // characters 32..127 and 160..255
inline constexpr int GlyphsPerSheetRow = 32;
inline constexpr int FontMetricsSlotCount = 41;

struct TFontMetrics {
    std::int32_t CellHeight = 0;
    std::int32_t RowPitch = 0;  // vertical distance between glyph rows of the sheet
    std::int32_t ThirdMetric = 0;  // carried with the record; nothing reads it
    std::array<TGlyphEntry, GlyphCount> Glyphs{};
};

// The glyph-table entry of a character, or -1 when it has none. Two characters outside
// 0..255 borrow unused codes: 352 is drawn with the glyph of 127 and 353 with that of 160.
int GlyphIndexOf(char16_t c);

// The glyph's cell in the sheet: one margin pixel on each side, one cell height tall.
TRect GlyphCellRect(const TFontMetrics& metrics, int entry);

// Width of a text in the font: each character's glyph width (none for a character without a
// glyph) plus 2, so a character without a glyph still counts 2.
std::int32_t MeasureText(const TFontMetrics& metrics, std::u16string_view text);

// Slots 0..40 of the program-wide table; a slot outside raises VekFontException.
void RegisterFontMetrics(int slot, const TFontMetrics* metrics);
// The record in the slot, or null when the slot is empty or outside 0..40.
const TFontMetrics* FontMetricsOf(int slot);
