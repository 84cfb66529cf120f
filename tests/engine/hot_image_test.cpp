// Held pictures: sharing by name, private copies, release and refetch, the album picture
// stream, and sizes that are refused.
#include <gtest/gtest.h>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_layer_node.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream.h"
#include "test_library.h"

namespace {

// 6 by 4, pixel (x, y) = 10 y + x + 1, transparent colour 3.
TAC8Picture Numbered() {
    TAC8Picture p = SolidPicture("tree", 6, 4, 0);
    for (std::uint32_t i = 0; i < p.Pixels.size(); ++i) p.Pixels[i] = static_cast<std::uint8_t>(10 * (i / 6) + i % 6 + 1);
    p.HasTransparency = true;
    p.TransparentColour = 3;
    return p;
}

std::int32_t CacheCount(const TAC8Library& library) {
    std::int32_t n = 0;
    for (TVekNode* node = library.Cache().First(); node != nullptr; node = node->Next) ++n;
    return n;
}

class HotImageTest : public testing::Test {
protected:
    HotImageTest() : Pictures({Numbered(), SolidPicture("sprite", 2, 2, 44)}) {}
    // Every holder names the library it lives in.
    TAC8Library* Library() { return &Pictures.Library; }

    TTestLibrary Pictures;
};

TEST_F(HotImageTest, HoldersByNameShareOneEntry) {
    auto first = std::make_unique<THotImage>("Tree", false, Library());
    THotImage second("tree", false, Library());
    EXPECT_EQ(first->Entry(), second.Entry());
    EXPECT_EQ(second.Entry()->RefCount, 2);
    first->Image();
    first.reset();
    EXPECT_EQ(second.Entry()->RefCount, 1);
    EXPECT_EQ(second.Entry()->DataRefCount, 0);
    EXPECT_EQ(second.Image().GetPixel({5, 3}), 36);
}

TEST_F(HotImageTest, PrivateCopiesAreIndependent) {
    THotImage shared("tree", false, Library());
    THotImage copy("tree", true, Library());
    EXPECT_NE(copy.Entry(), shared.Entry());
    EXPECT_EQ(CacheCount(Pictures.Library), 2);  // the temporary holder left nothing behind
    copy.Image().FillRect(TRect{0, 0, 1, 1}, 99);
    EXPECT_EQ(shared.Image().GetPixel({0, 0}), 1);
    // Every pixel was copied, the transparent colour too, and the copy keeps the transparency.
    EXPECT_EQ(copy.Image().GetPixel({2, 0}), 3);
    EXPECT_EQ(copy.Image().TransparentColour(), 3);
    EXPECT_EQ(shared.Image().TransparentColour(), 3);
}

TEST_F(HotImageTest, CopiesOfSurfacesAndRectangles) {
    THotImage source("tree", false, Library());
    TAC8ImageData& s = source.Image();
    const auto copy = THotImage::CreateCopy(s, Library());
    EXPECT_EQ(copy->Image().Width(), 6);
    for (std::int32_t y = 0; y < 4; ++y)
        for (std::int32_t x = 0; x < 6; ++x) ASSERT_EQ(copy->Image().GetPixel({x, y}), s.GetPixel({x, y}));
    EXPECT_EQ(s.TransparentColour(), 3);

    s.SetTransparency(3, false);
    const auto part = THotImage::CreateCopyRect(s, TRect{1, 1, 4, 3}, Library());
    EXPECT_EQ(part->Image().Width(), 3);
    EXPECT_EQ(part->Image().Height(), 2);
    EXPECT_EQ(part->Image().GetPixel({0, 0}), 12);
    EXPECT_EQ(part->Image().GetPixel({2, 1}), 24);
    EXPECT_EQ(part->Image().TransparentColour(), -1);
    EXPECT_EQ(s.TransparentColour(), -1);
}

TEST_F(HotImageTest, CopyCarriesLayers) {
    THotImage base("tree", false, Library());
    THotImage sprite("sprite", false, Library());
    TAC8LayerDesc desc;
    desc.X = 1;
    desc.Y = 1;
    base.Image().AddLayer(sprite.Image(), desc);
    const auto copy = THotImage::CreateCopy(base.Image(), Library());
    EXPECT_EQ(copy->Image().GetPixel({1, 1}), 44);
    ASSERT_NE(copy->Image().Layers().First(), nullptr);
    EXPECT_EQ(static_cast<TAC8LayerNode*>(copy->Image().Layers().First())->X, 1);

    // A copy of a part has the layers too, placed where they lie on that part.
    const auto part = THotImage::CreateCopyRect(base.Image(), TRect{1, 0, 5, 4}, Library());
    ASSERT_NE(part->Image().Layers().First(), nullptr);
    EXPECT_EQ(part->Image().Layers().First()->Next, nullptr);
    const auto* layer = static_cast<TAC8LayerNode*>(part->Image().Layers().First());
    EXPECT_EQ(layer->X, 0);
    EXPECT_EQ(layer->Y, 1);
    EXPECT_EQ(&layer->Source(), &sprite.Image());
    EXPECT_EQ(part->Image().GetPixel({0, 1}), 44);
}

TEST_F(HotImageTest, ReleaseAndRefetchKeepTransparency) {
    const auto blank = THotImage::CreateBlank(5, 5, Library());
    blank->Image().SetTransparency(7, true);
    blank->Image().FillRect(TRect{1, 1, 2, 2}, 8);
    blank->Release();
    EXPECT_FALSE(blank->HoldsSurface());
    EXPECT_EQ(blank->Entry()->ImageData, nullptr);  // the surface went, the picture stayed
    EXPECT_EQ(blank->Image().TransparentColour(), 7);
    EXPECT_EQ(blank->Image().GetPixel({1, 1}), 8);
    // Switched off, it stays off.
    blank->Image().SetTransparency(7, false);
    blank->Release();
    EXPECT_EQ(blank->Image().TransparentColour(), -1);
}

TEST_F(HotImageTest, StreamRoundTripWithTransparency) {
    THotImage source("tree", true, Library());
    source.Image().SetTransparency(12, true);
    TMemoryStream stream;
    source.SaveToStream(stream);
    EXPECT_EQ(stream.Bytes()[0], 6);
    EXPECT_EQ(stream.Bytes()[2], 4);
    EXPECT_EQ(stream.Bytes()[4], 1);
    EXPECT_EQ(stream.Bytes()[5], 12);

    stream.Seek(0);
    const auto loaded = THotImage::CreateFromStream(stream, Library());
    EXPECT_NE(loaded->Entry(), source.Entry());
    EXPECT_NE(loaded->Entry()->Name, source.Entry()->Name);
    TAC8ImageData& image = loaded->Image();
    EXPECT_TRUE(image.StripsLocked());
    EXPECT_EQ(image.TransparentColour(), 12);
    for (std::int32_t y = 0; y < 4; ++y)
        for (std::int32_t x = 0; x < 6; ++x) ASSERT_EQ(image.GetPixel({x, y}), source.Image().GetPixel({x, y}));
    // And again after a release.
    loaded->Release();
    EXPECT_EQ(loaded->Image().TransparentColour(), 12);
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST_F(HotImageTest, GeneratedKeysCountUp) {
    const auto a = THotImage::CreateBlank(1, 1, Library());
    const auto b = THotImage::CreateBlank(1, 1, Library());
    const int ka = std::stoi(a->Entry()->Name.Text());
    EXPECT_GE(ka, 1);
    EXPECT_EQ(b->Entry()->Name.Text(), std::to_string(ka + 1));
}

TEST_F(HotImageTest, EmptySizesAreRefusedBeforeAnythingIsMade) {
    const std::int32_t before = CacheCount(Pictures.Library);
    EXPECT_THROW(THotImage::CreateBlank(0, 5, Library()), AC8Exception);
    EXPECT_THROW(THotImage::CreateBlank(5, -1, Library()), AC8Exception);
    THotImage source("tree", false, Library());
    EXPECT_THROW(THotImage::CreateCopyRect(source.Image(), TRect{3, 0, 3, 2}, Library()), AC8Exception);
    EXPECT_THROW(THotImage::CreateCopyRect(source.Image(), TRect{3, 2, 1, 0}, Library()), AC8Exception);
    TMemoryStream zero(std::vector<std::uint8_t>{0, 0, 4, 0, 0, 0});
    EXPECT_THROW(THotImage::CreateFromStream(zero, Library()), AC8Exception);
    EXPECT_EQ(CacheCount(Pictures.Library), before + 1);
    EXPECT_THROW(THotImage("nosuch", false, Library()), AC8Exception);
    EXPECT_THROW(THotImage("nosuch", true, Library()), AC8Exception);
    EXPECT_EQ(CacheCount(Pictures.Library), before + 1);
}

TEST_F(HotImageTest, DamagedStreamsLeaveNoPicture) {
    THotImage source("tree", true, Library());
    TMemoryStream stream;
    source.SaveToStream(stream);
    std::vector<std::uint8_t> bytes = stream.Bytes();
    const std::int32_t before = CacheCount(Pictures.Library);
    for (const std::size_t cut : {std::size_t{3}, std::size_t{10}, bytes.size() - 1}) {
        TMemoryStream shortStream(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
        EXPECT_THROW(THotImage::CreateFromStream(shortStream, Library()), VekException) << cut;
    }
    bytes[22] = 0xEE;  // a record version nothing knows
    TMemoryStream damaged(bytes);
    EXPECT_THROW(THotImage::CreateFromStream(damaged, Library()), VekException);
    EXPECT_EQ(CacheCount(Pictures.Library), before);
}

}  // namespace
