// Text blocks drawn into a surface: where glyphs land with each alignment, the soft hyphen at
// a break, fonts switching mid-line, and the background kinds.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/ac8_font.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/text_block.h"
#include "engine/graphics/tile_bg.h"
#include "test_fonts.h"
#include "test_library.h"

namespace {

struct TDrawnGlyph {
    std::int32_t X;   // left margin of the cell
    char16_t Char;
    std::int32_t InkWidth;
    friend bool operator==(const TDrawnGlyph&, const TDrawnGlyph&) = default;
};

std::ostream& operator<<(std::ostream& out, const TDrawnGlyph& g) {
    return out << "(" << g.X << " '" << static_cast<char>(g.Char) << "' " << g.InkWidth << ")";
}

// The glyph cells on row y: a margin pixel (1) followed by ink of one glyph's colour.
std::vector<TDrawnGlyph> GlyphsOnRow(const TAC8ImageData& s, std::int32_t y) {
    std::vector<TDrawnGlyph> glyphs;
    for (std::int32_t x = 0; x + 1 < s.Width(); ++x) {
        const std::uint8_t ink = s.GetPixel({x + 1, y});
        if (s.GetPixel({x, y}) != 1 || ink < 10 || ink >= 210) continue;
        std::int32_t width = 0;
        while (x + 1 + width < s.Width() && s.GetPixel({x + 1 + width, y}) == ink) ++width;
        const int entry = ink - 10;
        glyphs.push_back(TDrawnGlyph{x, static_cast<char16_t>(entry < 96 ? entry + 32 : entry + 64), width});
        x += width;
    }
    return glyphs;
}

class TextBlockDrawingTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterTestFonts(); }

    TextBlockDrawingTest()
        : Sheets({MakeGlyphSheet(NarrowMetrics, "07r", 77), MakeGlyphSheet(WideMetrics, "08b", 78),
                  SolidPicture("backdrop", 64, 64, 0), SolidPicture("tile", 4, 4, 60)}) {
        TAC8Library& library = Sheets.Library;
        TargetNode = library.CreateImage("target", 120, 60);
        Target = library.GetImageData(TargetNode);
        Target->FillRect(Target->GetBounds(), 250);
        Narrow = std::make_unique<TAC8Font>(&library, "07r");
        Wide = std::make_unique<TAC8Font>(&library, "08b");
        Block = std::make_unique<TTextBlock>(*Narrow, "r");
        Block->AddFont(*Wide, "b");
        Block->SetMargins(0, 0, 0, 0);
    }
    ~TextBlockDrawingTest() override {
        Block.reset();
        Narrow.reset();
        Wide.reset();
        Sheets.Library.ReleaseImageData(TargetNode);
        Sheets.Library.ReleaseImage(TargetNode);
    }

    TTestLibrary Sheets;
    TImageNode* TargetNode = nullptr;
    TAC8ImageData* Target = nullptr;
    std::unique_ptr<TAC8Font> Narrow;
    std::unique_ptr<TAC8Font> Wide;
    std::unique_ptr<TTextBlock> Block;
};

TEST_F(TextBlockDrawingTest, Alignments) {
    const TRect rect{0, 0, 100, 60};
    Block->Draw(Target, rect, true, u"ab");
    EXPECT_EQ(GlyphsOnRow(*Target, 0), (std::vector<TDrawnGlyph>{{0, 'a', 4}, {6, 'b', 4}}));

    Target->FillRect(Target->GetBounds(), 250);
    Block->Alignment = TTextAlign::Right;
    Block->Draw(Target, rect, true, u"ab");
    EXPECT_EQ(GlyphsOnRow(*Target, 0), (std::vector<TDrawnGlyph>{{88, 'a', 4}, {94, 'b', 4}}));

    Target->FillRect(Target->GetBounds(), 250);
    Block->Alignment = TTextAlign::Centre;
    Block->Draw(Target, rect, true, u"ab");
    EXPECT_EQ(GlyphsOnRow(*Target, 0), (std::vector<TDrawnGlyph>{{44, 'a', 4}, {50, 'b', 4}}));
}

TEST_F(TextBlockDrawingTest, ARightAlignedLineEndingInDigitWideSpacesStaysInItsRectangle) {
    Block->Alignment = TTextAlign::Right;
    // "abc" and a digit-wide space would be 24 wide in a rectangle of 20.
    Block->Draw(Target, TRect{10, 0, 30, 60}, true, u"abc\x01");
    const std::vector<TDrawnGlyph> glyphs = GlyphsOnRow(*Target, 0);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_GE(glyphs.front().X, 10);
    for (std::int32_t y = 0; y < 60; ++y)
        for (std::int32_t x = 0; x < Target->Width(); ++x)
            if (x < 10 || x >= 30) {
                ASSERT_EQ(Target->GetPixel({x, y}), 250) << x << "," << y;
            }
}

TEST_F(TextBlockDrawingTest, JustifiedLinesStretchTheirSpacesButNotTheLast) {
    Block->Alignment = TTextAlign::Justify;
    // Line one "ab cd ef" is 44 wide in 50 (the space before "gh" is the break): its two
    // other spaces take 3 more pixels each. The last line of the text is not stretched.
    Block->Draw(Target, TRect{0, 0, 50, 60}, true, u"ab cd ef gh");
    EXPECT_EQ(GlyphsOnRow(*Target, 0),
              (std::vector<TDrawnGlyph>{{0, 'a', 4}, {6, 'b', 4}, {19, 'c', 4}, {25, 'd', 4}, {38, 'e', 4}, {44, 'f', 4}}));
    EXPECT_EQ(GlyphsOnRow(*Target, 13), (std::vector<TDrawnGlyph>{{0, 'g', 4}, {6, 'h', 4}}));
}

TEST_F(TextBlockDrawingTest, SoftHyphenDrawsOnlyAtTheBreak) {
    Block->Draw(Target, TRect{0, 0, 40, 60}, true, u"ab`c`defgh");
    EXPECT_EQ(GlyphsOnRow(*Target, 0),
              (std::vector<TDrawnGlyph>{{0, 'a', 4}, {6, 'b', 4}, {12, 'c', 4}, {18, '-', 4}}));
    EXPECT_EQ(GlyphsOnRow(*Target, 13).front(), (TDrawnGlyph{0, 'd', 4}));
}

TEST_F(TextBlockDrawingTest, FontsSwitchMidLineAndTabsMoveThePen) {
    const TTextLayout result = Block->Layout(Target, TRect{0, 0, 120, 60}, true, u"a\\bb\\rc\\T050d\\t03e");
    EXPECT_EQ(GlyphsOnRow(*Target, 0), (std::vector<TDrawnGlyph>{
                                           {0, 'a', 4}, {6, 'b', 6}, {14, 'c', 4}, {50, 'd', 4}, {59, 'e', 4}}));
    EXPECT_EQ(result.Width, 65);
    EXPECT_EQ(result.Height, 10);
}

TEST_F(TextBlockDrawingTest, HangingIndentStartsContinuedLinesOnly) {
    Block->HangingIndent = 5;
    // "ab cd" fills the first line; "ef" continues the paragraph, "gh" starts a new one.
    Block->Draw(Target, TRect{0, 0, 30, 60}, true, u"ab cd ef\\ngh");
    EXPECT_EQ(GlyphsOnRow(*Target, 0).front(), (TDrawnGlyph{0, 'a', 4}));
    EXPECT_EQ(GlyphsOnRow(*Target, 13).front(), (TDrawnGlyph{5, 'e', 4}));
    EXPECT_EQ(GlyphsOnRow(*Target, 26).front(), (TDrawnGlyph{0, 'g', 4}));
}

TEST_F(TextBlockDrawingTest, Backgrounds) {
    TBGArea& bg = Block->Background;
    Block->SetMargins(2, 3, 4, 5);

    bg.Kind = TBGKind::Fill;
    bg.Colour = 90;
    EXPECT_EQ(Block->Draw(Target, TRect{10, 10, 30, 30}, true, u""), 0);
    EXPECT_EQ(Target->GetPixel({10, 10}), 90);
    EXPECT_EQ(Target->GetPixel({29, 29}), 90);
    EXPECT_EQ(Target->GetPixel({30, 29}), 250);

    // Only inside the margins.
    Block->BackgroundWhole = false;
    bg.Colour = 91;
    Block->Draw(Target, TRect{10, 10, 30, 30}, true, u"");
    EXPECT_EQ(Target->GetPixel({10, 10}), 90);
    EXPECT_EQ(Target->GetPixel({12, 13}), 91);
    EXPECT_EQ(Target->GetPixel({25, 24}), 91);
    EXPECT_EQ(Target->GetPixel({26, 24}), 90);
    EXPECT_EQ(Target->GetPixel({25, 25}), 90);

    // A copy from a picture at the origin.
    TImageNode* pictureNode = Sheets.Library.CreateImage("pic", 50, 50);
    TAC8ImageData* picture = Sheets.Library.GetImageData(pictureNode);
    picture->FillRect(picture->GetBounds(), 40);
    picture->FillRect(TRect{5, 5, 6, 6}, 41);
    bg.Kind = TBGKind::Copy;
    bg.Picture = picture;
    bg.Origin = TPoint{5, 5};
    Block->BackgroundWhole = true;
    Block->Draw(Target, TRect{60, 0, 80, 20}, true, u"");
    EXPECT_EQ(Target->GetPixel({60, 0}), 41);
    EXPECT_EQ(Target->GetPixel({61, 0}), 40);
    EXPECT_EQ(Target->GetPixel({80, 0}), 250);
    Sheets.Library.ReleaseImageData(pictureNode);
    Sheets.Library.ReleaseImage(pictureNode);

    // Tiles of a tiled background, placed by the origin.
    TTileBG tiles;
    tiles.SetLibrary(&Sheets.Library);
    tiles.SetImageName("tile");
    bg.Kind = TBGKind::Tiled;
    bg.Tiles = &tiles;
    bg.Origin = TPoint{0, 0};
    Target->FillRect(Target->GetBounds(), 250);
    Block->Draw(Target, TRect{1, 1, 9, 9}, true, u"");
    EXPECT_EQ(Target->GetPixel({1, 1}), 60);
    EXPECT_EQ(Target->GetPixel({8, 8}), 60);
    EXPECT_EQ(Target->GetPixel({0, 0}), 250);
    EXPECT_EQ(Target->GetPixel({9, 9}), 250);
    EXPECT_EQ(Target->ClipRect(), Target->GetBounds());
}

TEST_F(TextBlockDrawingTest, MeasuringAndDrawingAgree) {
    const std::u16string text = u"The \\bquick\\r brown fox ju`mps \\t04over the \x01lazy dog\r\nagain.";
    Block->Alignment = TTextAlign::Justify;
    const TTextLayout measured = Block->Layout(nullptr, TRect{0, 0, 70, 60}, true, text);
    const TTextLayout drawn = Block->Layout(Target, TRect{0, 0, 70, 60}, true, text);
    EXPECT_EQ(measured.Consumed, drawn.Consumed);
    EXPECT_EQ(measured.Width, drawn.Width);
    EXPECT_EQ(measured.Height, drawn.Height);
}

}  // namespace
