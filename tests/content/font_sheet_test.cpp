// The built glyph sheets against the metrics records the game places them by: every glyph
// inside its cell, nothing outside the cells but the ink-colour pixel, the ink colour where
// the font reads it; and the font list's own checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "engine/graphics/ac8_font.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/game_font_metrics.h"
#include "shell/strings/game_string.h"
#include "tools/common/content_error.h"
#include "tools/common/source_text.h"
#include "tools/fonts/font_list.h"

namespace {

namespace fs = std::filesystem;
const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

// The glyph entry whose cell holds the pixel, or -1 outside every cell.
int EntryAt(const TFontMetrics& metrics, TPoint p) {
    for (int entry = 0; entry < GlyphCount; ++entry)
        if (PtInRect(GlyphCellRect(metrics, entry), p)) return entry;
    return -1;
}

TEST(BuiltFontSheets, MatchTheirMetricsTables) {
    RegisterGameFontMetrics();
    TAC8Library library;
    library.Open(kDat / "Zorvik.ac8");
    const auto sheets = LoadFontList(ZORVIK_FONT_LIST, ZORVIK_FONT_FACES);
    ASSERT_EQ(sheets.size(), 4u);
    for (const TGlyphSheetSource& source : sheets) {
        SCOPED_TRACE(source.name);
        const TFontMetrics& metrics = *source.metrics;
        TAC8Font font(&library, source.name);
        EXPECT_EQ(font.InkColour(), source.ink);

        TImageNode* node = library.LoadImageNamed(source.name);
        const TAC8ImageData& sheet = *library.GetImageData(node);
        EXPECT_EQ(sheet.TransparentColour(), source.transparent);
        std::array<int, GlyphCount> left{}, right{};
        left.fill(1 << 20);
        right.fill(-1);
        int strays = 0;
        for (std::int32_t y = 0; y < sheet.Height(); ++y)
            for (std::int32_t x = 0; x < sheet.Width(); ++x) {
                const TPoint p{x, y};
                const std::uint8_t pixel = sheet.GetPixel(p);
                if (x == sheet.Width() - 1 && y == sheet.Height() - 1) continue;
                if (pixel == source.transparent) continue;
                const int entry = EntryAt(metrics, p);
                const TGlyphEntry& glyph = metrics.Glyphs[std::size_t(entry < 0 ? 0 : entry)];
                // Ink only in a cell, and not in its margin columns: the font blits the whole
                // cell, so ink there would touch the next character.
                if (entry < 0 || pixel != source.ink || x < glyph.LeftX || x >= glyph.LeftX + glyph.Width) {
                    ++strays;
                    continue;
                }
                left[std::size_t(entry)] = std::min(left[std::size_t(entry)], x);
                right[std::size_t(entry)] = std::max(right[std::size_t(entry)], x);
            }
        EXPECT_EQ(strays, 0);
        for (int entry = 0; entry < GlyphCount; ++entry) {
            const TGlyphEntry& glyph = metrics.Glyphs[std::size_t(entry)];
            if (entry == 0) continue;  // the space; entries 95 and 96 hold the letters with caron
            SCOPED_TRACE(entry);
            ASSERT_GE(right[std::size_t(entry)], 0) << "no ink";
            // The glyph fills the width the table gives it, so text is spaced as measured.
            EXPECT_GE(right[std::size_t(entry)] - left[std::size_t(entry)] + 1, glyph.Width - 3);
        }
        library.ReleaseImageData(node);
        library.ReleaseImage(node);
    }
}

// Text drawn with the built sheets through the game's font puts ink down and advances as
// the table measures it.
TEST(BuiltFontSheets, DrawTextThroughTheGamesFont) {
    RegisterGameFontMetrics();
    TAC8Library library;
    library.Open(kDat / "Zorvik.ac8");
    TAC8Font font(&library, "00f12mc");
    TImageNode* canvasNode = library.CreateImage("canvas", 200, 30);
    TAC8ImageData& canvas = *library.GetImageData(canvasNode);
    TPoint pen{2, 2};
    font.DrawText(pen, canvas, u"Noël");
    EXPECT_EQ(pen.X, 2 + font.TextWidth(u"Noël"));
    int ink = 0;
    for (std::int32_t y = 0; y < 30; ++y)
        for (std::int32_t x = 0; x < 200; ++x) ink += canvas.GetPixel(TPoint{x, y}) == font.InkColour();
    EXPECT_GT(ink, 40);
    library.ReleaseImageData(canvasNode);
    library.ReleaseImage(canvasNode);
}

// The sheet builder draws each entry's character where the game's font looks for it.
TEST(BuiltFontSheets, EachEntryHoldsTheCharacterTheFontMapsToIt) {
    for (int entry = 0; entry < GlyphCount; ++entry)
        EXPECT_EQ(GlyphIndexOf(static_cast<char16_t>(CharacterOfGlyphEntry(entry))), entry) << entry;
}

// The wrapping room writes a given name on the big tag in the large font, centred between
// x 90 and 480: every name must be drawable there whole.
TEST(BuiltFontSheets, EveryGivenNameFitsTheBigTag) {
    for (std::uint16_t id = FirstGivenName; id < FirstGivenName + GivenNameCount; ++id) {
        const std::u16string name = GameString(id);
        SCOPED_TRACE(id);
        ASSERT_FALSE(name.empty());
        for (const char16_t c : name) EXPECT_GE(GlyphIndexOf(c), 0) << "a letter the font cannot draw";
        EXPECT_LE(MeasureText(GameFontMetrics1, name), 480 - 90);
    }
}

TEST(FontList, RefusesSheetsTheGameWouldMisplace) {
    auto errorOf = [](const char* text) {
        try {
            ParseFontList(ParseSourceText(text, "fonts.txt"), "/faces");
        } catch (const ContentError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(errorOf("00f12mc DejaVuSans.ttf 17 0 1 108\n"), "");
    // The name's digits choose the table the game places the glyphs by.
    EXPECT_NE(errorOf("01f12mc DejaVuSans.ttf 17 0 1 108\n").find("does not begin with its slot"), std::string::npos);
    EXPECT_NE(errorOf("05f12mc DejaVuSans.ttf 17 5 1 108\n").find("no metrics record"), std::string::npos);
    EXPECT_NE(errorOf("00f12mc DejaVuSans.ttf 17 0 108 108\n").find("must differ"), std::string::npos);
    EXPECT_NE(errorOf("00f12mc DejaVuSans.ttf 17 0 1\n").find("fonts.txt:1"), std::string::npos);
}

}  // namespace
