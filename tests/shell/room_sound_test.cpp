// The room framework's sounds through the real sound routines over the headless wave
// output: the say box, a room leaving, and the loss of focus.
#include <gtest/gtest.h>

#include "../engine/wave_builder.h"
#include "engine/sound/wave_man.h"
#include "platform/event_queue.h"
#include "platform/headless/fake_clock.h"
#include "platform/headless/headless_wave_output.h"
#include "shell/game_context.h"
#include "shell/sound_list.h"
#include "shell_test_fixture.h"
#include "test_world.h"

namespace {

class RoomSoundTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        for (int n = 0; n < 30; ++n) {
            const std::string name = "w" + std::to_string(n);
            list.AddSoundInfo(name, n);
            wavetest::WriteFile(tempFolder.Path() / (name + ".wav"), wavetest::SimpleWave(800));
        }
        waves.SetFolder(tempFolder.Path().string());
        world.Context().SetSoundObjects(&waves, &list);
        room = world.AddRoom(std::make_unique<TRecordingRoom>("den"));
        world.AddRoom(std::make_unique<TRecordingRoom>("hall"));
        world.GoRoom("DEN");
        say = static_cast<TSayBox*>(room->HitBoxes().AddFirst(std::make_unique<TSayBox>("hello", MakeRect(0, 0, 9, 9))));
    }
    void TearDown() override { world.Context().SetSoundObjects(nullptr, nullptr); }

    wavetest::TempFolder tempFolder{"room-sounds"};
    TSoundList list;
    platform::EventQueue queue;
    platform::FakeClock clock;
    platform::HeadlessWaveOutput output{queue, clock};
    TWaveMan waves{output, true};
    TTestWorld world;
    TRecordingRoom* room = nullptr;
    TSayBox* say = nullptr;
};

TEST_F(RoomSoundTest, ASayBoxSpeaksUnlessALoopPlays) {
    world.MouseDown(1, 1);
    EXPECT_EQ(waves.PlayingID(), 11);
    output.CompleteOldest();
    queue.Drain();

    world.Context().PlaySoundIfIdle(26);  // a looping sound (wave 27)
    ASSERT_TRUE(waves.IsLooping());
    world.MouseDown(1, 1);
    EXPECT_EQ(waves.PlayingID(), 27);
    EXPECT_EQ(waves.FindSound(11), nullptr);
}

TEST_F(RoomSoundTest, LeavingStopsLoopsAndLosingFocusUnloadsEverything) {
    world.Context().PlaySoundIfIdle(26);
    world.GoRoom("HALL");
    output.CompleteOldest();
    queue.Drain();
    EXPECT_FALSE(waves.IsLooping());
    EXPECT_EQ(waves.FindSound(27), nullptr);

    world.Context().PlaySound(3);
    room->RunScript("FOCUS", "T");
    EXPECT_NE(waves.FindSound(3), nullptr);
    room->RunScript("FOCUS", "F");
    output.CompleteOldest();
    queue.Drain();
    EXPECT_EQ(waves.FindSound(3), nullptr);
}

}  // namespace
