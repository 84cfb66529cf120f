// The slate's snapshot on its way through the album: taken, shown, printed, kept.
#include "tests/rooms/slate/slate_game.h"

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
            TStaticSlateDrawing::ReadFrom(in, Drawing().SharedMap());
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
    EXPECT_TRUE(refused(19, 200)) << "a seed moved";
    const std::size_t second = 1 + 13 + good[12] + 256 * good[13];
    EXPECT_TRUE(refused(second, 3)) << "a page index as sticker";

    // Drawing a snapshot without a page leaves the surface alone.
    TMemoryStream empty;
    std::vector<std::uint8_t> bytes = good;
    TMemoryStream in(bytes);
    auto copy = TStaticSlateDrawing::ReadFrom(in, Drawing().SharedMap());
    DrawStaticSlate(*copy, Game->View(), MakeBounds(0, 0, 200, 120), Game->World().GetImageLibrary());
}

}  // namespace
}  // namespace slate_tests
