// The radio, the clock and the slate toy away on the workshop's shelf: the living room shows
// their places empty and offers nothing of them.
#include "tests/rooms/living/living_game.h"

#include <set>

#include "rooms/questions/toys_in_repair.h"
#include "shell/timer_codes.h"
#include "shell/world.h"

namespace living_tests {
namespace {

// A workshop that holds the living room's toys broken.
class TToyShelf : public TRoom, public TToysInRepair {
public:
    using TRoom::TRoom;
    bool ToyWaitingBroken(int toy) const override { return Broken.count(toy) != 0; }
    std::set<int> Broken{kRadioToy, kClockToy, kSlateToy};
};

class ToysInRepair : public LivingGame {
protected:
    void SetUp() override {
        StartGame();
        if (Game->World().FindRoom("WORKSHOP") != nullptr) GTEST_SKIP() << "the house's own workshop answers";
        Shelf = static_cast<TToyShelf*>(Game->World().AddRoom(std::make_unique<TToyShelf>("WORKSHOP")));
        Go("BED");
        Go("LIVING");
    }
    TToyShelf* Shelf = nullptr;
};

TEST_F(ToysInRepair, TheirPlacesAreEmptyAndNothingOfThemIsOffered) {
    EXPECT_FALSE(Living().RadioPresent());
    EXPECT_FALSE(Living().ClockPresent());
    EXPECT_FALSE(Enabled("#365"));
    EXPECT_FALSE(Set("PEND").Visible);
    EXPECT_FALSE(Set("BIRD").Visible);
    EXPECT_EQ(Frame("SLTU"), 0);
    EXPECT_EQ(TimersOf(TimerCodeValue(TTimerCode::Timer)), 0);
    EXPECT_EQ(TimersOf(TimerCodeValue(TTimerCode::Tick)), 0);
    // No radio on the mantel: its place shows the picture frame and the bricks behind.
    const std::uint8_t radioBody = Game->ViewPixel(356 + 20, 73 + 40);
    ScrollToClock();
    // A click where the cuckoo was calls nothing.
    ForgetSounds();
    Living().RunScript("CUCKOO", "#678");
    Game->Tick(40);
    EXPECT_EQ(CountNew(kCuckooWave), 0);

    // Mended, they are back at the next visit.
    Shelf->Broken.clear();
    Go("BED");
    Go("LIVING");
    ScrollToTree();
    EXPECT_TRUE(Living().RadioPresent());
    EXPECT_TRUE(Enabled("#365"));
    EXPECT_NE(Game->ViewPixel(356 + 20, 73 + 40), radioBody) << "the radio stands on the mantel again";
    EXPECT_EQ(Frame("SLTU"), 1);
    EXPECT_TRUE(Set("BIRD").Visible);
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace living_tests
