// The train table's snapshot on its way through the album (taken, shown, printed, kept across
// a restart), its stream byte for byte, and the layout given to the wrapping table.
#include "tests/rooms/train/train_game.h"

#include "foundation/vek_exception.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/questions/gift_table.h"
#include "rooms/train/train_set.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"

namespace train_tests {
namespace {

std::vector<std::uint8_t> StreamOf(const TTrainSet& set) {
    TMemoryStream s;
    WriteTrainSet(set, s);
    return s.Bytes();
}

class TrainInTheAlbum : public TrainGame {
protected:
    // A loop with engine 1 and its car running, and engine 2 standing on the far side.
    void BuildAndRun() {
        EnterTrains();
        LayLoop();
        Game->Click("SWITCH");
        Lay(2, 1, 2, 5);
        Place(1, 2, 0);
        Game->Click("CAR1");
        Place(2, 2, 3);
        Game->Click("+1KNB");
        Game->Tick(9);
    }
};

TEST_F(TrainInTheAlbum, ASnapOfTheTableIsAnAlbumPictureThatDrawsPrintsAndStays) {
    BuildAndRun();
    const auto expected = MakeTrainSet(Layout());
    Room().RunScript("", "SNAP");
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), 1);
    TPicNode* entry = Album().Entry(1);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Kind, kTrainSnapshotKind);
    const std::vector<std::uint8_t> snapped = SnapshotStream(*entry);
    EXPECT_EQ(snapped, StreamOf(*expected));
    EXPECT_TRUE(expected->Entries[0].Present);
    EXPECT_TRUE(expected->Entries[1].Present);
    EXPECT_TRUE(expected->Entries[2].Present) << "the car hooked on";
    EXPECT_FALSE(expected->Entries[3].Present);

    // On its page the album draws the table: the grass and the yellow engine show.
    Game->World().GoRoom("ALBUM");
    Game->Tick(21);
    ASSERT_EQ(Game->RoomName(), "ALBUM");
    ASSERT_FALSE(Album().CoverShown());
    const int grass = Game->CountViewPixels(68);
    EXPECT_GT(grass, 1000);

    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    ASSERT_EQ(Printers.Jobs[0].Pictures.size(), 1u);
    EXPECT_TRUE(Printers.Jobs[0].Ended);
    EXPECT_EQ(Shown(), "");

    Game->Restart();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kTrainSnapshotKind);
    EXPECT_EQ(SnapshotStream(*Album().Entry(1)), snapped);
    EXPECT_EQ(Shown(), "");
}

TEST_F(TrainInTheAlbum, TheStreamIsTheClassIdThenTwentyCellsThenFourEntries) {
    TTrainSet set;
    set.Cells[1][2] = TTrainCell{1, 4, 1, 2, true, true};
    set.Cells[4][3] = TTrainCell{2, 5, 3, 1, false, false};
    set.Entries[1] = TTrainSetEntry{-16, 30, 27, 3, 2, true};
    const std::vector<std::uint8_t> bytes = StreamOf(set);
    ASSERT_EQ(bytes.size(), 1u + 20 * 5 + 4 * 12);
    EXPECT_EQ(bytes[0], 0);
    const std::size_t cell12 = 1 + (1 * 4 + 2) * 5;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + cell12, bytes.begin() + cell12 + 5),
              (std::vector<std::uint8_t>{1, 4, 1, 2, 1})) << "the pending flip is not kept";
    const std::size_t entry2 = 1 + 100 + 12;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + entry2, bytes.begin() + entry2 + 12),
              (std::vector<std::uint8_t>{0xF0, 30, 27, 3, 0, 0, 0, 2, 0, 0, 0, 1}));
    TMemoryStream in(bytes);
    const auto read = ReadTrainSet(in);
    EXPECT_EQ(in.Remaining(), 0);
    EXPECT_EQ(StreamOf(*read), bytes);

    const auto damaged = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> copy = bytes;
        copy[at] = value;
        TMemoryStream s(copy);
        try {
            ReadTrainSet(s);
        } catch (const VekException& e) {
            return std::string(e.what()).find("Saved game is damaged.") != std::string::npos;
        }
        return false;
    };
    EXPECT_TRUE(damaged(0, 1)) << "format marker";
    EXPECT_TRUE(damaged(cell12, 3)) << "column";
    EXPECT_TRUE(damaged(cell12 + 2, 2)) << "switch position";
    EXPECT_TRUE(damaged(cell12 + 3, 3)) << "terrain";
    EXPECT_TRUE(damaged(cell12 + 4, 2)) << "spring";
    EXPECT_TRUE(damaged(entry2 + 2, 32)) << "direction";
    EXPECT_TRUE(damaged(entry2 + 11, 2)) << "present";
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 1);
    TMemoryStream s(cut);
    EXPECT_THROW(ReadTrainSet(s), VekException);
}

TEST_F(TrainInTheAlbum, WrapGivesTheLayoutToTheWrappingTableAndEmptiesTheTable) {
    BuildAndRun();
    // Engine 2 has crashed: leaving for the wrapping table sends it to the workshop.
    Engine(2).State = kCrashed;
    Room().RunScript("", "WRAP");
    Game->Tick(1);
    ASSERT_EQ(Game->RoomName(), "WRAP");
    const TGift* gift = Game->RoomAs<TWrapRoom>("WRAP").Gift();
    ASSERT_NE(gift, nullptr);
    EXPECT_EQ(gift->Kind, kTrainGift);
    for (std::int32_t x = 0; x < kLayoutColumns; ++x)
        for (std::int32_t y = 0; y < kLayoutRows; ++y) EXPECT_EQ(Cell(x, y), TTrainCell{});
    EXPECT_EQ(Engine(1).State, kOnShelf);
    EXPECT_EQ(Engine(2).State, kInWorkshop) << "an engine exists once: it stays in the workshop";
    EXPECT_EQ(Room().Page(), 1);
    EXPECT_EQ(FindFrameSetOrFail(Room().FrameSets(), "ENG2").CurrentFrame, 3);
    EXPECT_EQ(FindFrameSetOrFail(Room().FrameSets(), "PALSWITCH").CurrentFrame, 0);
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace train_tests
