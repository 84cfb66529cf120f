// Fonts: names and slots, measuring, and glyphs drawn from a sheet the test makes.
#include <gtest/gtest.h>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_font.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/game_font_metrics.h"
#include "engine/graphics/vek_font_exception.h"
#include "test_fonts.h"
#include "test_library.h"

namespace {

std::string FontError(TAC8Library* library, const char* name) {
    try {
        TAC8Font font(library, name);
    } catch (const VekException& e) {
        return e.what();
    }
    return "no error";
}

class FontTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterTestFonts();
        RegisterGameFontMetrics();
    }
};

TEST_F(FontTest, NamesChooseRegisteredSlots) {
    RegisterFontMetrics(5, nullptr);
    EXPECT_EQ(FontError(nullptr, "41abc"), "Invalid font name");
    EXPECT_EQ(FontError(nullptr, "99abc"), "Invalid font name");
    EXPECT_EQ(FontError(nullptr, "05abc"), "Font not loaded");
    EXPECT_EQ(FontError(nullptr, "x7abc"), "Invalid font name");
    EXPECT_EQ(FontError(nullptr, "7"), "Invalid font name");
    EXPECT_EQ(FontError(nullptr, " 7a"), "Invalid font name");
    EXPECT_EQ(FontError(nullptr, "-7a"), "Invalid font name");
    EXPECT_EQ(FontError(nullptr, ""), "Invalid font name");
    EXPECT_EQ(FontError(nullptr, "07abc"), "no error");
    EXPECT_THROW(RegisterFontMetrics(41, &NarrowMetrics), VekFontException);
    EXPECT_THROW(RegisterFontMetrics(-1, &NarrowMetrics), VekFontException);
}

TEST_F(FontTest, GlyphTableCoversTwoRangesAndTwoBorrowedCodes) {
    EXPECT_EQ(GlyphIndexOf(u' '), 0);
    EXPECT_EQ(GlyphIndexOf(127), 95);
    EXPECT_EQ(GlyphIndexOf(352), 95);
    EXPECT_EQ(GlyphIndexOf(160), 96);
    EXPECT_EQ(GlyphIndexOf(353), 96);
    EXPECT_EQ(GlyphIndexOf(255), 191);
    for (const char16_t none : {char16_t(0), char16_t(10), char16_t(13), char16_t(31), char16_t(128), char16_t(159),
                                char16_t(256), char16_t(351), char16_t(354), char16_t(0x4E00), char16_t(0xFFFF)})
        EXPECT_EQ(GlyphIndexOf(none), -1) << int(none);
}

TEST_F(FontTest, WidthAndExtent) {
    const TAC8Font font(nullptr, "00f12mc");
    const std::int32_t a = GameFontMetrics0.Glyphs[33].Width + 2;
    EXPECT_EQ(font.TextWidth(u"A"), a);
    EXPECT_EQ(font.TextWidth(u" !\"#"), 3 + 2 + 5 + 12 + 8);
    // Characters without a glyph still count 2.
    EXPECT_EQ(font.TextWidth(u"A\r\n"), a + 4);
    EXPECT_EQ(font.TextWidth(u"\u4E00"), 2);
    EXPECT_EQ(font.TextWidth(u"\u0160"), GameFontMetrics0.Glyphs[95].Width + 2);
    EXPECT_EQ(font.TextExtent(TPoint{5, 7}, u"A"), (TRect{5, 7, 5 + a, 30}));
    EXPECT_EQ(font.TextExtent(TPoint{5, 7}, u""), (TRect{5, 7, 5, 7}));
    EXPECT_EQ(font.TextWidth(u""), 0);
    EXPECT_FALSE(font.HasSheet());

    const TAC8Font large(nullptr, "01f36eu0");
    EXPECT_EQ(large.CellHeight(), 52);
    EXPECT_EQ(large.TextWidth(u" !\"#"), 10 + 9 + 15 + 27 + 8);
}

// Each sheet cell sits inside its row and never overlaps the next one, so every glyph can
// be cut out cleanly.
TEST_F(FontTest, GameGlyphTablesLayOutCleanly) {
    for (const TFontMetrics* m : {&GameFontMetrics0, &GameFontMetrics1}) {
        for (int n = 0; n < GlyphCount; ++n) {
            EXPECT_GE(m->Glyphs[static_cast<std::size_t>(n)].LeftX, 1) << n;
            EXPECT_GT(m->Glyphs[static_cast<std::size_t>(n)].Width, 0) << n;
            if (n % GlyphsPerSheetRow != 0) {
                EXPECT_GE(GlyphCellRect(*m, n).Left, GlyphCellRect(*m, n - 1).Right) << n;
            }
        }
    }
}

class FontDrawingTest : public FontTest {
protected:
    FontDrawingTest()
        : Sheets({MakeGlyphSheet(NarrowMetrics, "07r", 77), MakeGlyphSheet(NarrowMetrics, "07rother", 78)}) {}

    TTestLibrary Sheets;
};

TEST_F(FontDrawingTest, GlyphsLandAtThePenAndAdvanceIt) {
    TAC8Library& library = Sheets.Library;
    TImageNode* target = library.CreateImage("target", 40, 20);
    TAC8ImageData* surface = library.GetImageData(target);
    {
        const TAC8Font font(&library, "07r");
        EXPECT_EQ(font.InkColour(), 77);
        TPoint pen{3, 2};
        // CR and a character beyond the table neither draw nor advance.
        font.DrawText(pen, *surface, u"A\r\u4E00B");
        EXPECT_EQ(pen, (TPoint{15, 2}));
        // "A" (entry 33): margins at 3 and 8, ink 4..7, rows 2..11.
        EXPECT_EQ(surface->GetPixel({3, 2}), 1);
        EXPECT_EQ(surface->GetPixel({4, 2}), 43);
        EXPECT_EQ(surface->GetPixel({7, 11}), 43);
        EXPECT_EQ(surface->GetPixel({8, 5}), 1);
        EXPECT_EQ(surface->GetPixel({5, 12}), 0);
        EXPECT_EQ(surface->GetPixel({5, 1}), 0);
        // "B" (entry 34) right after it.
        EXPECT_EQ(surface->GetPixel({9, 2}), 1);
        EXPECT_EQ(surface->GetPixel({10, 2}), 44);
        EXPECT_EQ(surface->GetPixel({15, 2}), 0);
        // Glyphs of the second sheet row: "`" is entry 64, the first of row 2.
        pen = TPoint{20, 5};
        font.DrawText(pen, *surface, u"`");
        EXPECT_EQ(surface->GetPixel({21, 5}), 74);
        EXPECT_EQ(pen.X, 26);
    }
    // The sheet went back to the library with the font.
    EXPECT_EQ(library.FindCached("07r"), nullptr);
    library.ReleaseImageData(target);
    library.ReleaseImage(target);
}

TEST_F(FontDrawingTest, FontsOfOneSlotDrawFromTheirOwnSheets) {
    TAC8Library& library = Sheets.Library;
    // Only the first 8 characters name the sheet.
    const TAC8Font first(&library, "07r");
    const TAC8Font second(&library, "07rotherXY");
    EXPECT_EQ(first.InkColour(), 77);
    EXPECT_EQ(second.InkColour(), 78);
    EXPECT_EQ(second.Name(), AC8ImageName("07rother"));
}

TEST_F(FontDrawingTest, MissingSheetCreatesNoFont) {
    TAC8Library& library = Sheets.Library;
    EXPECT_THROW(TAC8Font(&library, "07nosuch"), AC8Exception);
    EXPECT_EQ(library.Cache().First(), nullptr);
}

}  // namespace
