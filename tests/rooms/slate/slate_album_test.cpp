// The slate's snapshot on its way through the album: taken, shown, printed, kept.
#include "tests/rooms/slate/slate_game.h"

#include "engine/graphics/hot_image.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/slate/slate_snapshot.h"
#include "tests/support/record_framing.h"

namespace slate_tests {
namespace {

class SlateInTheAlbum : public SlateGame {};

TEST_F(SlateInTheAlbum, ASnapIsAnAlbumPictureThatDrawsPrintsAndStays) {
    EnterSlate();
    Game->Click("2");
    AddSticker(5);
    Game->Click("FLOP");
    AddSticker(8);
    Game->Click("HALF");
    Game->Room()->RunScript("", "SNAP");
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), 1);
    TPicNode* entry = Album().Entry(1);
    EXPECT_EQ(entry->Kind, kSlateSnapshotKind);
    const std::vector<std::uint8_t> snapped = SnapshotStream(*entry);

    // The stream reads back exactly; the copy does not follow the slate.
    EXPECT_EQ(testing_support::CheckRecordFraming(
                  [&](TStream& s) { FindSnapshotKind(4)->Write(*entry->Snapshot, s); },
                  [&](TStream& s) { (void)TStaticSlateDrawing::ReadFrom(s); },
                  [&](TStream& s) {
                      TMemoryStream again(snapped);
                      TStaticSlateDrawing::ReadFrom(again)->WriteTo(s);
                  }),
              "");
    Game->Room()->RunScript("BTN", "9");
    EXPECT_EQ(SnapshotStream(*Album().Entry(1)), snapped);

    // The thumbnail shows the slate's paper and its colours.
    Game->World().GoRoom("ALBUM");
    Game->Tick(21);
    ASSERT_EQ(Game->RoomName(), "ALBUM");
    const int ink = Game->CountViewPixels(kOutlineColour);
    EXPECT_GT(ink, 200) << "the slate's lines on the page";

    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    EXPECT_TRUE(Printers.Jobs[0].Ended);
    EXPECT_EQ(Shown(), "");

    Game->Restart();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(SnapshotStream(*Album().Entry(1)), snapped);
    EXPECT_EQ(Shown(), "");
}

TEST_F(SlateInTheAlbum, DamagedStreamsAreRefusedAndAMissingPageDrawsNothing) {
    EnterSlate();
    AddSticker(5);
    const TStaticSlateDrawing snapshot(Drawing());
    TMemoryStream s;
    snapshot.WriteTo(s);
    const std::vector<std::uint8_t> good = s.Bytes();
    const auto refused = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        TMemoryStream in(bytes);
        try {
            TStaticSlateDrawing::ReadFrom(in);
        } catch (const QEException& e) {
            return std::string(e.what()) == "Saved game is damaged.";
        }
        return false;
    };
    EXPECT_TRUE(refused(0, 0)) << "no objects";
    EXPECT_TRUE(refused(0, 17)) << "too many";
    EXPECT_TRUE(refused(1, 8)) << "the first object must be a page";
    EXPECT_TRUE(refused(2, 2)) << "mirror flag";
    EXPECT_TRUE(refused(12, 0)) << "record size";
    EXPECT_TRUE(refused(18, 3)) << "record index";
    EXPECT_TRUE(refused(20, 200)) << "a seed outside the page";
    EXPECT_TRUE(refused(16, 0)) << "a record without regions";
    const std::size_t second = 1 + 13 + good[12] + 256 * good[13];
    EXPECT_TRUE(refused(second, 3)) << "a page index as sticker";

    // Drawing a snapshot without a page leaves the surface alone.
    TMemoryStream empty;
    std::vector<std::uint8_t> bytes = good;
    TMemoryStream in(bytes);
    auto copy = TStaticSlateDrawing::ReadFrom(in);
    DrawStaticSlate(*copy, Game->View(), MakeBounds(0, 0, 200, 120), Game->World().GetImageLibrary());
}

// A photo keeps its own seeds and colours: a map that has since changed (here, a sticker
// with one region more) neither refuses it nor changes how it looks.
TEST_F(SlateInTheAlbum, APhotoIsDrawnFromItsOwnRecordWhateverTheMapSaysToday) {
    EnterSlate();
    Game->Click("3");
    AddSticker(5);
    Game->Click("FLOP");
    const TStaticSlateDrawing snapshot(Drawing());
    TMemoryStream s;
    snapshot.WriteTo(s);
    std::vector<std::uint8_t> bytes = s.Bytes();
    const std::size_t sticker = 1 + 13 + bytes[12] + 256 * bytes[13];
    const std::size_t sizeAt = sticker + 11, countAt = sizeAt + 4, seedsAt = countAt + 3;
    const std::uint16_t size = std::uint16_t(bytes[sizeAt] + 256 * bytes[sizeAt + 1]);
    bytes[sizeAt] = std::uint8_t((size + 5) & 0xFF);
    bytes[sizeAt + 1] = std::uint8_t((size + 5) >> 8);
    bytes[countAt] = std::uint8_t(bytes[countAt] + 1);  // fewer than 255 regions
    const std::vector<std::uint8_t> firstSeed(bytes.begin() + std::ptrdiff_t(seedsAt), bytes.begin() + std::ptrdiff_t(seedsAt + 5));
    bytes.insert(bytes.begin() + std::ptrdiff_t(sticker + 11 + size + 2), firstSeed.begin(), firstSeed.end());

    TMemoryStream in(bytes);
    std::unique_ptr<TStaticSlateDrawing> kept;
    ASSERT_NO_THROW(kept = TStaticSlateDrawing::ReadFrom(in));
    EXPECT_EQ(in.Position(), in.Size());
    ASSERT_EQ(kept->Objects().CachedCount(), 2);
    EXPECT_TRUE(kept->Objects().Last()->Mirrored);

    const auto drawn = [&](const TStaticSlateDrawing& photo) {
        auto canvas = THotImage::CreateBlank(kSlateWidth, kSlateHeight, Game->World().GetImageLibrary());
        DrawStaticSlate(photo, canvas->Image(), MakeBounds(0, 0, kSlateWidth, kSlateHeight), Game->World().GetImageLibrary());
        std::vector<std::uint8_t> pixels;
        for (std::int32_t y = 0; y < kSlateHeight; ++y)
            for (std::int32_t x = 0; x < kSlateWidth; ++x) pixels.push_back(canvas->Image().GetPixel({x, y}));
        return pixels;
    };
    EXPECT_TRUE(drawn(*kept) == drawn(snapshot));
}

}  // namespace
}  // namespace slate_tests
