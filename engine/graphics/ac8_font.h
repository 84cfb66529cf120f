#pragma once
// A bitmap font: glyphs drawn from a glyph sheet of the image library, placed by the metrics
// record registered in the slot named by the first two characters of the font's name.
#include <cstdint>
#include <string_view>

#include "engine/graphics/ac8_image_name.h"
#include "engine/graphics/font_metrics.h"
#include "engine/graphics/picture_handles.h"
#include "foundation/geometry.h"

class TAC8Library;
class TAC8ImageData;
class TImageNode;

class TAC8Font {
public:
    // Name is cut to 8 characters; its first two must be decimal digits naming a registered
    // slot ("Invalid font name", "Font not loaded" as VekFontException). With a library the
    // sheet of that name is fetched from it; without one the font can only measure.
    TAC8Font(TAC8Library* owner, const AC8ImageName& name);
    ~TAC8Font();
    TAC8Font(const TAC8Font&) = delete;
    TAC8Font& operator=(const TAC8Font&) = delete;

    const AC8ImageName& Name() const { return FName; }
    std::int32_t CellHeight() const { return FMetrics.CellHeight; }
    std::int32_t RowPitch() const { return FMetrics.RowPitch; }
    std::uint8_t InkColour() const { return FInkColour; }
    bool HasSheet() const { return static_cast<bool>(FSheet); }

    // Draws with the top of the cells at pen, advancing pen.X by glyph width + 2 after each
    // drawn glyph; characters without a glyph neither draw nor advance. A font without a
    // sheet draws nothing.
    void DrawText(TPoint& pen, TAC8ImageData& surface, std::u16string_view text) const;

    // (x, y, x + width, y + cell height); an empty text gives an empty rectangle at the point.
    TRect TextExtent(TPoint point, std::u16string_view text) const;
    // Every character counts 2 plus its glyph width, so one without a glyph counts 2.
    std::int32_t TextWidth(std::u16string_view text) const;

private:
    AC8ImageName FName;
    TFontMetrics FMetrics;  // a copy, so re-registering a slot never changes a live font
    TPictureHandle FSheet;
    std::uint8_t FInkColour = 0;
};
