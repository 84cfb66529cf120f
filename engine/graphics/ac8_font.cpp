#include "engine/graphics/ac8_font.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/vek_font_exception.h"

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The slot is written by the name's first two characters; anything but two decimal digits
// there would otherwise be read as some arbitrary number.
const TFontMetrics& MetricsForName(const AC8ImageName& name) {
    const std::string& text = name.Text();
    if (text.size() < 2 || !IsDecimalDigit(text[0]) || !IsDecimalDigit(text[1]))
        throw VekFontException("Invalid font name");
    const int slot = (text[0] - '0') * 10 + (text[1] - '0');
    if (slot >= FontMetricsSlotCount) throw VekFontException("Invalid font name");
    const TFontMetrics* metrics = FontMetricsOf(slot);
    if (metrics == nullptr) throw VekFontException("Font not loaded");
    return *metrics;
}

}  // namespace

TAC8Font::TAC8Font(TAC8Library* owner, const AC8ImageName& name) : FName(name), FMetrics(MetricsForName(name)) {
    if (owner == nullptr) return;
    FSheet = TPictureHandle(*owner, FName);
    FInkColour = FSheet->GetPixel(TPoint{FSheet->Width() - 1, FSheet->Height() - 1});
}

TAC8Font::~TAC8Font() = default;

void TAC8Font::DrawText(TPoint& pen, TAC8ImageData& surface, std::u16string_view text) const {
    if (!FSheet) return;
    for (const char16_t c : text) {
        const int entry = GlyphIndexOf(c);
        if (entry < 0) continue;
        surface.Blit(pen, *FSheet, GlyphCellRect(FMetrics, entry));
        pen.X += FMetrics.Glyphs[static_cast<std::size_t>(entry)].Width + 2;
    }
}

TRect TAC8Font::TextExtent(TPoint point, std::u16string_view text) const {
    if (text.empty()) return TRect{point.X, point.Y, point.X, point.Y};
    return TRect{point.X, point.Y, point.X + MeasureText(FMetrics, text), point.Y + FMetrics.CellHeight};
}

std::int32_t TAC8Font::TextWidth(std::u16string_view text) const { return RectWidth(TextExtent(TPoint{}, text)); }
