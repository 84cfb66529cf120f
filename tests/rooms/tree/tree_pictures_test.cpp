// The tree's pictures as the content build made them: every piece the code cuts from the
// decoration sheet holds a drawing, the bulbs' dark and lit cells differ, and the bare tree
// covers everything below it (it is drawn again wherever a bauble leaves).
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "rooms/tree/bauble.h"
#include "rooms/tree/tree_pictures.h"

namespace {

constexpr std::uint8_t kSeeThrough = 108;

class TreePictures : public ::testing::Test {
protected:
    TreePictures() {
        Library.Open(std::filesystem::path(ZORVIK_GAME_DIR) / "dat" / "Zorvik.ac8");
        TreeNode = Library.LoadImageNamed("tree");
        SheetNode = Library.LoadImageNamed("treegfx");
        Tree = Library.GetImageData(TreeNode);
        Sheet = Library.GetImageData(SheetNode);
    }
    ~TreePictures() override {
        Library.ReleaseImageData(TreeNode);
        Library.ReleaseImageData(SheetNode);
        Library.ReleaseImage(TreeNode);
        Library.ReleaseImage(SheetNode);
    }

    // Share of the rectangle's pixels that are drawn (not see-through), in percent.
    int Drawn(const TRect& r) const {
        int drawn = 0;
        for (std::int32_t y = r.Top; y < r.Bottom; ++y)
            for (std::int32_t x = r.Left; x < r.Right; ++x) drawn += Sheet->GetPixel({x, y}) != kSeeThrough;
        return drawn * 100 / (RectWidth(r) * RectHeight(r));
    }

    TAC8Library Library;
    TImageNode* TreeNode = nullptr;
    TImageNode* SheetNode = nullptr;
    TAC8ImageData* Tree = nullptr;
    TAC8ImageData* Sheet = nullptr;
};

TEST_F(TreePictures, TheSheetHoldsEveryPieceWhereTheCodeCutsIt) {
    EXPECT_EQ(Sheet->TransparentColour(), kSeeThrough);
    for (std::uint8_t kind = 1; kind <= kBaubleKindCount; ++kind) {
        const TRect r = BaubleSourceRect(kind);
        ASSERT_LE(r.Right, Sheet->Width());
        ASSERT_LE(r.Bottom, Sheet->Height());
        EXPECT_GT(Drawn(r), 25) << "bauble " << int(kind);
    }
    for (std::uint8_t top = 1; top <= 4; ++top) EXPECT_GT(Drawn(TreeTopPiece(top).Source), 20) << "top " << int(top);
    for (int garland = 1; garland <= 4; ++garland) EXPECT_GT(Drawn(TreeTinselPiece(garland).Source), 3) << "tinsel " << garland;
}

TEST_F(TreePictures, EveryBulbHasADarkAndADifferentLitCell) {
    for (int bulb = 1; bulb <= 36; ++bulb) {
        if (bulb == 27) continue;
        const TRect dark = TreeBulbSource(bulb, false), lit = TreeBulbSource(bulb, true);
        EXPECT_GT(Drawn(dark), 10) << "bulb " << bulb;
        EXPECT_GT(Drawn(lit), 10) << "bulb " << bulb;
        bool differ = false;
        for (std::int32_t y = 0; y < kTreeBulbSize; ++y)
            for (std::int32_t x = 0; x < kTreeBulbSize; ++x)
                differ |= Sheet->GetPixel({dark.Left + x, dark.Top + y}) != Sheet->GetPixel({lit.Left + x, lit.Top + y});
        EXPECT_TRUE(differ) << "bulb " << bulb;
    }
}

TEST_F(TreePictures, TheBareTreeIsOpaqueAndHasRoomForTheAlbumsPart) {
    EXPECT_EQ(Tree->Width(), 225);
    EXPECT_EQ(Tree->Height(), 320);
    EXPECT_EQ(Tree->TransparentColour(), -1);
    for (std::int32_t y = 0; y < Tree->Height(); y += 7)
        for (std::int32_t x = 0; x < Tree->Width(); x += 5) ASSERT_NE(Tree->GetPixel({x, y}), kSeeThrough);
}

}  // namespace
