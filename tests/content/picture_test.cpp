#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <fstream>
#include <string>

#include "tools/common/content_error.h"
#include "tools/common/palette.h"
#include "tools/common/source_text.h"
#include "tools/pictures/rasterise.h"

namespace {

namespace fs = std::filesystem;

const TPalette& GamePalette() {
    static const TPalette palette = LoadPalette(ZORVIK_PALETTE_FILE);
    return palette;
}

TPictureEntry Entry(int w, int h, bool exact, std::optional<int> transparent = std::nullopt) {
    TPictureEntry e;
    e.name = "pic";
    e.source = "pic.png";
    e.width = w;
    e.height = h;
    e.exact = exact;
    e.transparentColour = transparent;
    return e;
}

TRgbaImage Image(int w, int h, TRgb fill, std::uint8_t alpha = 255) {
    TRgbaImage image{w, h, {}};
    for (int i = 0; i < w * h; ++i) image.rgba.insert(image.rgba.end(), {fill.r, fill.g, fill.b, alpha});
    return image;
}

void SetPixel(TRgbaImage& image, int x, int y, TRgb c, std::uint8_t alpha = 255) {
    std::uint8_t* p = &image.rgba[static_cast<std::size_t>(y * image.width + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = alpha;
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ContentError& e) {
        return e.what();
    }
    return "";
}

class TTempFolder {
public:
    TTempFolder() : FPath(fs::temp_directory_path() / ("zorvik_pictures_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(FPath);
        fs::create_directories(FPath);
    }
    ~TTempFolder() { fs::remove_all(FPath); }
    const fs::path& Path() const { return FPath; }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(FPath / name) << text; }

private:
    fs::path FPath;
};

TEST(MapToPalette, ExactPicturesTakeTheIndexOfEachColour) {
    const TPalette& p = GamePalette();
    TRgbaImage image = Image(3, 2, p.Colour(118));
    SetPixel(image, 2, 1, p.Colour(15));
    SetPixel(image, 0, 0, {0, 0, 0}, 0);  // transparent
    TIndexedPicture picture = MapToPalette(image, Entry(3, 2, true, 217), p);
    EXPECT_EQ(picture.name, "pic");
    EXPECT_TRUE(picture.hasTransparency);
    EXPECT_EQ(picture.transparentColour, 217);
    EXPECT_EQ(picture.At(0, 0), 217);  // rows run from the top
    EXPECT_EQ(picture.At(1, 0), 118);
    EXPECT_EQ(picture.At(2, 1), 15);
}

TEST(MapToPalette, ExactPicturesNameThePictureThePixelAndTheStrayColour) {
    const TPalette& p = GamePalette();
    TRgbaImage image = Image(4, 4, p.Colour(118));
    SetPixel(image, 3, 2, {0x12, 0x34, 0x57});
    std::string message = ErrorOf([&] { MapToPalette(image, Entry(4, 4, true), p); });
    EXPECT_NE(message.find("picture \"pic\": pixel (3, 2) has the colour #123457, which is not in the palette"),
              std::string::npos)
        << message;

    // A smoothed edge against the transparent area is refused as well.
    TRgbaImage soft = Image(2, 1, p.Colour(118));
    SetPixel(soft, 1, 0, p.Colour(118), 128);
    message = ErrorOf([&] { MapToPalette(soft, Entry(2, 1, true, 217), p); });
    EXPECT_NE(message.find("pixel (1, 0) is partly transparent"), std::string::npos) << message;
}

TEST(MapToPalette, NearestPicturesTakeTheClosestColourButNeverTheTransparentOne) {
    const TPalette& p = GamePalette();
    TRgb paper = p.Colour(217);
    TRgb almostPaper{paper.r, paper.g, static_cast<std::uint8_t>(paper.b - 1)};
    TRgbaImage image = Image(1, 1, almostPaper);
    EXPECT_EQ(MapToPalette(image, Entry(1, 1, false), p).At(0, 0), 217);
    EXPECT_NE(MapToPalette(image, Entry(1, 1, false, 217), p).At(0, 0), 217);
}

TEST(MapToPalette, ATransparentPixelNeedsATransparentColour) {
    TRgbaImage image = Image(1, 1, {0, 0, 0}, 0);
    std::string message = ErrorOf([&] { MapToPalette(image, Entry(1, 1, false), GamePalette()); });
    EXPECT_NE(message.find("has no transparent colour"), std::string::npos) << message;
}

TEST(PictureSources, CrispSvgEdgesMapExactlyAndSmoothedOnesAreRefused) {
    TTempFolder folder;
    const std::string shape =
        "<circle cx='8' cy='8' r='5.5' fill='#d82828' stroke='#2b1a10'/></svg>";
    folder.Write("crisp.svg",
                 "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16' shape-rendering='crispEdges'>" + shape);
    folder.Write("soft.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
                             "<rect width='16' height='16' fill='#fff6d5'/>" + shape);
    folder.Write("manifest.txt",
                 "crisp crisp.svg 32 32 217 1x1 exact\n"
                 "soft  soft.svg  32 32 none 1x1 exact\n");
    std::vector<TPictureEntry> entries = LoadPictureManifest(folder.Path() / "manifest.txt");
    ASSERT_EQ(entries.size(), 2u);

    TIndexedPicture crisp = MapToPalette(LoadPictureSource(entries[0], folder.Path() / "work"), entries[0], GamePalette());
    EXPECT_EQ(crisp.At(0, 0), 217);   // outside the circle: transparent
    EXPECT_EQ(crisp.At(16, 16), 16);  // the red fill
    std::string message = ErrorOf([&] {
        MapToPalette(LoadPictureSource(entries[1], folder.Path() / "work"), entries[1], GamePalette());
    });
    EXPECT_NE(message.find("picture \"soft\""), std::string::npos) << message;
    EXPECT_NE(message.find("not in the palette"), std::string::npos) << message;
}

TEST(PictureSources, APngMustHaveTheSizeTheManifestGives) {
    TTempFolder folder;
    TIndexedPicture picture{"dot", 2, 3, std::vector<std::uint8_t>(6, 118), false, 0};
    WriteIndexedPng(folder.Path() / "dot.png", picture, GamePalette());
    folder.Write("manifest.txt", "dot dot.png 2 3 none 1 exact\nbig dot.png 4 3 none 1 exact\n");
    std::vector<TPictureEntry> entries = LoadPictureManifest(folder.Path() / "manifest.txt");
    // Written as an indexed PNG and read back, it maps to the same indices.
    TIndexedPicture back = MapToPalette(LoadPictureSource(entries[0], folder.Path()), entries[0], GamePalette());
    EXPECT_EQ(back.pixels, picture.pixels);
    std::string message = ErrorOf([&] { LoadPictureSource(entries[1], folder.Path()); });
    EXPECT_NE(message.find("is 2 x 3, the manifest says 4 x 3"), std::string::npos) << message;
}

TEST(PictureManifest, HoldsTheMainWindowPicturesInTheirLayout) {
    struct TWanted {
        const char* name;
        int width, height, columns, rows;
    };
    // Sizes the main window draws with: garland quarters of 100, columns 100 x 300 and rows
    // 500 x 100; buttons of 56 x 34 and 119 x 34 in two frames; room-button frames of 60 and
    // faces of 43 (four rooms, then the same greyed); action cells of 60 (3 states x 5 commands).
    const TWanted wanted[] = {{"glnd_cnr", 200, 200, 2, 2}, {"glnd_ew", 100, 300, 1, 1}, {"glnd_ns", 500, 100, 1, 1},
                              {"abt_btn", 56, 68, 1, 2},    {"tutr_btn", 119, 68, 1, 2}, {"rb_edge", 60, 180, 1, 3},
                              {"rb_face", 43, 344, 1, 8},   {"actbtns", 180, 300, 3, 5}, {"tile", 0, 0, 1, 1}};
    std::vector<TPictureEntry> entries = LoadPictureManifest(ZORVIK_PICTURE_MANIFEST);
    for (const TWanted& w : wanted) {
        SCOPED_TRACE(w.name);
        auto e = std::find_if(entries.begin(), entries.end(), [&](const TPictureEntry& p) { return p.name == w.name; });
        ASSERT_NE(e, entries.end());
        if (w.width > 0) {
            EXPECT_EQ(e->width, w.width);
            EXPECT_EQ(e->height, w.height);
        }
        EXPECT_EQ(e->frameColumns, w.columns);
        EXPECT_EQ(e->frameRows, w.rows);
    }
}

TEST(PictureManifest, RefusesEntriesTheLibraryCouldNotHold) {
    auto error = [](const std::string& line) {
        return ErrorOf([&] { ParsePictureManifest(ParseSourceText(line, "manifest.txt"), "."); });
    };
    EXPECT_EQ(error("rb_edge shell/rb_edge.svg 60 180 none 1x3 exact\nactbtns a.png 180 300 15 3x5 nearest"), "");
    EXPECT_NE(error("toolongname a.svg 1 1 none 1 exact").find("not an image name"), std::string::npos);
    EXPECT_NE(error("Tile a.svg 1 1 none 1 exact").find("not an image name"), std::string::npos);
    EXPECT_NE(error("a a.svg 1 1 none 1 exact\na b.svg 1 1 none 1 exact").find("listed twice"), std::string::npos);
    EXPECT_NE(error("a a.svg 60 100 none 1x3 exact").find("cannot hold 1x3 equal frames"), std::string::npos);
    EXPECT_NE(error("a a.gif 1 1 none 1 exact").find(".svg or .png"), std::string::npos);
    EXPECT_NE(error("a a.svg 1 1 256 1 exact").find("palette index"), std::string::npos);
    EXPECT_NE(error("a a.svg 1 1 none 1 smooth").find("exact or nearest"), std::string::npos);
    EXPECT_NE(error("a a.svg 0 1 none 1 exact").find("1 to 4096"), std::string::npos);
    EXPECT_NE(error("a a.svg 1 1 none").find("expected: name source"), std::string::npos);
}

}  // namespace
