// The card table's snapshot: its stream, and its way through the album (taken, shown on a
// page, printed, kept across a restart).
#include "tests/rooms/cards/card_game.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/cards/conc_snapshot.h"
#include "tests/support/record_framing.h"

namespace card_tests {
namespace {

std::vector<std::uint8_t> StreamOf(const TConcInfo& info) {
    TMemoryStream s;
    info.Write(s);
    return s.Bytes();
}

TEST(ConcInfoStream, IsTheMarkerAndOneByteAFaceReadBackExactly) {
    TConcInfo info;
    info.FaceShown[0] = info.FaceShown[7] = info.FaceShown[16] = true;
    const auto bytes = StreamOf(info);
    ASSERT_EQ(bytes.size(), 18u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[17], 1);
    std::unique_ptr<TConcInfo> read;
    EXPECT_EQ(testing_support::CheckRecordFraming([&](TStream& s) { info.Write(s); },
                                                  [&](TStream& s) { read = TConcInfo::Read(s); },
                                                  [&](TStream& s) { read->Write(s); }),
              "");
}

TEST(ConcInfoStream, AnotherMarkerOrAFaceByteAboveOneIsADamagedSavedGame) {
    for (const std::size_t at : {std::size_t{0}, std::size_t{1}, std::size_t{17}}) {
        std::vector<std::uint8_t> bytes(18, 0);
        bytes[at] = 2;
        TMemoryStream s(bytes);
        try {
            TConcInfo::Read(s);
            ADD_FAILURE() << "byte " << at << " was taken";
        } catch (const VekException& e) {
            EXPECT_STREQ(e.what(), "Saved game is damaged.");
        }
    }
    TMemoryStream cut(std::vector<std::uint8_t>(10, 0));
    EXPECT_THROW(TConcInfo::Read(cut), VekException);
}

class CardsInTheAlbum : public CardGame {};

TEST_F(CardsInTheAlbum, ASnapOfTheLitToysIsAnAlbumPictureThatDrawsPrintsAndStays) {
    EnterCards();
    DealDeck(0);
    FinishDeck();
    DealDeck(2);
    FinishDeck();
    DealDeck(1);
    Game->PressAction(1);
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kConcSnapshotKind);
    const auto snapped = AlbumEntryStream(1);
    TConcInfo expected;
    for (int face = 0; face < kConcFaces; ++face)
        expected.FaceShown[static_cast<std::size_t>(face)] = face < 4 || face >= 9;
    EXPECT_EQ(snapped, StreamOf(expected));

    // On its page the album draws the toys on the wall: the wallpaper shows.
    Game->World().GoRoom("ALBUM");
    Game->Tick(21);
    ASSERT_EQ(Game->RoomName(), "ALBUM");
    ASSERT_FALSE(Album().CoverShown());
    TAC8Library& library = *Game->World().GetImageLibrary();
    THotImage room("conc", false, &library);
    const std::uint8_t wall = room.Image().GetPixel(TPoint{130, 20});
    const int wallPixels = Game->CountViewPixels(wall);
    EXPECT_GT(wallPixels, 2000);

    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    EXPECT_TRUE(Printers.Jobs[0].Ended);
    EXPECT_EQ(Shown(), "");

    Game->Restart();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kConcSnapshotKind);
    EXPECT_EQ(AlbumEntryStream(1), snapped);
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace card_tests
