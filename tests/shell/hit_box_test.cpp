#include <gtest/gtest.h>

#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "shell_test_fixture.h"
#include "platform/headless/scripted_message_boxes.h"
#include "shell/hit_box.h"
#include "shell/qe_exception.h"
#include "test_world.h"

namespace {

using platform::MessageAnswer;
using platform::headless::ScopedMessageBoxes;

class HitBoxTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        living = world.AddRoom(std::make_unique<TRecordingRoom>("living"));
        kitchen = world.AddRoom(std::make_unique<TRecordingRoom>("kitchen"));
        world.GoRoom("LIVING");
        world.GoRoomCalls.clear();
    }

    template <class T>
    T* Add(TRoom* room, std::string_view name, TRect rect) {
        return static_cast<T*>(room->HitBoxes().AddFirst(std::make_unique<T>(name, rect)));
    }

    TTestWorld world;
    TRecordingRoom* living = nullptr;
    TRecordingRoom* kitchen = nullptr;
};

TEST_F(HitBoxTest, ListHitTestTakesTheFirstEnabledBoxInListOrder) {
    auto& boxes = living->HitBoxes();
    Add<THitBox>(living, "under", MakeRect(0, 0, 100, 100));
    THitBox* over = Add<THitBox>(living, "over", MakeRect(50, 50, 150, 150));

    // The box added last (declared later in the script) is first in the list and wins.
    EXPECT_EQ(boxes.HitTest(60, 60), over);
    EXPECT_EQ(boxes.HitTest(10, 10)->GetID(), "UNDER");

    over->SetEnabled(false);
    EXPECT_EQ(boxes.HitTest(60, 60)->GetID(), "UNDER");
    EXPECT_EQ(over->GetCursor(60, 60), 0);

    // Right and Bottom lie outside.
    EXPECT_EQ(boxes.HitTest(100, 10), nullptr);
    EXPECT_EQ(boxes.HitTest(10, 100), nullptr);
    EXPECT_NE(boxes.HitTest(99, 99), nullptr);
    EXPECT_EQ(boxes.HitTest(-1, 0), nullptr);
    EXPECT_EQ(boxes.FindBox("Under")->GetID(), "UNDER");
}

TEST_F(HitBoxTest, CursorsFollowTheNumberRules) {
    THitBox* box = Add<THitBox>(living, "lamp", MakeRect(10, 20, 30, 40));
    const std::vector<std::pair<std::int16_t, std::int16_t>> cases{
        {0, 0}, {25, 25}, {99, 99}, {-1, -1}, {-7, -7}, {102, 2}, {150, 2}, {32767, 2}};
    for (const auto& [cursor, shown] : cases) {
        box->SetCursor(cursor);
        EXPECT_EQ(box->GetCursor(0, 0), shown) << cursor;
    }

    box->SetCursor(kAskRoomCursor);
    EXPECT_EQ(box->GetCursor(12, 22), 7);
    EXPECT_EQ(living->CursorQuestions, std::vector<std::string>{"LAMP@12,22"});

    box->SetCursor(kWorldDefaultCursor);
    world.DefaultCursor = 51;
    EXPECT_EQ(box->GetCursor(12, 22), 51);

    // Default cursors of the kinds.
    EXPECT_EQ(THitBox("a", {}).Cursor, 0);
    EXPECT_EQ(TGoBox("a", {}).Cursor, 3);
    EXPECT_EQ(TSayBox("a", {}).Cursor, 2);
    EXPECT_EQ(TReturnBox("a", {}).Cursor, 11);
    EXPECT_EQ(TScriptBox("a", {}).Cursor, 1);
    EXPECT_EQ(TRoomScriptBox("a", {}).Cursor, 1);
    EXPECT_EQ(TControlBox("a", {}).Cursor, 1);
    EXPECT_TRUE(TControlBox("a", {}).Capture);
    EXPECT_FALSE(TRoomScriptBox("a", {}).Capture);
}

TEST_F(HitBoxTest, ACursor100BoxAsksItsOwnRoomNotTheCurrentOne) {
    THitBox* box = Add<THitBox>(kitchen, "oven", MakeRect(0, 0, 10, 10));
    box->SetCursor(kAskRoomCursor);
    kitchen->BoxCursor = 19;
    EXPECT_EQ(box->GetCursor(1, 1), 19);
    EXPECT_TRUE(living->CursorQuestions.empty());
}

TEST_F(HitBoxTest, ClicksOfTheBoxKinds) {
    Add<TGoBox>(living, "door", MakeRect(0, 0, 10, 10))->SetTarget("kitchen");
    Add<TReturnBox>(living, "back", MakeRect(10, 0, 20, 10));
    Add<TRoomScriptBox>(living, "bell", MakeRect(20, 0, 30, 10))->SetScript("ring");
    Add<THitBox>(living, "plain", MakeRect(30, 0, 40, 10));
    Add<TAccessBox>(kitchen, "hall", MakeRect(0, 0, 10, 10))->SetTarget("Living");
    living->Handled.insert("BELL");

    world.MouseDown(5, 5);
    EXPECT_EQ(world.GoRoomCalls, std::vector<std::string>{"KITCHEN"});
    EXPECT_EQ(world.Current, kitchen);
    EXPECT_EQ(kitchen->EnteredFrom, std::vector<std::string>{"LIVING"});

    world.MouseDown(5, 5);  // the access box goes like a go box
    EXPECT_EQ(world.Current, living);

    world.MouseDown(15, 5);
    EXPECT_EQ(world.GoBackCalls, 1);
    EXPECT_EQ(world.Current, kitchen);

    world.GoRoom("LIVING");
    living->Messages.clear();
    world.MouseDown(25, 5);
    EXPECT_EQ(living->Messages, std::vector<std::string>{"RING|BELL"});

    world.MouseDown(35, 5);  // a plain box does nothing and never captures
    EXPECT_EQ(world.Captured, nullptr);
    EXPECT_EQ(living->Messages.size(), 1u);
}

TEST_F(HitBoxTest, ARoomScriptBoxSendsToItsOwnRoom) {
    // While a new room is entered the world's current room is still the old one; the box
    // must still talk to the room that owns it.
    auto* box = Add<TRoomScriptBox>(kitchen, "tap", MakeRect(0, 0, 10, 10));
    box->SetScript("water");
    kitchen->Handled.insert("TAP");
    box->Click();
    EXPECT_EQ(kitchen->Messages, std::vector<std::string>{"WATER|TAP"});
    EXPECT_TRUE(living->Messages.empty());
}

TEST_F(HitBoxTest, ScriptBoxesQuitOrAskFirst) {
    ScopedMessageBoxes boxes;
    auto* quit = Add<TScriptBox>(living, "quit", MakeRect(0, 0, 10, 10));
    quit->SetScriptId("ExitGame");
    EXPECT_EQ(quit->GetScriptId(), 1);
    auto* ask = Add<TScriptBox>(living, "ask", MakeRect(0, 0, 10, 10));
    ask->SetScriptId("maybeexitgame");
    EXPECT_EQ(ask->GetScriptId(), 2);
    auto* other = Add<TScriptBox>(living, "other", MakeRect(0, 0, 10, 10));
    other->SetScriptId("exit");
    EXPECT_EQ(other->GetScriptId(), 0);

    other->Click();
    EXPECT_FALSE(world.Quit);
    EXPECT_TRUE(boxes.Boxes.Shown().empty());

    boxes.Boxes.QueueAnswer(MessageAnswer::No);
    ask->Click();
    EXPECT_FALSE(world.Quit);
    ASSERT_EQ(boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Boxes.Shown()[0].Text, u"Do you really want to quit the game?");
    EXPECT_EQ(boxes.Boxes.Shown()[0].Buttons, platform::MessageButtons::YesNo);

    boxes.Boxes.QueueAnswer(MessageAnswer::Yes);
    ask->Click();
    EXPECT_TRUE(world.Quit);

    world.Quit = false;
    quit->Click();
    EXPECT_TRUE(world.Quit);
    EXPECT_EQ(boxes.Boxes.Shown().size(), 2u);
}

TEST_F(HitBoxTest, AControlBoxCapturesThroughDownDragTickAndUp) {
    auto* box = Add<TControlBox>(living, "crank", MakeRect(100, 100, 140, 120));
    world.TickTotal = 30;
    world.MouseDown(110, 105, TMouseButton::Right, kShiftKey | kRightButtonDown);
    ASSERT_EQ(world.Captured, box);
    EXPECT_EQ(box->Button, TMouseButton::Right);
    EXPECT_EQ(box->ShiftState, kShiftKey | kRightButtonDown);
    EXPECT_EQ(box->EventPoint, (TPoint{10, 5}));

    world.MouseMove(200, 90);  // drags outside still go to the captured box
    EXPECT_EQ(box->EventPoint, (TPoint{100, -10}));
    EXPECT_FALSE(box->PointInside());

    world.TickTotal = 33;
    world.Tick();
    EXPECT_EQ(box->Elapsed, 3);

    world.MouseMove(139, 119);
    EXPECT_TRUE(box->PointInside());
    living->KeepCapture = false;
    world.MouseUp(140, 119);  // Right lies outside
    EXPECT_FALSE(box->PointInside());
    EXPECT_EQ(world.Captured, nullptr);

    std::vector<TControlEventKind> kinds;
    for (const auto& e : living->Events) kinds.push_back(e.Kind);
    EXPECT_EQ(kinds, (std::vector<TControlEventKind>{TControlEventKind::Down, TControlEventKind::Drag,
                                                     TControlEventKind::Tick, TControlEventKind::Drag,
                                                     TControlEventKind::Up}));
}

TEST_F(HitBoxTest, AControlBoxRefusedOnDownNeverSeesItsUp) {
    Add<TControlBox>(living, "crank", MakeRect(0, 0, 10, 10));
    living->TakeOnDown = false;
    world.MouseDown(5, 5);
    EXPECT_EQ(world.Captured, nullptr);
    world.MouseUp(5, 5);
    world.Tick();
    ASSERT_EQ(living->Events.size(), 1u);
    EXPECT_EQ(living->Events[0].Kind, TControlEventKind::Down);
}

TEST_F(HitBoxTest, AHoverControlBoxCapturesOnEntryWithoutAButton) {
    auto* box = Add<TControlBox>(living, "sled", MakeRect(0, 0, 10, 10));
    world.MouseMove(5, 5);  // no hover flag: nothing
    EXPECT_TRUE(living->Events.empty());
    box->Hover = true;
    world.MouseMove(6, 4);
    EXPECT_EQ(world.Captured, box);
    ASSERT_EQ(living->Events.size(), 1u);
    EXPECT_EQ(living->Events[0].Kind, TControlEventKind::Enter);
    EXPECT_EQ(living->Events[0].Point, (TPoint{6, 4}));
}

TEST_F(HitBoxTest, BoxRecordsRoundTripThroughTheNodeStream) {
    THitBoxList list(living);
    auto* plain = list.AddLast(std::make_unique<THitBox>("plain", MakeRect(-1, 2, 3, 4)));
    plain->SetCursor(-1);
    plain->SetEnabled(false);
    static_cast<TGoBox*>(list.AddLast(std::make_unique<TGoBox>("go", MakeRect(1, 2, 3, 4))))->SetTarget("attic");
    static_cast<TSayBox*>(list.AddLast(std::make_unique<TSayBox>("say", MakeRect(1, 2, 3, 4))))
        ->SetSayText("Caf\xc3\xa9!");
    list.AddLast(std::make_unique<TReturnBox>("ret", MakeRect(1, 2, 3, 4)));
    static_cast<TScriptBox*>(list.AddLast(std::make_unique<TScriptBox>("scr", MakeRect(1, 2, 3, 4))))
        ->SetScriptId("maybeexitgame");
    static_cast<TRoomScriptBox*>(list.AddLast(std::make_unique<TRoomScriptBox>("rs", MakeRect(1, 2, 3, 4))))
        ->SetScript("ring");
    list.AddLast(std::make_unique<TControlBox>("ctl", MakeRect(5, 6, 7, 8)));

    TMemoryStream stream;
    list.SaveToStream(stream);
    stream.Seek(0);
    THitBoxList copy(kitchen);
    copy.LoadFromStream(stream);
    EXPECT_EQ(stream.Remaining(), 0);

    ASSERT_EQ(copy.Count(), 7);
    std::vector<std::uint8_t> kinds;
    for (auto* box : NodesOf<THitBox>(copy)) {
        kinds.push_back(box->ClassId);
        EXPECT_EQ(box->GetRoom(), kitchen);
    }
    EXPECT_EQ(kinds, (std::vector<std::uint8_t>{2, 3, 4, 5, 6, 7, 8}));
    auto* plainCopy = copy.FindBox("PLAIN");
    EXPECT_EQ(plainCopy->Rect, MakeRect(-1, 2, 3, 4));
    EXPECT_EQ(plainCopy->Cursor, -1);
    EXPECT_FALSE(plainCopy->IsEnabled());
    EXPECT_EQ(dynamic_cast<TGoBox*>(copy.FindBox("GO"))->GetTarget(), "ATTIC");
    EXPECT_EQ(dynamic_cast<TSayBox*>(copy.FindBox("SAY"))->GetSayText(), "Caf\xc3\xa9!");
    EXPECT_EQ(dynamic_cast<TScriptBox*>(copy.FindBox("SCR"))->GetScriptId(), 2);
    EXPECT_EQ(dynamic_cast<TRoomScriptBox*>(copy.FindBox("RS"))->GetScript(), "RING");
    auto* control = dynamic_cast<TControlBox*>(copy.FindBox("CTL"));
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->Capture);
    EXPECT_EQ(control->Rect, MakeRect(5, 6, 7, 8));

    // The stored text of a go box is an ANSI string after its length.
    TMemoryStream one;
    TGoBox("g", {}).SaveToStream(one);
    EXPECT_EQ(one.Size(), 1 + 4 + 2 + 2 + 1 + 16 + 1 + 4);
}

TEST_F(HitBoxTest, StoredNilTextReadsAsEmptyAndForeignNodesAreRefused) {
    TMemoryStream stream;
    WriteWord(stream, std::uint16_t{1});
    WriteByte(stream, kGoBoxClassId);
    WriteString(stream, u"DOOR");
    WriteWord(stream, std::int16_t{3});
    WriteByte(stream, false);
    WriteRect(stream, MakeRect(0, 0, 1, 1));
    WriteByte(stream, false);
    WriteAnsiString(stream, "/NIL");
    stream.Seek(0);
    THitBoxList list(living);
    list.LoadFromStream(stream);
    EXPECT_EQ(dynamic_cast<TGoBox*>(list.FindBox("door"))->GetTarget(), "");

    TMemoryStream foreign;
    WriteWord(foreign, std::uint16_t{1});
    TIDNode("x").SaveToStream(foreign);
    foreign.Seek(0);
    EXPECT_THROW(list.LoadFromStream(foreign), VekException);

    TMemoryStream cut;
    TScriptBox("s", MakeRect(0, 0, 1, 1)).SaveToStream(cut);
    std::vector<std::uint8_t> bytes = cut.Bytes();
    bytes.pop_back();
    TMemoryStream shortStream;
    WriteWord(shortStream, std::uint16_t{1});
    shortStream.Write(bytes.data(), bytes.size());
    shortStream.Seek(0);
    EXPECT_THROW(list.LoadFromStream(shortStream), VekException);
}

TEST_F(HitBoxTest, FindNodeOrFailRaisesTheNilPointerMessage) {
    Add<TGoBox>(living, "door", {});
    EXPECT_EQ(FindNodeOrFail<TGoBox>(living->HitBoxes(), "Door").GetID(), "DOOR");
    EXPECT_EQ(living->FindHitBox("door")->GetID(), "DOOR");
    try {
        FindNodeOrFail(living->HitBoxes(), "window");
        FAIL();
    } catch (const QEException& e) {
        EXPECT_STREQ(e.what(), "NIL pointer detected");
    }
    EXPECT_THROW(FindNodeOrFail<TSayBox>(living->HitBoxes(), "door"), QEException);
}

}  // namespace
