// The built image libraries read back through the game's own library: every picture the game
// asks for by name is there with the size and cells its code cuts it into, every picture of
// the manifest is there as rendered, and every cursor of the cursor list points somewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "tools/pictures/picture_manifest.h"

namespace {

namespace fs = std::filesystem;
const fs::path kDat = fs::path(ZORVIK_GAME_DIR) / "dat";

// One picture opened through the library, released again when the test is done with it.
class TOpenPicture {
public:
    TOpenPicture(TAC8Library& library, const std::string& name) : FLibrary(library) {
        FNode = library.LoadImageNamed(name);
        FImage = library.GetImageData(FNode);
    }
    ~TOpenPicture() {
        FLibrary.ReleaseImageData(FNode);
        FLibrary.ReleaseImage(FNode);
    }
    const TAC8ImageData& operator*() const { return *FImage; }
    const TAC8ImageData* operator->() const { return FImage; }

private:
    TAC8Library& FLibrary;
    TImageNode* FNode = nullptr;
    TAC8ImageData* FImage = nullptr;
};

struct TRequired {
    const char* name;
    int width, height;
    bool seeThrough;  // drawn over something else, so it needs its transparent colour
};

// What the main window, the generic rooms and their init script cut and place.
const TRequired kRequired[] = {
    {"glnd_cnr", 200, 200, true},  // four 100 by 100 corners
    {"glnd_ew", 100, 300, true},   // between the corners of a 100 by 500 column
    {"glnd_ns", 500, 100, true},   // between the corners of a 500 by 100 row
    {"abt_btn", 56, 68, true},     // 56 by 34, two frames
    {"tutr_btn", 119, 68, true},   // 119 by 34, two frames
    {"rb_edge", 60, 180, false},   // three 60 by 60 frames, copied whole
    {"rb_face", 43, 344, true},    // eight 43 by 43 faces
    {"actbtns", 180, 300, false},  // three states by five commands, 60 by 60
    {"textroom", 512, 320, false},
    {"title", 514, 322, false},  // full-frame screens fill the larger view
    {"giftscrn", 514, 322, false},
    {"maingift", 514, 322, false},
    {"viewgift", 153, 26, true},  // exactly the entry page's VIEW box at (8, 287)
    {"ldsv_gfx", 560, 200, true}, // fourteen 40 by 30 buttons in three rows, frame, panels
};

TEST(BuiltLibrary, EveryPictureTheGameCutsHasItsSizeAndCells) {
    TAC8Library library;
    library.Open(kDat / "Zorvik.ac8");
    for (const TRequired& required : kRequired) {
        SCOPED_TRACE(required.name);
        ASSERT_TRUE(library.ImageExists(required.name));
        TOpenPicture picture(library, required.name);
        EXPECT_EQ(picture->Width(), required.width);
        EXPECT_EQ(picture->Height(), required.height);
        EXPECT_EQ(picture->TransparentColour() >= 0, required.seeThrough);
    }
    TOpenPicture tile(library, "tile");
    EXPECT_GT(tile->Width() * tile->Height(), 0);
}

// The page arrows and buttons of the text pages share the strip from y = 287 down: the arrow
// before the page at x 8, the next-page arrow at 165 when both show, the buttons at 8 and 351.
TEST(BuiltLibrary, TextPageButtonsFitTheirStrip) {
    TAC8Library library;
    library.Open(kDat / "Zorvik.ac8");
    for (const char* name : {"more", "prevpage", "viewgift", "strtgame", "helpback"}) {
        SCOPED_TRACE(name);
        TOpenPicture picture(library, name);
        EXPECT_LE(287 + picture->Height(), 320);
        EXPECT_LE(picture->Width(), 157) << "would run into the picture beside it";
        EXPECT_GE(picture->TransparentColour(), 0);
    }
}

TEST(BuiltLibrary, EveryManifestPictureIsStoredAsRendered) {
    TAC8Library library;
    library.Open(kDat / "Zorvik.ac8");
    for (const TPictureEntry& entry : LoadPictureManifest(ZORVIK_PICTURE_MANIFEST)) {
        SCOPED_TRACE(entry.name);
        ASSERT_TRUE(library.ImageExists(entry.name));
        TOpenPicture picture(library, entry.name);
        EXPECT_EQ(picture->Width(), entry.width);
        EXPECT_EQ(picture->Height(), entry.height);
        EXPECT_EQ(picture->TransparentColour(), entry.transparentColour.value_or(-1));
        EXPECT_EQ(entry.width % entry.frameColumns, 0);
        EXPECT_EQ(entry.height % entry.frameRows, 0);
    }
}

TEST(BuiltLibrary, StartLibraryHoldsTheLoadingPicture) {
    TAC8Library library;
    library.Open(kDat / "QEstart.ac8");
    TOpenPicture picture(library, "qestart");
    EXPECT_GT(picture->Width(), 100);
    EXPECT_GT(picture->Height(), 100);
}

struct TCursor {
    std::string image;
    int hotX = 0, hotY = 0;
};

std::map<int, TCursor> BuiltCursorList() {
    std::ifstream in(kDat / "cursors.txt");
    std::map<int, TCursor> cursors;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        int number = 0;
        TCursor cursor;
        if (line.empty() || line[0] == '#' || !(words >> number >> cursor.image >> cursor.hotX >> cursor.hotY)) continue;
        cursors[number] = cursor;
    }
    return cursors;
}

// The window loads cursors in a fixed order and stops at the first missing one, so one gap
// would leave every later cursor the plain arrow. A hot spot must lie on the drawing (or
// right beside it), or the child clicks somewhere else than the picture says.
TEST(BuiltLibrary, EveryCursorIsThereAndPointsWithItsDrawing) {
    TAC8Library library;
    library.Open(kDat / "Zorvik.ac8");
    const std::map<int, TCursor> cursors = BuiltCursorList();
    std::vector<int> numbers;
    for (int n = 1; n <= 25; ++n) numbers.push_back(n);
    numbers.push_back(51);
    numbers.push_back(69);
    for (int number : numbers) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(cursors.count(number));
        const TCursor& cursor = cursors.at(number);
        ASSERT_TRUE(library.ImageExists(cursor.image));
        TOpenPicture picture(library, cursor.image);
        EXPECT_LE(picture->Width(), 32);
        EXPECT_LE(picture->Height(), 32);
        ASSERT_GE(picture->TransparentColour(), 0);
        ASSERT_LT(cursor.hotX, picture->Width());
        ASSERT_LT(cursor.hotY, picture->Height());
        bool nearInk = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const TPoint p{cursor.hotX + dx, cursor.hotY + dy};
                if (p.X >= 0 && p.Y >= 0 && p.X < picture->Width() && p.Y < picture->Height() &&
                    picture->GetPixel(p) != picture->TransparentColour())
                    nearInk = true;
            }
        EXPECT_TRUE(nearInk);
    }
}

}  // namespace
