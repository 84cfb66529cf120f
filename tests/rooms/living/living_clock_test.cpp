// The cuckoo clock: its hands show the local time of day, and the cuckoo calls the quarters
// once, the full hours by the hour, twelve times at twelve, once for a click.
#include "tests/rooms/living/living_game.h"

#include "shell/timer_codes.h"

namespace living_tests {
namespace {

class CuckooClock : public LivingGame {
protected:
    // The cuckoo's calls in the first clock round after entering at the time of day, with the
    // clock end in view (where the bird can be clicked).
    int CallsOfFirstRound(int hour, int minute) {
        EnterLiving(hour, minute);
        ScrollToClock();
        ForgetSounds();
        Game->Tick(300 + 5 + 260);
        EXPECT_EQ(Frame("BIRD"), 0) << "the bird is back inside";
        return CountNew(kCuckooWave);
    }

    // The 29 x 29 pixels of the clock's hands as the view shows them at the clock end.
    std::vector<std::uint8_t> Hands() {
        std::vector<std::uint8_t> pixels;
        for (std::int32_t y = 64; y < 64 + 29; ++y)
            for (std::int32_t x = 679 - 400; x < 679 - 400 + 29; ++x) pixels.push_back(Game->ViewPixel(x, y));
        return pixels;
    }
};

TEST_F(CuckooClock, CallsTwelveTimesAtTwelve) { EXPECT_EQ(CallsOfFirstRound(12, 0), 12); }
TEST_F(CuckooClock, CallsTheHourAtThreeOClock) { EXPECT_EQ(CallsOfFirstRound(3, 0), 3); }
TEST_F(CuckooClock, CallsOnceAtAQuarterPast) { EXPECT_EQ(CallsOfFirstRound(15, 15), 1); }
TEST_F(CuckooClock, KeepsQuietBetweenTheQuarters) { EXPECT_EQ(CallsOfFirstRound(3, 20), 0); }

TEST_F(CuckooClock, CallsOnlyOnceInTheSameQuarter) {
    EXPECT_EQ(CallsOfFirstRound(3, 30), 1);
    ForgetSounds();
    Game->Tick(600);
    EXPECT_EQ(CountNew(kCuckooWave), 0);
    EXPECT_EQ(Living().LastCuckooMinute(), 30);
}

TEST_F(CuckooClock, AClickCallsOnceAndCancelsTheCallsOwed) {
    EnterLiving(9, 20);
    ScrollToClock();
    ForgetSounds();
    Game->Click("#678");
    Game->Tick(40);
    EXPECT_EQ(CountNew(kCuckooWave), 1);
    EXPECT_EQ(Frame("BIRD"), 0);

    // At nine o'clock the round begins; a click after the first call stops the rest.
    Game->Clock().SetTimeOfDay(9, 0);
    ForgetSounds();
    int calls = 0;
    for (int i = 0; i < 400 && calls == 0; ++i) {
        Game->Tick();
        calls = CountNew(kCuckooWave);
    }
    EXPECT_EQ(calls, 1) << "the first call of nine";
    ForgetSounds();
    EXPECT_GT(Living().CallsLeft(), 0);
    Game->Click("#678");
    EXPECT_EQ(Living().CallsLeft(), 0);
    Game->Tick(200);
    EXPECT_LE(CountNew(kCuckooWave), 1) << "the owed calls are gone";
    EXPECT_EQ(Living().CallsLeft(), 0);
    EXPECT_EQ(Frame("BIRD"), 0);
}

TEST_F(CuckooClock, HandsFollowTheTimeOfDayAndThePendulumSwings) {
    EnterLiving(3, 0);
    ScrollToClock();
    const auto atThree = Hands();
    EXPECT_EQ(Living().MinuteShown(), 0);
    Game->Clock().SetTimeOfDay(3, 40);
    Game->Tick(300);
    EXPECT_EQ(Living().MinuteShown(), 40);
    EXPECT_NE(Hands(), atThree);
    Game->Clock().SetTimeOfDay(3, 0);
    Game->Tick(300);
    EXPECT_EQ(Hands(), atThree) << "the disc under the hands wipes the old ones";

    // The pendulum swings every 19 ticks within its pair of frames.
    const int before = Frame("PEND");
    Game->Tick(19);
    EXPECT_EQ(Frame("PEND"), before ^ 1);
}

TEST_F(CuckooClock, EachVisitShowsThePendulumsOtherPairAndTheCuckooInside) {
    EnterLiving();
    const int first = Frame("PEND");
    ScrollToClock();
    Game->Click("#678");
    Game->Tick(8);
    ASSERT_NE(Frame("BIRD"), 0);
    Go("BED");
    Go("LIVING");
    EXPECT_EQ(Frame("BIRD"), 0) << "the bird left out when the child went is back inside";
    EXPECT_EQ(Frame("PEND") & 2, (first & 2) ^ 2);
    EXPECT_EQ(TimersOf(TimerCodeValue(TTimerCode::Timer)), 1);
    EXPECT_EQ(TimersOf(TimerCodeValue(TTimerCode::Tick)), 1);
}

}  // namespace
}  // namespace living_tests
