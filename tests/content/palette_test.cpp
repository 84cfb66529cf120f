#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tools/common/content_error.h"
#include "tools/common/palette.h"
#include "tools/common/source_text.h"

namespace {

// A valid palette text: black, 254 greys of distinct values... built line by line.
std::string PaletteText(int entries, int firstRed = 0) {
    std::string text = "GIMP Palette\nName: Test\nColumns: 16\n#\n";
    for (int i = 0; i < entries; ++i) {
        int v = i == 0 ? firstRed : i;
        text += std::to_string(v) + " " + std::to_string(i == 0 ? 0 : i) + " " + std::to_string(i == 0 ? 0 : i) +
                "\tentry " + std::to_string(i) + "\n";
    }
    return text;
}

std::string ErrorOf(const std::string& text) {
    try {
        ParsePalette(ParseSourceText(text, "test.gpl"));
    } catch (const ContentError& e) {
        return e.what();
    }
    return "";
}

TEST(GamePalette, KeepsTheColoursTheDisplayForcesAndTheIndicesTheCodeUses) {
    TPalette p = LoadPalette(ZORVIK_PALETTE_FILE);
    EXPECT_EQ(p.Colour(0), (TRgb{0, 0, 0}));
    EXPECT_EQ(p.Colour(255), (TRgb{255, 255, 255}));
    // The slate's colour wells (normal and bright rows) must be colours a child can tell
    // apart, and never the colours the slate keeps for itself (unfilled paper 217, selection
    // frame 125, bauble fill 40, white 255).
    const int wells[] = {16, 11, 241, 53, 12, 47, 15, 233, 39, 242, 10, 84, 89, 14, 229, 101};
    std::set<int> reserved = {40, 125, 217, 255};
    for (int a : wells) {
        EXPECT_FALSE(reserved.count(a)) << a;
        for (int b : wells) {
            if (a == b) continue;
            TRgb ca = p.Colour(a), cb = p.Colour(b);
            int distance = std::abs(ca.r - cb.r) + std::abs(ca.g - cb.g) + std::abs(ca.b - cb.b);
            EXPECT_GT(distance, 60) << "wells " << a << " and " << b << " look alike";
        }
    }
    // Greyed buttons must not look like black or white.
    EXPECT_NE(p.NearestIndex(p.Colour(118), {118}), 0);
}

TEST(GamePalette, LibraryBytesAreBlueGreenRedReserved) {
    TPalette p = ParsePalette(ParseSourceText(PaletteText(255) + "255 255 255\twhite\n", "t"));
    std::vector<std::uint8_t> bytes = p.LibraryBytes();
    ASSERT_EQ(bytes.size(), 1024u);
    // Entry 1 is (1, 1, 1); entry 255 white.
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[1020], 255);
    EXPECT_EQ(bytes[1023], 0);
}

TEST(PaletteFile, RefusesWhatWouldMakeColoursAmbiguous) {
    std::string good = PaletteText(255) + "255 255 255\twhite\n";
    EXPECT_EQ(ErrorOf(good), "");
    EXPECT_NE(ErrorOf(PaletteText(255)).find("255 entries, not 256"), std::string::npos);
    EXPECT_NE(ErrorOf(good + "1 2 3\n").find("more than 256"), std::string::npos);
    EXPECT_NE(ErrorOf(PaletteText(255, 7) + "255 255 255\n").find("entry 0 must be black"), std::string::npos);
    EXPECT_NE(ErrorOf(PaletteText(255) + "251 250 250\n").find("entry 255 must be white"), std::string::npos);
    // A repeated colour would give a picture pixel two indices.
    std::string repeated = PaletteText(254) + "5 5 5\tagain\n255 255 255\n";
    std::string message = ErrorOf(repeated);
    EXPECT_NE(message.find("entry 254 repeats the colour #050505 of entry 5"), std::string::npos) << message;
    EXPECT_NE(ErrorOf("JASC-PAL\n").find("GIMP Palette"), std::string::npos);
    EXPECT_NE(ErrorOf("GIMP Palette\n0 0 256\n").find("0 to 255"), std::string::npos);
}

TEST(PaletteFile, NearestColourSkipsExcludedEntries) {
    TPalette p = ParsePalette(ParseSourceText(PaletteText(255) + "255 255 255\twhite\n", "t"));
    EXPECT_EQ(p.NearestIndex({100, 100, 101}), 100);
    EXPECT_EQ(p.NearestIndex({100, 100, 100}, {100}), 99);
    EXPECT_EQ(p.ExactIndex({100, 100, 100}), 100);
    EXPECT_FALSE(p.ExactIndex({100, 100, 101}).has_value());
}

}  // namespace
