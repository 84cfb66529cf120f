// The window closed while the child is in the middle of something: a bauble or a sticker held
// under the mouse, an engine being set on the track, the puzzle's cubes mixing, the oven
// baking, a photo about to hang, the big tag open. The game saved then reads back whole the
// next time, and what it reads it writes again unchanged.
#include "tests/house/house_day.h"

#include <fstream>
#include <functional>
#include <iterator>

#include "foundation/stream.h"
#include "rooms/album/album_room.h"
#include "rooms/kitchen/kitchen_room.h"
#include "rooms/questions/gift_table.h"
#include "rooms/puzzle/puzzle_room.h"
#include "rooms/slate/slate_drawing.h"
#include "rooms/slate/slate_room.h"
#include "rooms/train/train_room.h"
#include "rooms/tree/tree.h"
#include "rooms/tree/tree_room.h"
#include "rooms/wrap/wrap_room.h"
#include "shell/room.h"
#include "shell/saved_game.h"
#include "tests/support/activity_steps.h"

namespace house_day {
namespace {

using namespace testing_support;

class ClosingMidway : public HouseDay {
protected:
    void Go(const std::string& room) {
        Game->World().GoRoom(room);
        ExpectRoom(room);
    }

    // The game closed now, started again: no message, and the file is the header and the
    // records the rooms write after reading it; a day that changes nothing keeps it as it is.
    void CloseAndComeBack() {
        CloseGame();
        const std::vector<std::uint8_t> saved = FileBytes(Game->SavedGameFile());
        ASSERT_GT(saved.size(), std::size_t(kSavedGameHeaderSize));
        StartAgain();
        ASSERT_EQ(Shown(), "");
        ASSERT_EQ(Game->World().KeepReason(), TKeepSavedGame::None);
        TMemoryStream again;
        WriteSavedGameHeader(again, 1);
        for (auto* room : NodesOf<TRoom>(Game->World().Rooms())) room->WriteData(again);
        EXPECT_EQ(again.Bytes(), saved);
        CloseGame();
        EXPECT_EQ(FileBytes(Game->SavedGameFile()), saved);
        StartAgain();
    }
};

TEST_F(ClosingMidway, WhateverTheChildIsDoingTheSavedGameReadsBackWhole) {
    StartGame();
    ASSERT_EQ(Shown(), "");
    const std::vector<std::pair<std::string, std::function<void()>>> moments{
        {"a bauble held over the tree",
         [&] {
             Go("TREE");
             Game->Click("A3");
             Game->Click("B04");
             Game->MouseDown({112 + 3, 160 + 3});
             Game->MouseMove({70, 110});
             ASSERT_NE(Game->World().GetCapturedBox(), nullptr);
         }},
        {"a sticker dragged across the slate",
         [&] {
             Go("SLATE");
             Game->Click("6");
             Game->Tick(6);
             auto& slate = Game->RoomAs<TSlateRoom>("SLATE");
             ASSERT_EQ(slate.Drawing().StickerCount(), 1);
             const TPoint at = slate.Drawing().Sticker(1)->Position;
             Game->MouseDown({at.X + 35, at.Y + 35});
             Game->MouseMove({at.X + 60, at.Y + 45});
         }},
        {"an engine on its way to the track",
         [&] {
             Go("TRAINS");
             auto& trains = Game->RoomAs<TTrainRoom>("TRAINS");
             LayTrackLoop(*Game, trains);
             Game->Click("ENG2");
             Game->MouseMove(TrainTilePoint(1, 0));
             ASSERT_EQ(trains.Layout().Record(2).State, kBeingPlaced);
         }},
        {"the puzzle's cubes mixing",
         [&] {
             Go("PUZZLE");
             Game->Click("DOWN");
             Game->Click("LEVER");
             Game->Tick(5);
             ASSERT_TRUE(Game->RoomAs<TPuzzleRoom>("PUZZLE").Scrambling());
         }},
        {"the oven baking",
         [&] {
             Go("KITCHEN");
             PickCookie(*Game, 2, 1, 3);
             Game->Click("#604GO");
             Game->Tick(5 + 2 * 20);
             auto& kitchen = Game->RoomAs<TKitchenRoom>("KITCHEN");
             kitchen.RunScript("OVN", "#223OVN");
             for (int i = 0; i < 60 && !kitchen.TrayInOven(); ++i) Game->Tick();
             ASSERT_TRUE(kitchen.TrayInOven());
         }},
        {"a photo about to hang",
         [&] {
             Go("TREE");
             Game->PressAction(1);
             Game->Tick(12);
             Go("ALBUM");
             Game->Tick(21);
             ASSERT_TRUE(Album().CanHang());
             Game->PressAction(1);
         }},
        {"the big tag open on the wrapping table",
         [&] {
             Table().SetGift(kDollGift, 0);
             Go("WRAP");
             Game->Click("PAPER3");
             Game->Click("TAGS");
             ASSERT_TRUE(Table().BigTagShown());
         }},
    };
    for (const auto& [moment, play] : moments) {
        SCOPED_TRACE(moment);
        play();
        if (HasFatalFailure()) return;
        ASSERT_NO_FATAL_FAILURE(CloseAndComeBack());
    }
}

}  // namespace
}  // namespace house_day
