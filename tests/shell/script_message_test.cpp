#include <gtest/gtest.h>

#include "shell_test_fixture.h"
#include "shell/qe_exception.h"
#include "shell/script_message.h"
#include "test_world.h"

namespace {

TEST(TimerMessage, CodesGiveTheirWords) {
    for (std::uint8_t code = 0; code < 3; ++code) EXPECT_FALSE(TimerMessage(code).has_value());
    const std::vector<std::pair<std::uint8_t, TScriptMessage>> cases{
        {3, {"", "TICK"}},         {4, {"", "TIMER"}},          {5, {"", "DELAY"}},
        {6, {"", "ANIMATE"}},      {7, {"ANIMATE", "1"}},       {10, {"ANIMATE", "4"}},
        {17, {"ANIMATE", "11"}},   {18, {"", "RED1"}},          {20, {"", "EXIT"}},
        {24, {"", "GO_R_END"}},    {25, {"", "RELEASE"}},       {32, {"", "DELAYEDEXIT"}},
        {37, {"", "SNAPFLASH"}},   {38, {"", "PLACING"}},       {43, {"", "HANGBUGWAIT"}},
        {45, {"", "CARDBUGWAIT"}}, {46, {"", ""}},              {255, {"", ""}}};
    for (const auto& [code, message] : cases) {
        ASSERT_TRUE(TimerMessage(code).has_value()) << int(code);
        EXPECT_EQ(*TimerMessage(code), message) << int(code);
    }
}

TEST(KeyAndFocusSenders, LettersFollowTheKeys) {
    EXPECT_EQ(KeyStateSender(false, false), "sc");
    EXPECT_EQ(KeyStateSender(true, false), "Sc");
    EXPECT_EQ(KeyStateSender(false, true), "sC");
    EXPECT_EQ(KeyStateSender(true, true), "SC");
    EXPECT_EQ(FocusSender(true), "T");
    EXPECT_EQ(FocusSender(false), "F");
}

class MessageRoutingTest : public ShellTest {
protected:
    TTestWorld world;
};

TEST_F(MessageRoutingTest, TimerCodesBelowThreeAreSilentAndHighCodesAreRejected) {
    auto* room = world.AddRoom(std::make_unique<TRecordingRoom>("den"));
    world.GoRoom("DEN");
    room->AddTimer(2, 0);
    room->ProcessTimers(0);
    EXPECT_TRUE(room->Messages.empty());
    EXPECT_TRUE(room->Timers().IsEmpty());

    room->AddTimer(50, 0);
    try {
        room->ProcessTimers(0);
        FAIL();
    } catch (const QEException& e) {
        EXPECT_STREQ(e.what(), "Caught an attempt to run an unknown script called \"\" (sender = \"\")");
    }
}

TEST_F(MessageRoutingTest, KeysReachOnlyRoomsThatAskedForThem) {
    auto* room = world.AddRoom(std::make_unique<TRecordingRoom>("slate"));
    room->Handled = {"Sc", "sC", "SC", "sc"};
    ReportModifierChange(*room, true, false);
    ReportDeleteDown(*room, true, false);
    EXPECT_TRUE(room->Messages.empty());

    room->Flags |= kRoomWantsShift;
    ReportModifierChange(*room, true, false);
    ReportDeleteDown(*room, false, true);
    room->Flags = kRoomWantsDelete;
    ReportModifierChange(*room, false, false);
    ReportDeleteDown(*room, false, true);
    ReportFocusChange(*room, false);
    ReportFocusChange(*room, true);
    EXPECT_EQ(room->Messages, (std::vector<std::string>{"SHIFT|Sc", "DELETE|sC", "FOCUS|F", "FOCUS|T"}));
}

TEST_F(MessageRoutingTest, WaveEndsGoToTheCurrentRoomOrToTheLivingRoom) {
    SoundEnded(world, 23);  // no current room: nothing
    auto* kitchen = world.AddRoom(std::make_unique<TRecordingRoom>("kitchen"));
    world.GoRoom("KITCHEN");
    SoundEnded(world, 23);  // no living room in this content: skipped, no crash
    EXPECT_TRUE(kitchen->Messages.empty());

    auto* living = world.AddRoom(std::make_unique<TRecordingRoom>("living"));
    SoundEnded(world, 23);
    SoundEnded(world, 21);
    SoundEnded(world, 0);
    EXPECT_EQ(living->Messages, std::vector<std::string>{"ENDOFSOUND|23"});
    EXPECT_EQ(kitchen->Messages, (std::vector<std::string>{"ENDOFSOUND|21", "ENDOFSOUND|0"}));
}

}  // namespace
