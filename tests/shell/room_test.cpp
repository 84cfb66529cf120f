#include <gtest/gtest.h>

#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "shell_test_fixture.h"
#include "shell/frame_set.h"
#include "shell/qe_exception.h"
#include "shell/script_message.h"
#include "test_world.h"

namespace {

class RoomTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        room = world.AddRoom(std::make_unique<TRecordingRoom>("toys"));
        other = world.AddRoom(std::make_unique<TRecordingRoom>("attic"));
        world.GoRoom("TOYS");
    }

    std::string ErrorOf(const std::string& script, const std::string& sender) {
        try {
            room->RunScript(script, sender);
        } catch (const QEException& e) {
            return e.what();
        }
        return "(no error)";
    }

    TFrameSet* AddFrames(TRoom* r, std::string_view name, std::int32_t x, std::uint16_t count) {
        return r->AddFrameSet(std::make_unique<TFrameSet>(name, MakeRect(x, 5, x + 10, 15), count, 10, "strip",
                                                          nullptr));
    }

    TTestWorld world;
    TRecordingRoom* room = nullptr;
    TRecordingRoom* other = nullptr;
};

TEST_F(RoomTest, CreationDefaults) {
    TRoom fresh("Kitchen");
    EXPECT_EQ(fresh.GetID(), "KITCHEN");
    EXPECT_EQ(fresh.Flags, 0x0280);
    EXPECT_EQ(fresh.FirstSaveVersion, 2);
    EXPECT_EQ(fresh.Width, 512);
    EXPECT_EQ(fresh.ScrollOffset, 0);
    fresh.SetBackgroundName("longbackground");
    EXPECT_EQ(fresh.GetBackgroundName(), "longback");

    // A room is made before a world holds it, so it starts as wide as the normal view even
    // while a full-frame room is shown.
    world.Context().SetViewSize(kFullFrameViewWidth, kFullFrameViewHeight);
    EXPECT_EQ(TRoom("wide").Width, kNormalViewWidth);
}

TEST_F(RoomTest, BaseScriptWords) {
    room->RunScript("ENDOFSOUND", "12");
    room->RunScript("NIL", "ANYTHING");
    room->RunScript("FOCUS", "T");
    room->RunScript("FOCUS", "F");
    EXPECT_TRUE(world.GoRoomCalls.size() == 1);

    room->RunScript("ATTIC", "EXIT");
    EXPECT_EQ(world.Current, other);

    other->DelayedExitRoom = "TOYS";
    other->RunScript("", "DELAYEDEXIT");
    EXPECT_EQ(world.Current, room);
    EXPECT_EQ(world.GoRoomCalls, (std::vector<std::string>{"TOYS", "ATTIC", "TOYS"}));
}

TEST_F(RoomTest, UnknownWordsRaiseTheUnknownScriptMessage) {
    EXPECT_EQ(ErrorOf("JUMP", "BOX1"),
              "Caught an attempt to run an unknown script called \"JUMP\" (sender = \"BOX1\")");
    EXPECT_EQ(ErrorOf("", ""), "Caught an attempt to run an unknown script called \"\" (sender = \"\")");
    // Words compare exactly: lower case is not a base word.
    EXPECT_NE(ErrorOf("nil", ""), "(no error)");
    EXPECT_NE(ErrorOf("", "exit"), "(no error)");
}

TEST_F(RoomTest, TimersFireInTheOrderTheyWereAddedWhenDue) {
    room->Handled = {"TICK", "TIMER", "DELAY", "ANIMATE", "1", "4"};
    world.TickTotal = 100;
    room->AddTimer(4, 2);
    room->AddTimer(3, 1);
    room->AddTimer(10, 2);
    EXPECT_EQ(room->FindTimer(3)->DueTick, 101);
    room->Messages.clear();

    world.TickTotal = 101;
    room->ProcessTimers(world.TickTotal);
    EXPECT_EQ(room->Messages, std::vector<std::string>{"|TICK"});
    room->ProcessTimers(102);
    EXPECT_EQ(room->Messages, (std::vector<std::string>{"|TICK", "|TIMER", "ANIMATE|4"}));
    EXPECT_TRUE(room->Timers().IsEmpty());

    // Removing and finding by code take the first match only.
    room->AddTimer(5, 9);
    room->AddTimer(5, 1);
    room->RemoveTimer(5);
    ASSERT_NE(room->FindTimer(5), nullptr);
    EXPECT_EQ(room->FindTimer(5)->DueTick, world.TickTotal + 1);
    room->RemoveTimer(99);
    room->ClearTimers();
    EXPECT_EQ(room->FindTimer(5), nullptr);
}

TEST_F(RoomTest, ATimerMadeWhereTheRemovedSuccessorLayIsNotTakenForIt) {
    // The event drops the next timer and adds one: the allocator is free to put the new
    // timer where the dropped one was, and the walk must still see that its successor went.
    room->Handled = {"DELAY", "TICK", "TIMER"};
    room->OnMessage = [&](const std::string&, const std::string& sender) {
        if (sender != "TICK") return;
        room->RemoveTimer(4);
        room->AddTimer(5, 0);
    };
    room->AddTimer(3, 0);
    room->AddTimer(4, 0);
    room->Messages.clear();
    room->ProcessTimers(0);
    EXPECT_EQ(room->Messages, std::vector<std::string>{"|TICK"});
    room->ProcessTimers(0);
    EXPECT_EQ(room->Messages, (std::vector<std::string>{"|TICK", "|DELAY"}));
}

TEST_F(RoomTest, ATimerAddedDuringThePassFiresWhenTheWalkReachesIt) {
    room->Handled = {"DELAY", "TICK", "TIMER"};
    room->OnMessage = [&](const std::string&, const std::string& sender) {
        if (sender == "TICK") room->AddTimer(5, 0);
    };
    room->AddTimer(3, 0);
    room->AddTimer(4, 1);  // not yet due, but the walk passes it and reaches the new timer
    room->Messages.clear();
    room->ProcessTimers(0);
    EXPECT_EQ(room->Messages, (std::vector<std::string>{"|TICK", "|DELAY"}));
    room->ClearTimers();

    // The last timer firing has no successor to walk to: a timer it adds waits a tick.
    room->Messages.clear();
    room->AddTimer(3, 0);
    room->ProcessTimers(0);
    EXPECT_EQ(room->Messages, std::vector<std::string>{"|TICK"});
    room->ProcessTimers(0);
    EXPECT_EQ(room->Messages, (std::vector<std::string>{"|TICK", "|DELAY"}));
}

TEST_F(RoomTest, AnEventThatClearsTheTimersEndsThePass) {
    room->Handled = {"TICK", "TIMER"};
    room->OnMessage = [&](const std::string&, const std::string& sender) {
        if (sender == "TICK") room->ClearTimers();
    };
    room->AddTimer(3, 0);
    room->AddTimer(4, 0);
    room->Messages.clear();
    room->ProcessTimers(5);
    EXPECT_EQ(room->Messages, std::vector<std::string>{"|TICK"});
    EXPECT_TRUE(room->Timers().IsEmpty());

    // A timer code with a room change: the change drops the old room's timers.
    room->AddTimer(20, 0);
    room->AddTimer(3, 0);
    room->DelayedExitRoom = "ATTIC";
    room->AddTimer(kDelayedExitTimer, 0);
    room->Handled.insert("EXIT");
    room->OnMessage = [&](const std::string&, const std::string& sender) {
        if (sender == "EXIT") world.GoRoom("ATTIC");
    };
    room->ProcessTimers(5);
    EXPECT_EQ(world.Current, other);
    EXPECT_TRUE(room->Timers().IsEmpty());
}

TEST_F(RoomTest, ScrollingMovesFrameSetsAndNumberedBoxes) {
    room->Width = 1200;
    TFrameSet* frames = AddFrames(room, "door", 100, 2);
    auto* numbered = room->HitBoxes().AddFirst(std::make_unique<THitBox>("#300", MakeRect(0, 40, 25, 60)));
    auto* longNumber = room->HitBoxes().AddFirst(std::make_unique<THitBox>("#1234", MakeRect(0, 0, 5, 5)));
    auto* named = room->HitBoxes().AddFirst(std::make_unique<THitBox>("#12A", MakeRect(7, 0, 9, 5)));
    auto* fixed = room->HitBoxes().AddFirst(std::make_unique<THitBox>("plain", MakeRect(7, 0, 9, 5)));

    room->ScrollTo(50);
    EXPECT_EQ(frames->X, 50);
    room->ScrollTo(100);
    EXPECT_EQ(numbered->Rect, MakeRect(200, 40, 225, 60));
    EXPECT_EQ(longNumber->Rect.Left, 123 - 100);
    EXPECT_EQ(named->Rect, MakeRect(7, 0, 9, 5));
    EXPECT_EQ(fixed->Rect, MakeRect(7, 0, 9, 5));

    room->ScrollTo(-5);
    EXPECT_EQ(room->ScrollOffset, 0);
    EXPECT_EQ(frames->X, 100);
    room->ScrollTo(10000);
    EXPECT_EQ(room->ScrollOffset, 1200 - 512);

    // A frame set added to a scrolled room is placed relative to the view.
    EXPECT_EQ(AddFrames(room, "lamp", 700, 1)->X, 700 - 688);

    // Entering re-anchors the numbered boxes at the current offset.
    numbered->Rect = MakeRect(0, 40, 25, 60);
    room->Enter("");
    EXPECT_EQ(numbered->Rect.Left, 300 - 688);
}

TEST_F(RoomTest, ThreeDigitsAnchorABoxWhateverFollowsThemAndFewerOnlyAlone) {
    EXPECT_EQ(NumberedBoxSpot("#604GO"), 604);
    EXPECT_EQ(NumberedBoxSpot("#072C1"), 72);
    EXPECT_EQ(NumberedBoxSpot("#300"), 300);
    EXPECT_EQ(NumberedBoxSpot("#1234"), 123);
    EXPECT_EQ(NumberedBoxSpot("#7"), 7);
    EXPECT_EQ(NumberedBoxSpot("#42"), 42);
    EXPECT_EQ(NumberedBoxSpot("#000X"), 0);
    for (const char* name : {"#", "#A12", "#12A", "#4X", "604", "", "##604"})
        EXPECT_EQ(NumberedBoxSpot(name), std::nullopt) << name;

    room->Width = 1200;
    auto* go = room->HitBoxes().AddFirst(std::make_unique<THitBox>("#604GO", MakeRect(0, 10, 30, 20)));
    auto* two = room->HitBoxes().AddFirst(std::make_unique<THitBox>("#072C1", MakeRect(5, 10, 15, 20)));
    auto* short2 = room->HitBoxes().AddFirst(std::make_unique<THitBox>("#42", MakeRect(0, 0, 4, 4)));
    auto* word = room->HitBoxes().AddFirst(std::make_unique<THitBox>("#42B", MakeRect(9, 0, 13, 4)));
    room->Enter("");
    EXPECT_EQ(go->Rect, MakeRect(604, 10, 634, 20));
    EXPECT_EQ(two->Rect, MakeRect(72, 10, 82, 20));
    EXPECT_EQ(short2->Rect, MakeRect(42, 0, 46, 4));
    EXPECT_EQ(word->Rect, MakeRect(9, 0, 13, 4));
    room->ScrollTo(100);
    EXPECT_EQ(go->Rect, MakeRect(504, 10, 534, 20));
    EXPECT_EQ(two->Rect.Left, -28);
    EXPECT_EQ(word->Rect, MakeRect(9, 0, 13, 4));
}

TEST_F(RoomTest, FrameStatesRoundTripAndRefuseImpossibleFrames) {
    TFrameSet* a = AddFrames(room, "a", 0, 3);
    TFrameSet* b = AddFrames(room, "b", 0, 5);
    a->CurrentFrame = 2;
    b->CurrentFrame = 4;
    TMemoryStream stream;
    room->SaveFrameStates(stream);
    EXPECT_EQ(stream.Bytes(), (std::vector<std::uint8_t>{2, 0, 4, 0}));

    a->CurrentFrame = 0;
    b->CurrentFrame = 0;
    stream.Seek(0);
    room->LoadFrameStates(stream);
    EXPECT_EQ(a->CurrentFrame, 2);
    EXPECT_EQ(b->CurrentFrame, 4);

    TMemoryStream bad(std::vector<std::uint8_t>{1, 0, 5, 0});
    try {
        room->LoadFrameStates(bad);
        FAIL();
    } catch (const QEException&) {
        FAIL() << "a corrupt frame state is not a game error";
    } catch (const VekException& e) {
        EXPECT_STREQ(e.what(), "Saved game is corrupt.");
    }

    TMemoryStream cut(std::vector<std::uint8_t>{1, 0, 4});
    EXPECT_THROW(room->LoadFrameStates(cut), VekException);
}

// A room that keeps one byte, saved from version 8 on.
class TByteRoom : public TRoom {
public:
    explicit TByteRoom(std::string_view name) : TRoom(name) { FirstSaveVersion = 8; }
    void ReadData(TStream& s) override { Value = ReadU8(s); }
    void WriteData(TStream& s) override { WriteByte(s, Value); }
    std::uint8_t Value = 0;
};

TEST_F(RoomTest, FirstSaveVersionsAreRespectedOnRead) {
    TRoom plain("plain");
    TByteRoom keeper("keeper");
    keeper.Value = 42;
    TMemoryStream stream;
    plain.WriteData(stream);
    keeper.WriteData(stream);
    EXPECT_EQ(stream.Size(), 1);  // the base room writes nothing

    TByteRoom reader("keeper");
    stream.Seek(0);
    EXPECT_FALSE(reader.ReadSavedRecord(stream, 7));  // an older file lacks the record
    EXPECT_EQ(reader.Value, 0);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_TRUE(plain.ReadSavedRecord(stream, 2));
    EXPECT_FALSE(plain.ReadSavedRecord(stream, 1));
    EXPECT_TRUE(reader.ReadSavedRecord(stream, 9));
    EXPECT_EQ(reader.Value, 42);
}

TEST_F(RoomTest, DrawingWithoutAViewIsAGameError) {
    try {
        room->Draw(nullptr);
        FAIL();
    } catch (const QEException& e) {
        EXPECT_STREQ(e.what(), "Display: invalid ImageData");
    }
}

TEST_F(RoomTest, ARoomWithoutAWorldFailsClearly) {
    TRoom lonely("lonely");
    EXPECT_THROW(lonely.AddTimer(3, 1), QEException);
    EXPECT_THROW(lonely.RunScript("X", "EXIT"), QEException);
    lonely.Leave();  // leaving needs nothing of a world
}

}  // namespace
