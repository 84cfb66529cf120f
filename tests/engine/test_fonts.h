#pragma once
// Small fonts whose numbers are easy to follow: in "07..." every glyph is 4 wide (advance 6)
// except the space, 2 wide (advance 4), with cells of 10 rows 13 apart; in "08..." glyphs are
// 6 wide (advance 8), the space 4 (advance 6), cells of 14 rows 14 apart. The sheets place
// glyph n at x = 1 + 8 (n mod 32) (or 10 for the wider font) in row n div 32.
#include <cstdint>
#include <vector>

#include "engine/graphics/font_metrics.h"
#include "tools/ac8/ac8_writer.h"

inline constexpr int NarrowSlot = 7;
inline constexpr int WideSlot = 8;

inline TFontMetrics MakeTestMetrics(std::int32_t cell, std::int32_t pitch, std::uint16_t glyphWidth,
                                    std::uint16_t spaceWidth, std::uint16_t step) {
    TFontMetrics m;
    m.CellHeight = cell;
    m.RowPitch = pitch;
    for (int n = 0; n < GlyphCount; ++n) {
        m.Glyphs[static_cast<std::size_t>(n)] =
            TGlyphEntry{static_cast<std::uint16_t>(1 + step * (n % GlyphsPerSheetRow)), n == 0 ? spaceWidth : glyphWidth};
    }
    return m;
}

inline const TFontMetrics NarrowMetrics = MakeTestMetrics(10, 13, 4, 2, 8);
inline const TFontMetrics WideMetrics = MakeTestMetrics(14, 14, 6, 4, 10);

inline void RegisterTestFonts() {
    RegisterFontMetrics(NarrowSlot, &NarrowMetrics);
    RegisterFontMetrics(WideSlot, &WideMetrics);
}

// A glyph sheet for the metrics: every cell's margin columns hold colour 1, its ink columns
// hold the colour (entry mod 200) + 10, everything else is the transparent colour 0 and the
// bottom-right pixel is the ink colour given.
inline TIndexedPicture MakeGlyphSheet(const TFontMetrics& m, const char* name, std::uint8_t ink) {
    TIndexedPicture p;
    p.name = name;
    std::uint32_t width = 0;
    for (const TGlyphEntry& g : m.Glyphs) width = std::max<std::uint32_t>(width, g.LeftX + g.Width + 2u);
    p.width = static_cast<int>(width + 1);
    p.height = m.RowPitch * (GlyphCount / GlyphsPerSheetRow);
    p.pixels.assign(static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height), 0);
    p.hasTransparency = true;
    p.transparentColour = 0;
    for (int n = 0; n < GlyphCount; ++n) {
        const TRect cell = GlyphCellRect(m, n);
        for (std::int32_t y = cell.Top; y < cell.Bottom; ++y)
            for (std::int32_t x = cell.Left; x < cell.Right; ++x) {
                const bool margin = x == cell.Left || x == cell.Right - 1;
                p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) + static_cast<std::size_t>(x)] =
                    margin ? std::uint8_t{1} : static_cast<std::uint8_t>(n % 200 + 10);
            }
    }
    p.pixels.back() = ink;
    return p;
}
