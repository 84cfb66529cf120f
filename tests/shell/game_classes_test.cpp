// Every class the game's files can hold is known to the program: the one registration routine
// covers the node classes and room kinds, and the real start of the game (the main window
// with the game's own loaders, not the test harness) reads a saved game holding a node list.
#include <gtest/gtest.h>

#include "shell/game_cursors.h"

#include <filesystem>
#include <fstream>

#include "foundation/node_factory.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "rooms/game_classes.h"
#include "shell/frame_set.h"
#include "shell/game_loaders.h"
#include "shell/hit_box.h"
#include "shell/room.h"
#include "shell/room_kinds.h"
#include "shell/world_room_stack.h"
#include "tests/support/headless_main_window.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void ForgetEveryNodeClass() {
    for (int id = 0; id < 256; ++id) UnregisterNodeClass(static_cast<std::uint8_t>(id));
}

TEST(GameClasses, OneRoutineRegistersEveryStoredNodeClassAndTheGenericRoomKinds) {
    ForgetEveryNodeClass();
    RegisterGameClasses();
    for (int id : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12})
        EXPECT_TRUE(IsNodeClassRegistered(static_cast<std::uint8_t>(id))) << "class id " << id;
    // No class carries these; a stream holding one is damaged.
    for (int id : {9, 10, 14, 255}) EXPECT_FALSE(IsNodeClassRegistered(static_cast<std::uint8_t>(id))) << "class id " << id;
    for (const char* kind : {"", "DISKOPS", "FRONT", "TEXT", "ENTRYTEXT"})
        EXPECT_NE(CreateRoomOfKind(kind, "R"), nullptr) << "kind " << kind;

    // Calling it again changes nothing.
    RegisterGameClasses();
    EXPECT_TRUE(IsNodeClassRegistered(12));
}

TEST(GameClasses, EachRegisteredClassReadsBackItsOwnRecord) {
    RegisterGameClasses();
    TVekList list;
    list.Append(std::make_unique<TVekNode>());
    list.Append(std::make_unique<TIDNode>("ITEM"));
    list.Append(std::make_unique<THitBox>("PLAIN", MakeRect(1, 2, 3, 4)));
    auto go = std::make_unique<TGoBox>("DOOR", MakeRect(5, 6, 7, 8));
    go->SetTarget("KITCHEN");
    list.Append(std::move(go));
    list.Append(std::make_unique<TSayBox>("SAY", MakeRect(0, 0, 1, 1)));
    list.Append(std::make_unique<TReturnBox>("BACK", MakeRect(0, 0, 1, 1)));
    list.Append(std::make_unique<TScriptBox>("QUIT", MakeRect(0, 0, 1, 1)));
    list.Append(std::make_unique<TRoomScriptBox>("RUN", MakeRect(0, 0, 1, 1)));
    list.Append(std::make_unique<TControlBox>("DRAG", MakeRect(0, 0, 1, 1)));
    list.Append(std::make_unique<TFrameSet>("LAMP", MakeRect(3, 4, 13, 24), 2, 10, "lamp", nullptr));
    list.Append(std::make_unique<TRoomStackNode>());
    TMemoryStream written;
    list.SaveToStream(written);

    written.Seek(0);
    TVekList read;
    read.LoadFromStream(written);
    EXPECT_EQ(written.Position(), written.Size());
    ASSERT_EQ(read.Count(), list.Count());
    TMemoryStream again;
    read.SaveToStream(again);
    EXPECT_EQ(again.Bytes(), written.Bytes());
}

// A room whose saved record is a node list, as the tree's baubles are.
class TNodeListRoom : public TRoom {
public:
    using TRoom::TRoom;
    void ReadData(TStream& s) override { Items.LoadFromStream(s); }
    void WriteData(TStream& s) override { Items.SaveToStream(s); }
    // Nothing to draw: the test has no pictures for it.
    void Draw(TAC8ImageData*) override {}
    TVekList Items;
};

Bytes SavedGameWithNodeList() {
    TMemoryStream s;
    for (std::uint16_t v : {0x51, 0x45, 0x53, 9}) WriteWord(s, v);
    WriteByte(s, std::uint8_t(1));
    TVekList items;
    items.Append(std::make_unique<TIDNode>("STAR"));
    auto go = std::make_unique<TGoBox>("DOOR", MakeRect(5, 6, 7, 8));
    go->SetTarget("KITCHEN");
    items.Append(std::move(go));
    items.Append(std::make_unique<TControlBox>("DRAG", MakeRect(1, 1, 9, 9)));
    items.SaveToStream(s);
    return s.TakeBytes();
}

class GameStart : public testing::Test, public testing_support::THeadlessMainWindow {};

TEST_F(GameStart, TheRealStartReadsASavedGameHoldingANodeListAndKeepsItWhole) {
    RegisterRoomKind("NODES", &MakeRoomOfKind<TNodeListRoom>);
    {
        std::ofstream(Folder.Path() / "dat" / "init.txt") << "BEGIN NODES\nNODESROOM NODES A room of nodes\n";
        // Every cursor, so the start has nothing to report.
        std::ofstream cursors(Folder.Path() / "dat" / "cursors.txt");
        for (const std::int16_t number : kCursorLoadOrder) cursors << number << " tile 0 0\n";
    }
    const Bytes saved = SavedGameWithNodeList();
    Folder.Write("Default.qeg", saved);
    // Nothing this test process registered before counts: only what the start registers.
    ForgetEveryNodeClass();

    TFormQEServices services = Services();
    UseGameLoaders(services);
    Form = std::make_unique<TFormQE>(std::move(services), std::vector<std::string>{});
    ASSERT_TRUE(Form->Create());
    Window.RunOnce();
    EXPECT_TRUE(Boxes.Boxes.Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(Folder.Path() / "Default.qeg.bad"));

    auto* room = dynamic_cast<TNodeListRoom*>(World().FindRoom("NODES"));
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(RoomName(), "NODES");
    ASSERT_EQ(room->Items.Count(), 3);
    EXPECT_EQ(static_cast<TIDNode*>(room->Items.GetNode(1))->GetID(), "STAR");
    auto* door = dynamic_cast<TGoBox*>(room->Items.GetNode(2));
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->GetTarget(), "KITCHEN");
    EXPECT_NE(dynamic_cast<TControlBox*>(room->Items.GetNode(3)), nullptr);

    // The end of the game writes back exactly what was read.
    Form.reset();
    EXPECT_EQ(ReadWholeFile(Folder.Path() / "Default.qeg"), saved);
}

}  // namespace
