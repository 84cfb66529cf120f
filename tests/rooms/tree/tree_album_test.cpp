// The tree's snapshot on its way through the album: taken, shown on a page, printed, and kept
// across a restart.
#include "tests/rooms/tree/tree_game.h"

#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/tree/tree.h"
#include "rooms/tree/tree_snapshot.h"
#include "shell/world.h"

namespace tree_tests {
namespace {

class TreeInTheAlbum : public TreeGame {
protected:
    // A decorated tree snapped once.
    void SnapADecoratedTree() {
        EnterTree();
        Game->Click("A2");
        Game->Click("T1");
        Room().RunScript("B", "B03");
        Room().RunScript("B", "B07");
        Room().RunScript("", "SNAP");
        Game->Tick(12);
    }

};

std::vector<std::uint8_t> StreamOf(const TTree& tree) {
    TMemoryStream s;
    WriteTreeSnapshot(tree, s);
    return s.Bytes();
}

TEST_F(TreeInTheAlbum, ASnapOfTheTreeIsAnAlbumPictureThatDrawsPrintsAndStays) {
    SnapADecoratedTree();
    ASSERT_EQ(Album().Count(), 1);
    TPicNode* entry = Album().Entry(1);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Kind, kTreeSnapshotKind);
    EXPECT_EQ(SnapshotStream(*entry), StreamOf(Tree())) << "the album keeps the tree as it was";

    // Decorating on does not change the copy.
    const std::vector<std::uint8_t> snapped = SnapshotStream(*entry);
    Room().RunScript("B", "B11");
    EXPECT_EQ(SnapshotStream(*Album().Entry(1)), snapped);

    // On its page the album draws the tree: its green shows in the view.
    Game->World().GoRoom("ALBUM");
    Game->Tick(21);
    ASSERT_EQ(Game->RoomName(), "ALBUM");
    ASSERT_FALSE(Album().CoverShown());
    const int green = Game->CountViewPixels(74);
    EXPECT_GT(green, 1000) << "the tree's green on the page";

    // Printed full size through the headless printer: one job, the tree's full size framed.
    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    ASSERT_EQ(Printers.Jobs[0].Pictures.size(), 1u);
    EXPECT_TRUE(Printers.Jobs[0].Ended);
    EXPECT_EQ(Shown(), "");

    // Kept in the saved game.
    Game->Restart();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kTreeSnapshotKind);
    EXPECT_EQ(SnapshotStream(*Album().Entry(1)), snapped);
    EXPECT_EQ(Shown(), "");
}


}  // namespace
}  // namespace tree_tests
