#include "tools/fonts/glyph_sheet.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>

#include "engine/graphics/font_metrics.h"
#include "tools/common/content_error.h"

namespace {

constexpr int kSheetRows = (GlyphCount + GlyphsPerSheetRow - 1) / GlyphsPerSheetRow;

struct TFreeTypeFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~TFreeTypeFace() {
        if (face != nullptr) FT_Done_Face(face);
        if (library != nullptr) FT_Done_FreeType(library);
    }
};

// A glyph's monochrome bitmap: set pixels only, with its left edge and top above the baseline.
struct TGlyphInk {
    int width = 0, rows = 0, left = 0, top = 0;
    std::vector<bool> bits;
    bool At(int x, int y) const { return bits[static_cast<std::size_t>(y * width + x)]; }
};

TGlyphInk RenderInk(const TGlyphSheetSource& source, FT_Face face, char32_t c, double narrowing) {
    FT_Matrix matrix{static_cast<FT_Fixed>(narrowing * 0x10000), 0, 0, 0x10000};
    FT_Set_Transform(face, &matrix, nullptr);
    const FT_UInt index = FT_Get_Char_Index(face, c);
    if (index == 0)
        ThrowContentError(source.face.string(), 0, "the face has no glyph for character " + std::to_string(c));
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
        ThrowContentError(source.face.string(), 0, "cannot render character " + std::to_string(c));
    const FT_GlyphSlot slot = face->glyph;
    if (slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO && slot->bitmap.width > 0)
        ThrowContentError(source.face.string(), 0, "FreeType did not render character " + std::to_string(c) + " in one bit");
    TGlyphInk ink;
    ink.width = static_cast<int>(slot->bitmap.width);
    ink.rows = static_cast<int>(slot->bitmap.rows);
    ink.left = slot->bitmap_left;
    ink.top = slot->bitmap_top;
    ink.bits.resize(static_cast<std::size_t>(ink.width * ink.rows));
    for (int y = 0; y < ink.rows; ++y) {
        const unsigned char* row = slot->bitmap.buffer + static_cast<std::ptrdiff_t>(y) * slot->bitmap.pitch;
        for (int x = 0; x < ink.width; ++x)
            ink.bits[static_cast<std::size_t>(y * ink.width + x)] = (row[x / 8] & (0x80 >> (x % 8))) != 0;
    }
    return ink;
}

// Columns holding at least one set pixel, as [first, last]; an empty glyph gives first > last.
std::pair<int, int> InkColumns(const TGlyphInk& ink) {
    int first = ink.width, last = -1;
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0; x < ink.width; ++x)
            if (ink.At(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

}  // namespace

char32_t CharacterOfGlyphEntry(int entry) {
    if (entry == 95) return 352;
    if (entry == 96) return 353;
    return static_cast<char32_t>(entry < 96 ? entry + 32 : entry + 64);
}

int GlyphSheetWidth(const TFontMetrics& metrics) {
    int right = 0;
    for (int entry = 0; entry < GlyphCount; ++entry) right = std::max(right, GlyphCellRect(metrics, entry).Right);
    return right + 1;
}

int GlyphSheetHeight(const TFontMetrics& metrics) { return (kSheetRows - 1) * metrics.RowPitch + metrics.CellHeight; }

TIndexedPicture RenderGlyphSheet(const TGlyphSheetSource& source) {
    if (source.metrics == nullptr) ThrowContentError(source.name, 0, "no metrics record");
    const TFontMetrics& metrics = *source.metrics;
    TFreeTypeFace ft;
    if (FT_Init_FreeType(&ft.library) != 0) ThrowContentError(source.name, 0, "FreeType cannot start");
    if (FT_New_Face(ft.library, source.face.string().c_str(), 0, &ft.face) != 0)
        ThrowContentError(source.face.string(), 0, "cannot open the font face");
    if (FT_Set_Pixel_Sizes(ft.face, 0, static_cast<FT_UInt>(source.pixelSize)) != 0)
        ThrowContentError(source.face.string(), 0, "cannot use " + std::to_string(source.pixelSize) + " pixels");

    TIndexedPicture sheet;
    sheet.name = source.name;
    sheet.width = GlyphSheetWidth(metrics);
    sheet.height = GlyphSheetHeight(metrics);
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width * sheet.height), source.transparent);
    sheet.hasTransparency = true;
    sheet.transparentColour = source.transparent;

    for (int entry = 0; entry < GlyphCount; ++entry) {
        const TGlyphEntry& glyph = metrics.Glyphs[static_cast<std::size_t>(entry)];
        const char32_t c = CharacterOfGlyphEntry(entry);
        TGlyphInk ink = RenderInk(source, ft.face, c, 1.0);
        auto [first, last] = InkColumns(ink);
        // A face wider than the record (bold over the regular metrics) is narrowed a little
        // at a time, so each glyph keeps as much of its weight as its cell allows.
        for (double narrowing = 0.97; last - first + 1 > glyph.Width && narrowing > 0.3; narrowing -= 0.03) {
            ink = RenderInk(source, ft.face, c, narrowing);
            std::tie(first, last) = InkColumns(ink);
        }
        if (last < first) continue;  // blank glyph: the space and the no-break space
        const int inkWidth = last - first + 1;
        const int row = entry / GlyphsPerSheetRow;
        const int x0 = glyph.LeftX + std::max(0, (glyph.Width - inkWidth) / 2) - first;
        const int top = row * metrics.RowPitch;
        const int y0 = top + metrics.ThirdMetric - ink.top;
        for (int y = 0; y < ink.rows; ++y) {
            const int sy = y0 + y;
            if (sy < top || sy >= top + metrics.CellHeight) continue;  // ink beyond the cell is cut
            for (int x = first; x <= last; ++x) {
                const int sx = x0 + x;
                if (!ink.At(x, y) || sx < glyph.LeftX || sx >= glyph.LeftX + glyph.Width) continue;
                sheet.pixels[static_cast<std::size_t>(sy * sheet.width + sx)] = source.ink;
            }
        }
    }
    sheet.pixels.back() = source.ink;
    return sheet;
}
