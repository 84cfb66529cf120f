// The radio, the clock and the slate toy away on the workshop's shelf: the living room shows
// their places empty and offers nothing of them.
#include "tests/rooms/living/living_game.h"

#include "rooms/questions/toys_in_repair.h"
#include "shell/timer_codes.h"

namespace living_tests {
namespace {

class ToysInRepair : public LivingGame {
protected:
    // A run whose workshop shelves hold the radio, the clock and the slate toy, all broken
    // (the shelves are filled at random: the first seed that does it is taken).
    bool StartWithTheToysInTheWorkshop() {
        for (std::uint32_t seed = 1; seed <= 200; ++seed) {
            StartGame();
            Game->Context().RandomNumbers().Seed(seed);
            Go("WORKSHOP");
            const TRoomWorld& world = Game->World();
            if (RadioInRepair(world) && ClockInRepair(world) && SlateToyInRepair(world)) return true;
        }
        return false;
    }
};

TEST_F(ToysInRepair, TheirPlacesAreEmptyAndNothingOfThemIsOffered) {
    ASSERT_TRUE(StartWithTheToysInTheWorkshop());
    // The radio on the mantel as it stands at the other visits.
    Go("LIVING");
    EXPECT_FALSE(Living().RadioPresent());
    EXPECT_FALSE(Living().ClockPresent());
    EXPECT_FALSE(Enabled("#365"));
    EXPECT_FALSE(Set("PEND").Visible);
    EXPECT_FALSE(Set("BIRD").Visible);
    EXPECT_EQ(Frame("SLTU"), 0);
    EXPECT_EQ(TimersOf(TimerCodeValue(TTimerCode::Timer)), 0);
    EXPECT_EQ(TimersOf(TimerCodeValue(TTimerCode::Tick)), 0);

    // A click where the cuckoo was calls nothing.
    ScrollToClock();
    ForgetSounds();
    Living().RunScript("CUCKOO", "#678");
    Game->Tick(40);
    EXPECT_EQ(CountNew(kCuckooWave), 0);
    EXPECT_EQ(Frame("BIRD"), 0);
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace living_tests
