// The tree room played through the headless game over the built content: adding baubles
// from the tray, dragging them onto the branches and off, the switches, the twinkling
// lights, the help page, the camera and the saved record.
#include "tests/rooms/tree/tree_game.h"

#include <algorithm>

#include "engine/graphics/ac8_image_data.h"
#include "rooms/questions/house_tree.h"
#include "rooms/tree/tree_pictures.h"
#include "rooms/tree/tree_snapshot.h"
#include "shell/room.h"
#include "shell/world.h"
#include "tests/shell/test_world.h"

namespace tree_tests {
namespace {

// Where a new bauble goes when nothing has moved the next place: the tree picture's middle.
constexpr TPoint kMiddle{112, 160};

const TBauble& Last(TTree& tree) { return *static_cast<const TBauble*>(tree.Baubles().Last()); }

// ---- the tray

using TreeTray = TreeGame;

TEST_F(TreeTray, ABaubleBoxPutsASelectedBaubleOfItsKindInTheMiddle) {
    EnterTree();
    Game->Click("B05");
    ASSERT_EQ(Tree().Baubles().CachedCount(), 1);
    EXPECT_EQ(Last(Tree()).Kind, 5);
    EXPECT_EQ(Last(Tree()).Position, kMiddle);
    EXPECT_TRUE(Last(Tree()).Selected);
    // Selected: the cream box with its orange outline.
    EXPECT_EQ(Game->ViewPixel(kMiddle.X, kMiddle.Y), 11);
    EXPECT_EQ(Game->ViewPixel(kMiddle.X + 1, kMiddle.Y + 1), 40);

    Game->Click("B14");
    EXPECT_EQ(Last(Tree()).Kind, 14);
    EXPECT_EQ(Last(Tree()).Position, (TPoint{kMiddle.X + 2, kMiddle.Y + 2})) << "each new one a little further";
    EXPECT_FALSE(static_cast<const TBauble*>(Tree().Baubles().First())->Selected) << "only the newest is selected";
    EXPECT_EQ(Shown(), "");
}

TEST_F(TreeTray, TheNextPlaceWalksDownRightThenJumpsBackUpAndFinallyReturnsToTheMiddle) {
    EnterTree();
    TTree& tree = Tree();
    for (int i = 0; i < 25; ++i) tree.AddBauble(1);
    EXPECT_EQ(tree.NextOffset(), (TPoint{50, 50}));
    tree.AddBauble(1);
    EXPECT_EQ(tree.NextOffset(), (TPoint{2, -8})) << "past 50 to the right it goes back 50 and up 60";
    TPoint offset = tree.NextOffset();
    int added = 0;
    while (offset.Y >= -50 && offset != TPoint{0, 0} && added < 200) {
        tree.AddBauble(2);
        offset = tree.NextOffset();
        ++added;
    }
    EXPECT_EQ(offset, (TPoint{0, 0}));
}

TEST_F(TreeTray, TheHundredAndSecondBaubleTakesTheOldestAway) {
    EnterTree();
    TTree& tree = Tree();
    tree.AddBauble(3);
    const TVekNode* oldest = tree.Baubles().First();
    for (int i = 1; i < 101; ++i) tree.AddBauble(7);
    EXPECT_EQ(tree.Baubles().CachedCount(), 101);
    EXPECT_EQ(tree.Baubles().First(), oldest) << "the 101st keeps them all";
    Game->Click("B09");
    EXPECT_EQ(tree.Baubles().CachedCount(), 101);
    EXPECT_EQ(static_cast<const TBauble*>(tree.Baubles().First())->Kind, 7);
    EXPECT_EQ(Last(tree).Kind, 9);
}

TEST_F(TreeTray, TheOldestBaubleGoingAfterTheRoomWasLeftDrawsNowhere) {
    EnterTree();
    for (int i = 0; i < 101; ++i) Game->Click("B01");
    EXPECT_NE(Tree().LastSurface(), nullptr);
    Game->World().GoRoom("CTTEXT");
    Game->Tick(1);
    EXPECT_EQ(Tree().LastSurface(), nullptr) << "leaving lets the pictures and the last drawing go";
    Tree().AddBauble(2);  // the living room's tree may still change; nothing is drawn
    EXPECT_EQ(Tree().Baubles().CachedCount(), 101);
    EXPECT_EQ(Shown(), "");
}

TEST_F(TreeTray, ABoxThatOffersNoBaubleIsAScriptFault) {
    EnterTree();
    for (const char* box : {"B22", "BXY", "B00", "B7"})
        EXPECT_THROW(Room().RunScript("B", box), QEException) << box;
    EXPECT_TRUE(Tree().Baubles().IsEmpty());
}

// ---- dragging

class TreeDrag : public TreeGame {
protected:
    // A bauble of the kind at the middle, then pressed at its top-left plus (3, 3).
    void PickNew(int kind) {
        Room().RunScript("B", (kind < 10 ? "B0" : "B") + std::to_string(kind));
        Grab = Last(Tree()).Position;
        Game->MouseDown(TPoint{Grab.X + 3, Grab.Y + 3});
    }
    TPoint Grab;
};

TEST_F(TreeDrag, ABaubleDroppedOnTheBranchesStaysAndShowsItsPicture) {
    EnterTree();
    PickNew(1);
    Game->MouseMove({63, 103});
    EXPECT_TRUE(Last(Tree()).Selected);
    EXPECT_EQ(Game->ViewPixel(60, 100), 11) << "dragged: outlined at the new place";
    EXPECT_NE(Game->ViewPixel(kMiddle.X + 9, kMiddle.Y + 11), 40) << "the old place is tree again";
    Game->MouseUp({63, 103});
    ASSERT_EQ(Tree().Baubles().CachedCount(), 1);
    EXPECT_EQ(Last(Tree()).Position, (TPoint{60, 100}));
    EXPECT_FALSE(Last(Tree()).Selected);
    EXPECT_FALSE(Last(Tree()).OffTree);
    // The red ball's middle shows red, and no outline is left.
    EXPECT_EQ(Game->ViewPixel(60 + 9, 100 + 12), 16);
    EXPECT_NE(Game->ViewPixel(60, 100), 11);
    EXPECT_EQ(Shown(), "");
}

TEST_F(TreeDrag, OneDroppedOverAnotherStays) {
    EnterTree();
    PickNew(2);
    Game->MouseUp({Grab.X + 3, Grab.Y + 3});
    PickNew(3);
    Game->MouseUp({Grab.X - 2 + 3, Grab.Y - 2 + 3});  // back onto the first one
    EXPECT_EQ(Tree().Baubles().CachedCount(), 2);
}

TEST_F(TreeDrag, BaublesDroppedBelowTheBranchesOrBesideThemAreGone) {
    EnterTree();
    PickNew(4);
    Game->MouseMove({Grab.X + 3, 268 + 3});
    EXPECT_TRUE(Last(Tree()).OffTree);
    EXPECT_EQ(Game->ViewPixel(Grab.X + 9, 268 + 9), 40) << "off the branches only the box shows";
    Game->MouseUp({Grab.X + 3, 268 + 3});
    EXPECT_TRUE(Tree().Baubles().IsEmpty()) << "top at y 268";
    EXPECT_NE(Game->ViewPixel(Grab.X + 9, 268 + 9), 40) << "and the tree is drawn where it was";

    PickNew(4);
    Game->MouseUp({0 + 3, 10 + 3});  // x 0 in row 0 is left of the tip
    EXPECT_TRUE(Tree().Baubles().IsEmpty());

    PickNew(4);
    Game->MouseUp({Grab.X + 3, 267 + 3});
    EXPECT_EQ(Tree().Baubles().CachedCount(), 1) << "top at y 267 still hangs";
}

TEST_F(TreeDrag, DraggingClampsAtTheLeftTopAndRightButNotTheBottom) {
    EnterTree();
    PickNew(14);  // 35 wide
    Game->MouseMove({-40, -40});
    EXPECT_EQ(Last(Tree()).Position, (TPoint{0, 0}));
    Game->MouseMove({400, 100});
    EXPECT_EQ(Last(Tree()).Position, (TPoint{225 - 35, 97}));
    Game->MouseMove({100, 318});
    EXPECT_EQ(Last(Tree()).Position, (TPoint{97, 315})) << "the bottom is not held back";
    Game->MouseUp({100, 318});
    EXPECT_TRUE(Tree().Baubles().IsEmpty());
}

TEST_F(TreeDrag, PickingABaubleBringsTheNextNewOneBackToTheMiddle) {
    EnterTree();
    Room().RunScript("B", "B01");
    Room().RunScript("B", "B01");
    Room().RunScript("B", "B01");
    EXPECT_EQ(Tree().NextOffset(), (TPoint{6, 6}));
    Game->MouseDown({kMiddle.X + 1, kMiddle.Y + 1});  // the first one, under the others' corners
    EXPECT_EQ(Tree().NextOffset(), (TPoint{0, 0}));
    Game->MouseUp({kMiddle.X + 1, kMiddle.Y + 1});
    Room().RunScript("B", "B06");
    EXPECT_EQ(Last(Tree()).Position, kMiddle);
}

TEST_F(TreeDrag, PressingBesideTheBaublesTakesNothingAndDeselects) {
    EnterTree();
    Room().RunScript("B", "B01");
    Game->MouseDown({20, 20});
    EXPECT_EQ(Tree().FirstSelected(), nullptr);
    EXPECT_NE(Game->ViewPixel(kMiddle.X, kMiddle.Y), 11) << "the outline went with the selection";
    Game->MouseMove({60, 60});
    Game->MouseUp({60, 60});
    EXPECT_EQ(Last(Tree()).Position, kMiddle) << "nothing was dragged";
}

TEST_F(TreeDrag, TheHandShowsOverABaubleOnly) {
    EnterTree();
    Room().RunScript("B", "B01");
    EXPECT_EQ(Room().GetBoxCursor("TREE", kMiddle.X + 5, kMiddle.Y + 5), 4);
    EXPECT_EQ(Room().GetBoxCursor("TREE", 5, 5), 0);
    Game->MouseMove({kMiddle.X + 5, kMiddle.Y + 5});
    EXPECT_EQ(Game->ViewCursor(), 4);
}

// ---- switches and lights

using TreeSwitches = TreeGame;

std::int16_t Frame(TRoom& room, const char* name) { return FindFrameSetOrFail(room.FrameSets(), name).CurrentFrame; }

TEST_F(TreeSwitches, TheTopsAreOneChoice) {
    EnterTree();
    Game->Click("A2");
    EXPECT_EQ(Tree().TopChoice(), 2);
    EXPECT_EQ(Frame(Room(), "A2"), 1);
    // The star's gold shows at the tip.
    const TTreePiece& star = TreeTopPiece(2);
    EXPECT_EQ(Game->ViewPixel(star.At.X + 20, star.At.Y + 25), 51);
    Game->Click("A2");
    EXPECT_EQ(Tree().TopChoice(), 0) << "pressing the shown one takes it off";
    EXPECT_EQ(Frame(Room(), "A2"), 0);
    EXPECT_NE(Game->ViewPixel(star.At.X + 20, star.At.Y + 25), 51);
    Game->Click("A2");
    Game->Click("A3");
    EXPECT_EQ(Tree().TopChoice(), 3);
    EXPECT_EQ(Frame(Room(), "A2"), 0);
    EXPECT_EQ(Frame(Room(), "A3"), 1);
}

TEST_F(TreeSwitches, LightsAndGarlandsSwitchOnAndOffEachByItself) {
    EnterTree();
    Game->Click("L1");
    Game->Click("T4");
    Game->Click("T2");
    EXPECT_TRUE(Tree().LightString(1));
    EXPECT_FALSE(Tree().LightString(2));
    EXPECT_TRUE(Tree().Tinsel(4));
    EXPECT_TRUE(Tree().Tinsel(2));
    EXPECT_EQ(Frame(Room(), "T4"), 1);
    Game->Click("T4");
    EXPECT_FALSE(Tree().Tinsel(4));
    EXPECT_EQ(Frame(Room(), "T4"), 0);
    // A dark bulb of string 1 sits at its place.
    TPoint at;
    ASSERT_TRUE(TreeBulbPoint(1, at));
    EXPECT_TRUE(Tree().BulbExists(1));
    EXPECT_FALSE(Tree().BulbExists(10));
}

TEST_F(TreeSwitches, ASwitchTheScriptDidNotDeclareIsTheMissingNodeError) {
    EnterTree();
    EXPECT_THROW(Room().RunScript("L", "L5"), QEException);
}

TEST_F(TreeSwitches, TheLightsTwinkleOnlyOnStringsThatAreOnAndBulb27NeverLights) {
    EnterTree();
    Game->Click("L3");
    Game->Click("L4");
    int everLit = 0;
    for (int step = 0; step < 300; ++step) {
        Game->Tick(1);
        for (int bulb = 1; bulb <= kTreeBulbCount; ++bulb) {
            if (!Tree().BulbLit(bulb)) continue;
            ++everLit;
            EXPECT_GE(TreeBulbString(bulb), 3) << "bulb " << bulb;
            EXPECT_LE(Tree().BulbCounter(bulb), 12);
        }
        EXPECT_EQ(Tree().BulbCounter(27), 0);
    }
    EXPECT_GT(everLit, 0);
}

TEST_F(TreeSwitches, TheSameRandomSequenceTwinklesTheSameWay) {
    auto run = [this]() -> std::vector<int> {
        EnterTree();
        Game->Click("L1");
        Game->Click("L2");
        Game->Context().RandomNumbers().Seed(77);
        Game->Tick(60);
        std::vector<int> counters;
        for (int bulb = 1; bulb <= kTreeBulbCount; ++bulb) counters.push_back(Tree().BulbCounter(bulb));
        // Lit bulbs show the lower, lit row of their strip.
        for (int bulb = 1; bulb <= 18; ++bulb) {
            TPoint at;
            if (!TreeBulbPoint(bulb, at)) continue;
            if (Tree().BulbLit(bulb)) {
                EXPECT_EQ(Game->ViewPixel(at.X + 3, at.Y + 2), 255) << "bulb " << bulb;
            }
        }
        Game.reset();
        return counters;
    };
    const auto first = run();
    EXPECT_EQ(run(), first);
    EXPECT_NE(std::count_if(first.begin(), first.end(), [](int c) { return c > 0; }), 0);
}

// ---- the rest of the room

using TreeRoomGame = TreeGame;

TEST_F(TreeRoomGame, TheTutorOpensTheHelpPageWhichLeadsBack) {
    EnterTree();
    Game->PressTutor();
    EXPECT_EQ(Game->RoomName(), "CTTEXT");
    Game->Click("EXIT");
    EXPECT_EQ(Game->RoomName(), "TREE");
    EXPECT_EQ(Shown(), "");
}

TEST_F(TreeRoomGame, TheCameraFlashes) {
    EnterTree();
    EXPECT_TRUE((Room().Flags & kRoomSnapEnabled) != 0);
    Room().RunScript("", "SNAP");
    EXPECT_TRUE(Room().IsBlanked());
    Game->Tick(12);
    EXPECT_FALSE(Room().IsBlanked());
    EXPECT_EQ(Shown(), "");
}

TEST_F(TreeRoomGame, TheAlbumsCopyDrawsTheTreeShrunkIntoItsRectangle) {
    EnterTree();
    Game->Click("A1");
    Game->Click("T1");
    Room().RunScript("B", "B03");
    const auto copy = Tree().Clone();
    TAC8ImageData& view = Game->View();
    const TRect thumbnail = MakeBounds(300, 50, kTreeThumbnailSize.Width, kTreeThumbnailSize.Height);
    view.FillRect(MakeRect(thumbnail.Left - 2, thumbnail.Top - 2, thumbnail.Right + 2, thumbnail.Bottom + 2), 0);
    DrawTreeSnapshot(*copy, view, thumbnail);
    EXPECT_EQ(copy->LastSurface(), nullptr) << "the drawing's own picture is gone afterwards";
    // Its top-left is the tree's (15, 0) (the wall), its middle column the tree's middle.
    const std::uint8_t wallColour = Game->ViewPixel(15, 0);
    EXPECT_EQ(Game->ViewPixel(thumbnail.Left, thumbnail.Top), wallColour);
    int treeGreen = 0;
    for (std::int32_t y = thumbnail.Top; y < thumbnail.Bottom; ++y)
        if (Game->ViewPixel(thumbnail.Left + 70, y) == 74) ++treeGreen;
    EXPECT_GT(treeGreen, 50);
    // Nothing is drawn outside the rectangle.
    EXPECT_EQ(Game->ViewPixel(thumbnail.Right, thumbnail.Top + 100), 0);
    EXPECT_EQ(Game->ViewPixel(thumbnail.Left + 70, thumbnail.Bottom), 0);
    EXPECT_EQ(Game->ViewPixel(thumbnail.Left - 1, thumbnail.Top), 0);
}

// ---- the saved record

using TreeRecord = TreeGame;

TEST_F(TreeRecord, TheRecordReadsBackExactlyAndSurvivesARestart) {
    EnterTree();
    Game->Click("A4");
    Game->Click("L2");
    Game->Click("T3");
    Game->Click("B21");
    Game->MouseDown({kMiddle.X + 3, kMiddle.Y + 3});
    Game->MouseUp({kMiddle.X - 40, kMiddle.Y - 50});
    Game->Click("B11");
    const std::vector<std::uint8_t> before = Record();
    // top, 4 + 4 switches, two baubles of 10 bytes, 12 frame sets of 2 bytes
    ASSERT_EQ(before.size(), 1u + 8u + 2u + 20u + 24u);

    TMemoryStream s(before);
    Room().ReadData(s);
    EXPECT_EQ(s.Remaining(), 0);
    EXPECT_EQ(Record(), before);

    Game->Restart();
    Game->World().GoRoom("TREE");
    Game->Tick(1);
    EXPECT_EQ(Record(), before);
    EXPECT_EQ(Tree().TopChoice(), 4);
    EXPECT_EQ(Frame(Room(), "A4"), 1);
    EXPECT_EQ(Last(Tree()).Kind, 11);
    EXPECT_EQ(Tree().FirstSelected(), nullptr) << "the selection is not kept";
    EXPECT_EQ(Shown(), "");
}

TEST(TreeLifetime, TheRoomKeepsItsTreeWhileItLetsPicturesGoAndFreesItWhenTakenDown) {
    TTestWorld world;
    auto* room = world.AddRoom(std::make_unique<TTreeRoom>("TREE"));
    TTree* tree = FindHouseTree(world);
    ASSERT_NE(tree, nullptr);
    tree->SetTopChoice(3);
    room->ReleaseGraphics(false);
    ASSERT_EQ(FindHouseTree(world), tree) << "leaving the room keeps the decorations";
    EXPECT_EQ(tree->TopChoice(), 3);
    room->ReleaseGraphics(true);
    EXPECT_EQ(FindHouseTree(world), nullptr);
    ReleaseHouseTreePictures(world);  // the living room letting go afterwards finds nothing to do
}

TEST_F(TreeRecord, SavedGamesBeforeVersionFiveHaveNoTree) {
    EnterTree();
    Game->Click("A1");
    TMemoryStream s(std::vector<std::uint8_t>{9, 9, 9});
    EXPECT_FALSE(Room().ReadSavedRecord(s, 4));
    EXPECT_EQ(s.Position(), 0) << "nothing of the file is taken for the tree";
    EXPECT_EQ(Tree().TopChoice(), 1);
    TMemoryStream damaged(std::vector<std::uint8_t>{9, 9, 9});
    EXPECT_THROW(Room().ReadSavedRecord(damaged, 5), QEException);
}

TEST_F(TreeRecord, ADamagedFrameStateIsTheCorruptSavedGame) {
    EnterTree();
    std::vector<std::uint8_t> bytes = Record();
    ASSERT_GE(bytes.size(), 2u);
    bytes.at(bytes.size() - 2) = 2;  // T4's frame: only 0 and 1 exist
    TMemoryStream s(bytes);
    try {
        Room().ReadData(s);
        ADD_FAILURE() << "accepted";
    } catch (const VekException& e) {
        EXPECT_STREQ(e.what(), "Saved game is corrupt.");
    }
}

}  // namespace
}  // namespace tree_tests
