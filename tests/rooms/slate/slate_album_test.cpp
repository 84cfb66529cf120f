// The slate's snapshot on its way through the album: taken, shown, printed, kept.
#include "tests/rooms/slate/slate_game.h"

#include "engine/graphics/hot_image.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/slate/slate_snapshot.h"
#include "tests/support/record_framing.h"

#include <algorithm>

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

// Every pixel of the snapshot drawn at full size.
std::vector<std::uint8_t> Drawn(const TStaticSlateDrawing& snapshot, TAC8Library* library) {
    const auto canvas = THotImage::CreateBlank(kSlateWidth, kSlateHeight, library);
    DrawStaticSlate(snapshot, canvas->Image(), canvas->Image().GetBounds(), library);
    std::vector<std::uint8_t> pixels;
    for (std::int32_t y = 0; y < kSlateHeight; ++y)
        for (std::int32_t x = 0; x < kSlateWidth; ++x) pixels.push_back(canvas->Image().GetPixel(TPoint{x, y}));
    return pixels;
}

// The map with the seeds of every record in reverse order: the same regions, other seeds first.
std::vector<std::uint8_t> ReversedSeeds(std::vector<std::uint8_t> map) {
    for (int i = 0; i < kSlateMapRecords; ++i) {
        std::uint32_t start = 0;
        for (int b = 3; b >= 0; --b) start = (start << 8) | map[static_cast<std::size_t>(4 * i + b)];
        const std::size_t at = kSlateMapHeaderSize + 5 * start;
        const std::size_t n = map[at + 2] | (map[at + 3] << 8);
        for (std::size_t k = 0; k < n / 2; ++k)
            std::swap_ranges(map.begin() + std::ptrdiff_t(at + 5 + 5 * k), map.begin() + std::ptrdiff_t(at + 10 + 5 * k),
                             map.begin() + std::ptrdiff_t(at + 5 + 5 * (n - 1 - k)));
    }
    return map;
}

TEST_F(SlateInTheAlbum, APhotoIsDrawnFromItsOwnRecordsAndSurvivesAChangedMap) {
    EnterSlate();
    Game->Click("3");
    AddSticker(5);
    Game->Click("FLOP");
    AddSticker(7);
    Game->Click("HALF");
    Drawing().Fill(OnRegion(2), 33);
    Game->Room()->RunScript("", "SNAP");
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), 1);
    const std::vector<std::uint8_t> snapped = SnapshotStream(*Album().Entry(1));
    const std::vector<std::uint8_t> drawn =
        Drawn(static_cast<TStaticSlateDrawing&>(*Album().Entry(1)->Snapshot), Game->World().GetImageLibrary());

    const fs::path map = Game->Folder().Path() / "dat" / "slatemap.dat";
    const std::vector<std::uint8_t> reversed = ReversedSeeds(ReadWholeFile(map));
    ASSERT_NE(reversed, ReadWholeFile(map));
    Game->Folder().Write("dat/slatemap.dat", reversed);
    Game->Restart();
    EXPECT_EQ(Shown(), "") << "the saved game still loads";
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(SnapshotStream(*Album().Entry(1)), snapped);
    // The restarted game has a library of its own.
    EXPECT_EQ(Drawn(static_cast<TStaticSlateDrawing&>(*Album().Entry(1)->Snapshot), Game->World().GetImageLibrary()),
              drawn);
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
    EXPECT_TRUE(refused(20, 2)) << "a seed off the page";
    EXPECT_TRUE(refused(16, 0)) << "a region count that is not the record's";
    const std::size_t second = 1 + 13 + good[12] + 256 * good[13];
    EXPECT_TRUE(refused(second, 3)) << "a page index as sticker";
    EXPECT_TRUE(refused(4, 1)) << "page moved";
    EXPECT_TRUE(refused(3, 1)) << "page halved";

    // A sticker may lie partly off the slate, never so far that its bounds could overflow.
    const auto readWithX = [&](std::int32_t x) {
        std::vector<std::uint8_t> bytes = good;
        for (std::size_t i = 0; i < 4; ++i)
            bytes[second + 3 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(x) >> (8 * i));
        TMemoryStream in(bytes);
        (void)TStaticSlateDrawing::ReadFrom(in);
    };
    EXPECT_NO_THROW(readWithX(-2048));
    EXPECT_THROW(readWithX(2049), QEException);
    EXPECT_THROW(readWithX(INT32_MIN), QEException);

    // Drawing a snapshot without a page leaves the surface alone.
    TMemoryStream empty;
    std::vector<std::uint8_t> bytes = good;
    TMemoryStream in(bytes);
    auto copy = TStaticSlateDrawing::ReadFrom(in);
    DrawStaticSlate(*copy, Game->View(), MakeBounds(0, 0, 200, 120), Game->World().GetImageLibrary());
}

}  // namespace
}  // namespace slate_tests
