// The handles give back exactly the references they took, also when moved, reset or
// failing half-way, and do nothing once their library has gone.
#include "engine/graphics/picture_handles.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_image_data.h"
#include "test_library.h"

namespace {

class PictureHandlesTest : public testing::Test {
protected:
    TTestLibrary Pictures{{SolidPicture("door", 8, 4, 7), SolidPicture("lamp", 4, 4, 9)}};
    TAC8Library& Library = Pictures.Library;

    TImageNode* Cached(const char* name) const { return Library.FindCached(AC8ImageName(name)); }
};

TEST_F(PictureHandlesTest, ImageHandlesCountTheirReferencesAndFreeTheLastOne) {
    {
        TImageHandle first(Library, "door");
        ASSERT_NE(first.Node(), nullptr);
        EXPECT_EQ(first.Node()->RefCount, 1);
        TImageHandle second(Library, "DOOR");
        EXPECT_EQ(second.Node(), first.Node());
        EXPECT_EQ(first.Node()->RefCount, 2);

        TImageHandle moved(std::move(second));
        EXPECT_FALSE(second);
        EXPECT_EQ(first.Node()->RefCount, 2);
        moved = TImageHandle(Library, "lamp");  // gives the door's second reference back
        EXPECT_EQ(first.Node()->RefCount, 1);
        EXPECT_NE(Cached("lamp"), nullptr);
        moved.Reset();
        EXPECT_EQ(Cached("lamp"), nullptr);
    }
    EXPECT_EQ(Cached("door"), nullptr);
}

TEST_F(PictureHandlesTest, AMissingImageHoldsNothing) {
    EXPECT_THROW(TImageHandle(Library, "nothere"), AC8Exception);
    EXPECT_THROW(TPictureHandle(Library, "nothere"), AC8Exception);
    EXPECT_EQ(Library.Cache().CachedCount(), 0);
}

TEST_F(PictureHandlesTest, SurfaceHandlesShareOneSurfaceAndDropItLast) {
    TImageHandle image(Library, "door");
    {
        TSurfaceHandle a(Library, image.Node());
        TSurfaceHandle b(Library, image.Node());
        EXPECT_EQ(a.Get(), b.Get());
        EXPECT_EQ(image.Node()->DataRefCount, 2);
        EXPECT_EQ(a->GetPixel(TPoint{0, 0}), 7);
        TSurfaceHandle c = std::move(b);
        EXPECT_FALSE(b);
        EXPECT_EQ(image.Node()->DataRefCount, 2);
    }
    EXPECT_EQ(image.Node()->ImageData, nullptr);
    EXPECT_EQ(image.Node()->RefCount, 1);
}

TEST_F(PictureHandlesTest, APictureHandleHoldsImageAndSurfaceAndGivesBothBack) {
    {
        TPictureHandle picture(Library, "lamp");
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), 4);
        EXPECT_EQ(picture.Node()->RefCount, 1);
        EXPECT_EQ(picture.Node()->DataRefCount, 1);
        TPictureHandle other = std::move(picture);
        EXPECT_FALSE(picture);
        EXPECT_EQ(other.Node()->RefCount, 1);
    }
    EXPECT_EQ(Cached("lamp"), nullptr);

    TPictureHandle blank(TImageHandle::CreateBlank(Library, "scratch", 3, 2));
    EXPECT_EQ(blank->Width(), 3);
    EXPECT_EQ(blank.Node()->RefCount, 1);
    blank.Reset();
    EXPECT_EQ(Cached("scratch"), nullptr);
}

TEST_F(PictureHandlesTest, AHolderOfALentSurfaceKeepsItsPictureUntilItLetsGo) {
    TPictureHandle lender(Library, "door");
    TImageNode* node = lender.Node();
    TPictureHandle holder = TPictureHandle::OfSurface(*lender);
    EXPECT_EQ(holder.Get(), lender.Get());
    EXPECT_EQ(node->RefCount, 2);
    EXPECT_EQ(node->DataRefCount, 2);
    lender.Reset();
    ASSERT_EQ(Cached("door"), node) << "still cached while held";
    EXPECT_EQ(holder->GetPixel(TPoint{0, 0}), 7);
    holder.Reset();
    EXPECT_EQ(Cached("door"), nullptr);

    // A blank picture's surface too; a surface made outside a library has no picture to hold.
    TPictureHandle blank(TImageHandle::CreateBlank(Library, "scratch", 3, 2));
    EXPECT_EQ(TPictureHandle::OfSurface(*blank).Node(), blank.Node());
    TAC8Image image;
    const TAC8ImageData standalone(image);
    EXPECT_FALSE(TPictureHandle::OfSurface(standalone));

    // Once the library has gone the holder is empty.
    auto library = std::make_unique<TAC8Library>();
    library->Open(Library.FileName());
    TPictureHandle gone(*library, "lamp");
    TPictureHandle held = TPictureHandle::OfSurface(*gone);
    library.reset();
    EXPECT_FALSE(held);
}

TEST_F(PictureHandlesTest, HandlesOutlivingTheirLibraryAreEmptyAndGiveNothingBack) {
    auto library = std::make_unique<TAC8Library>();
    library->Open(Library.FileName());
    TPictureHandle picture(*library, "door");
    TImageHandle image(*library, "lamp");
    TLibraryLink link(library.get());
    library.reset();
    EXPECT_FALSE(picture);
    EXPECT_FALSE(image);
    EXPECT_FALSE(link);
    picture.Reset();  // with a freed library this would touch freed memory
}

TEST_F(PictureHandlesTest, HandlesHeldAcrossACloseGiveNothingBack) {
    TPictureHandle picture(Library, "door");
    TImageHandle image(Library, "lamp");
    Library.Close();
    // The cache went with the close; releasing its nodes must not touch them.
    picture.Reset();
    image.Reset();
    EXPECT_EQ(Library.Cache().CachedCount(), 0);
}

TEST_F(PictureHandlesTest, LinksFollowCopiesAndResets) {
    TAC8Library other;
    TLibraryLink a(&Library);
    TLibraryLink b = a;
    b.Reset(&other);
    EXPECT_EQ(a.Get(), &Library);
    EXPECT_EQ(b.Get(), &other);
    {
        TAC8Library shortLived;
        a.Reset(&shortLived);
        b = a;
    }
    EXPECT_FALSE(a);
    EXPECT_FALSE(b);
}

}  // namespace
