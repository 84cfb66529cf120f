// The image library: opening and indexing files, the reference-counted cache with its
// surfaces, run-time images, and files that must be refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ac8_test_records.h"
#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "tests/support/temp_folder.h"
#include "tools/ac8/ac8_writer.h"
#include "tools/ac8/sample_pictures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const VekException& e) {
        return e.what();
    }
    return "no error";
}

TIndexedPicture Solid(const std::string& name, std::uint32_t w, std::uint32_t h, std::uint8_t colour) {
    return TIndexedPicture{name, int(w), int(h), Bytes(std::size_t(w) * h, colour), false, 0};
}

class AC8LibraryTest : public testing::Test {
protected:
    fs::path Write(const std::string& file, const std::vector<TIndexedPicture>& pictures) {
        const fs::path path = FFolder / file;
        SaveAC8Library(path, MakeSamplePalette(), pictures);
        return path;
    }
    fs::path WriteBytes(const std::string& file, const Bytes& bytes) {
        const fs::path path = FFolder / file;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }
    Bytes LibraryBytes(const std::vector<TIndexedPicture>& pictures) {
        TMemoryStream s;
        WriteAC8Library(s, MakeSamplePalette(), pictures);
        return s.TakeBytes();
    }

    // Not named after the test: other builds' test programs may run it at the same time.
    testing_support::TempFolder FTemp;
    fs::path FFolder = FTemp.Path();
    TAC8Library FLibrary;
};

TEST_F(AC8LibraryTest, OpensIndexesAndLoadsDecodedImages) {
    const TIndexedPicture room = MakeSamplePicture(1, 512, 320, "LivingRo");
    const fs::path path = Write("main.ac8", {room, Solid("tree", 10, 20, 5), Solid("TREE", 4, 4, 9)});
    FLibrary.Open(path);
    EXPECT_TRUE(FLibrary.IsOpen());
    EXPECT_EQ(FLibrary.IndexCount(), 2u);  // the second "tree" in any case is not indexed
    EXPECT_EQ(FLibrary.ImageOffset("livingro"), AC8FirstRecordOffset);
    EXPECT_TRUE(FLibrary.ImageExists("LIVINGRO"));
    EXPECT_FALSE(FLibrary.ImageExists("sofa"));
    ASSERT_NE(FLibrary.Palette(), nullptr);
    EXPECT_EQ((*FLibrary.Palette())[255 * 4], 255);

    TImageNode* node = FLibrary.LoadImage("LivingRo");
    EXPECT_EQ(node->Name, AC8ImageName("livingro"));
    EXPECT_EQ(node->Image->StoredState(), AC8StatePlain);
    EXPECT_EQ(PictureRows(*node->Image), room.pixels);
    // The first record of a name in file order wins.
    TImageNode* tree = FLibrary.LoadImageNamed("Tree");
    EXPECT_EQ(tree->Image->Width(), 10);
    EXPECT_EQ(tree->Image->Row(0)[0], 5);
    // A longer name finds the record of its first 8 characters.
    EXPECT_EQ(FLibrary.LoadImageNamed("LivingRoom12"), node);
    EXPECT_EQ(node->RefCount, 2);
}

TEST_F(AC8LibraryTest, CountsReferencesOfImagesAndSurfaces) {
    FLibrary.Open(Write("main.ac8", {Solid("tree", 8, 8, 3)}));
    TImageNode* first = FLibrary.LoadImage("Tree");
    TImageNode* second = FLibrary.LoadImage("tree");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->RefCount, 2);
    EXPECT_EQ(FLibrary.Cache().CachedCount(), 1);

    TAC8ImageData* data = FLibrary.GetImageData(first);
    EXPECT_EQ(FLibrary.GetImageData(first), data);
    EXPECT_EQ(first->DataRefCount, 2);
    EXPECT_EQ(data->Width(), 8);
    FLibrary.ReleaseImageData(first);
    EXPECT_EQ(first->ImageData.get(), data);
    FLibrary.ReleaseImageData(first);
    EXPECT_EQ(first->ImageData, nullptr);
    FLibrary.ReleaseImageData(first);  // nothing left to release
    EXPECT_EQ(first->DataRefCount, 0);

    FLibrary.ReleaseImage(first);
    EXPECT_EQ(FLibrary.Cache().CachedCount(), 1);
    FLibrary.ReleaseImage(first);
    EXPECT_EQ(FLibrary.Cache().CachedCount(), 0);
    FLibrary.ReleaseImage(nullptr);
}

TEST_F(AC8LibraryTest, RunTimeImagesShadowFileImagesAndLeaveOnFirstRelease) {
    FLibrary.Open(Write("main.ac8", {Solid("tree", 8, 8, 3)}));
    TImageNode* made = FLibrary.CreateImage("TREE", 5, 6);
    EXPECT_EQ(made->RefCount, 0);
    EXPECT_EQ(made->Name, AC8ImageName("tree"));
    EXPECT_EQ(made->Image->Row(5)[4], 0);
    EXPECT_EQ(FLibrary.LoadImage("tree"), made);  // the cache is searched before the file
    FLibrary.ReleaseImage(made);
    EXPECT_EQ(FLibrary.Cache().CachedCount(), 0);

    TImageNode* blank = FLibrary.CreateImage("blank", 3, 3);
    FLibrary.ReleaseImage(blank);  // RefCount 0: freed at once
    EXPECT_TRUE(FLibrary.Cache().IsEmpty());

    EXPECT_THROW(FLibrary.CreateImage("huge", 65281, 1), AC8Exception);
    EXPECT_THROW(FLibrary.CreateImage("flat", 10, 0), AC8Exception);
    EXPECT_TRUE(FLibrary.Cache().IsEmpty());
}

TEST_F(AC8LibraryTest, StreamImagesRoundTripAndFailuresLeaveNoNode) {
    TImageNode* made = FLibrary.CreateImage("snap", 20, 10);
    made->Image->Row(3)[7] = 42;
    TMemoryStream saved;
    FLibrary.SaveImage(made, saved);
    saved.Seek(0);
    TImageNode* back = FLibrary.CreateImageFromStream("copy", 20, 10, saved);
    EXPECT_EQ(back->Image->Row(3)[7], 42);
    EXPECT_EQ(FLibrary.Cache().CachedCount(), 2);

    Bytes damaged = saved.TakeBytes();
    damaged.resize(damaged.size() - 1);
    TMemoryStream bad(damaged);
    EXPECT_THROW(FLibrary.CreateImageFromStream("bad", 20, 10, bad), VekException);
    EXPECT_EQ(FLibrary.Cache().CachedCount(), 2);
}

TEST_F(AC8LibraryTest, SurfaceThatCannotBeMadeRaisesAndKeepsItsCount) {
    TImageNode* node = FLibrary.CreateImage("broken", 4, 2);
    // An image whose strip fails to decode only once a surface is asked for.
    TTestRecord record;
    record.Width = 4;
    record.Height = 2;
    record.Strips = {{1, 2, AC8FlagEncoded, {7}}};
    TMemoryStream s(record.Bytes());
    node->Image->LoadFromStream(s);
    EXPECT_THROW(FLibrary.GetImageData(node), AC8Exception);
    EXPECT_EQ(node->DataRefCount, 0);
    EXPECT_EQ(node->ImageData, nullptr);
}

TEST_F(AC8LibraryTest, NamesAndClosedLibraryMessages) {
    EXPECT_EQ(MessageOf([&] { FLibrary.ImageOffset("x"); }), "ImageOffset: no library loaded");
    FLibrary.Open(Write("main.ac8", {Solid("tree", 8, 8, 3)}));
    EXPECT_EQ(MessageOf([&] { FLibrary.CheckImageName("Sofa", true); }), "Image \"Sofa\" does not exist");
    EXPECT_EQ(MessageOf([&] { FLibrary.CheckImageName("Tree", false); }), "Image name \"Tree\" is already in use");
    FLibrary.CheckImageName("Tree", true);
    FLibrary.CheckImageName("Sofa", false);
    EXPECT_EQ(MessageOf([&] { FLibrary.LoadImage("sofa"); }), "Image \"sofa\" does not exist");
    EXPECT_TRUE(FLibrary.Cache().IsEmpty());
}

TEST_F(AC8LibraryTest, EmptyLibraryAndReopening) {
    FLibrary.Open(Write("empty.ac8", {}));
    EXPECT_EQ(fs::file_size(FFolder / "empty.ac8"), 1030u);
    EXPECT_EQ(FLibrary.IndexCount(), 0u);
    EXPECT_THROW(FLibrary.LoadImage("tree"), AC8Exception);

    FLibrary.Open(Write("main.ac8", {Solid("tree", 8, 8, 3)}));
    FLibrary.LoadImage("tree");
    FLibrary.CreateImage("buffer", 4, 4);
    FLibrary.Open(Write("other.ac8", {Solid("star", 2, 2, 1)}));
    EXPECT_TRUE(FLibrary.Cache().IsEmpty());  // opening another file freed every image
    EXPECT_FALSE(FLibrary.ImageExists("tree"));
    EXPECT_EQ(FLibrary.FileName(), FFolder / "other.ac8");
}

TEST_F(AC8LibraryTest, ClosingNeverWritesTheFile) {
    // A file with bytes after its last record would be cut if closing wrote anything; it is
    // also read-only, which must not stop it being opened.
    const fs::path path = Write("main.ac8", {Solid("tree", 8, 8, 3)});
    const auto size = fs::file_size(path);
    const auto time = fs::last_write_time(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    FLibrary.Open(path);
    FLibrary.LoadImage("tree");
    FLibrary.Close();
    EXPECT_FALSE(FLibrary.IsOpen());
    EXPECT_EQ(FLibrary.Palette(), nullptr);
    EXPECT_EQ(fs::file_size(path), size);
    EXPECT_EQ(fs::last_write_time(path), time);
    fs::permissions(path, fs::perms::owner_all);
}

TEST_F(AC8LibraryTest, DamagedFilesLeaveTheLibraryClosed) {
    const Bytes good = LibraryBytes({Solid("tree", 8, 8, 3), Solid("star", 40000, 2, 1)});
    FLibrary.Open(WriteBytes("good.ac8", good));
    const auto second = static_cast<std::size_t>(FLibrary.ImageOffset("star"));  // a record of two strips
    FLibrary.Close();
    struct Case {
        std::string What;
        Bytes File;
        std::string Message;
    };
    std::vector<Case> cases;
    auto damaged = [&](const std::string& what, auto change, const std::string& message) {
        Bytes b = good;
        change(b);
        cases.push_back({what, b, message});
    };
    damaged("magic", [](Bytes& b) { b[0] = 'X'; }, "ValidateAC8FileHeader: header invalid");
    damaged("bits", [](Bytes& b) { b[2] = 4; }, "ValidateAC8FileHeader: header invalid");
    damaged("version", [](Bytes& b) { b[4] = 3; }, "ValidateAC8FileHeader: header invalid");
    damaged("palette cut short", [](Bytes& b) { b.resize(500); }, "Input file is corrupt - unexpected end of data.");
    damaged("record version", [](Bytes& b) { b[1030 + 16] = 9; }, "Invalid AC8 image header");
    damaged("record end past the file", [&](Bytes& b) { b.resize(b.size() - 1); }, "Invalid AC8 image header");
    damaged("record end inside its header", [](Bytes& b) { b[1030 + 18] = 5; b[1030 + 19] = 0; },
            "Invalid AC8 image header");
    damaged("ends not increasing", [&](Bytes& b) { std::copy_n(&b[second + 18], 4, &b[second + 22]); },
            "Invalid AC8 image header");
    damaged("a zero-length record would loop", [&](Bytes& b) { std::fill_n(&b[second + 18], 8, 0); },
            "Invalid AC8 image header");
    damaged("trailing bytes", [](Bytes& b) { b.insert(b.end(), {1, 2, 3}); },
            "Input file is corrupt - unexpected end of data.");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const fs::path path = WriteBytes("bad.ac8", c.File);
        EXPECT_EQ(MessageOf([&] { FLibrary.Open(path); }), c.Message);
        EXPECT_FALSE(FLibrary.IsOpen());
        EXPECT_EQ(FLibrary.IndexCount(), 0u);
    }
    EXPECT_THROW(FLibrary.Open(FFolder / "missing.ac8"), VekException);
    EXPECT_FALSE(FLibrary.IsOpen());
}

TEST_F(AC8LibraryTest, DestroyingClearsRegisteredVariables) {
    auto library = std::make_unique<TAC8Library>();
    TAC8Library* held = library.get();
    TAC8Library* other = nullptr;
    library->AddReference(&held);
    library->AddReference(&other);  // does not hold this library: not registered
    other = library.get();
    library.reset();
    EXPECT_EQ(held, nullptr);
    EXPECT_NE(other, nullptr);
}

}  // namespace
