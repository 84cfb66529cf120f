#include "engine/graphics/font_metrics.h"

#include "engine/graphics/vek_font_exception.h"

namespace {

std::array<const TFontMetrics*, FontMetricsSlotCount> MetricsTable{};

}  // namespace

int GlyphIndexOf(char16_t c) {
    if (c == 352) c = 127;
    else if (c == 353) c = 160;
    if (c >= 32 && c <= 127) return c - 32;
    if (c >= 160 && c <= 255) return c - 64;
    return -1;
}

TRect GlyphCellRect(const TFontMetrics& metrics, int entry) {
    const TGlyphEntry& glyph = metrics.Glyphs[static_cast<std::size_t>(entry)];
    const std::int32_t top = (entry / GlyphsPerSheetRow) * metrics.RowPitch;
    return MakeBounds(glyph.LeftX - 1, top, glyph.Width + 2, metrics.CellHeight);
}

std::int32_t MeasureText(const TFontMetrics& metrics, std::u16string_view text) {
    std::int32_t width = 0;
    for (const char16_t c : text) {
        const int entry = GlyphIndexOf(c);
        width += 2 + (entry < 0 ? 0 : metrics.Glyphs[static_cast<std::size_t>(entry)].Width);
    }
    return width;
}

void RegisterFontMetrics(int slot, const TFontMetrics* metrics) {
    if (slot < 0 || slot >= FontMetricsSlotCount) throw VekFontException("Invalid font slot");
    MetricsTable[static_cast<std::size_t>(slot)] = metrics;
}

const TFontMetrics* FontMetricsOf(int slot) {
    if (slot < 0 || slot >= FontMetricsSlotCount) return nullptr;
    return MetricsTable[static_cast<std::size_t>(slot)];
}
