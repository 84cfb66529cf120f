// The cookie machine played through the headless game: the buttons, a batch with its
// timings, the hoppers running down and their refills, the order the tray fills in, and a
// batch the child walked away from.
#include "tests/rooms/kitchen/kitchen_game.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"

namespace kitchen_tests {
namespace {

using Machine = KitchenGame;

TEST_F(Machine, OpensAtTheMachineWithTheFirstShapeAndTheIcedBaseChosen) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    EXPECT_EQ(k.ScrollOffset, kKitchenWidth - 512);
    EXPECT_EQ(k.Choice(1), 1);
    EXPECT_EQ(k.Choice(2), 5);
    EXPECT_EQ(k.Choice(3), 1);
    EXPECT_TRUE(k.ButtonLit(1, 1));
    EXPECT_TRUE(k.ButtonLit(2, 5));
    EXPECT_FALSE(k.ButtonLit(3, 1)) << "no colour for the iced base";
    EXPECT_TRUE(Enabled("#604GO"));
    EXPECT_EQ(Frame("GO"), 1);
    EXPECT_FALSE(Enabled("#501FLR")) << "the hoppers are full";
    EXPECT_FALSE(Enabled("#223OVN")) << "nothing to bake";
}

TEST_F(Machine, ButtonsFollowTheLitRuleAndSoundByRow) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    Game->Click(ChoiceButton(1, 4));
    EXPECT_EQ(Heard().back(), 4) << "row r sounds 3 + r";
    EXPECT_EQ(k.Choice(1), 4);
    EXPECT_TRUE(k.ButtonLit(1, 4));
    EXPECT_FALSE(k.ButtonLit(1, 1)) << "the old shape goes dark";
    Game->Click(ChoiceButton(3, 2));
    EXPECT_EQ(Heard().back(), 6);
    EXPECT_EQ(k.Choice(3), 2);
    EXPECT_FALSE(k.ButtonLit(3, 2)) << "no colour while the base is iced";
    Game->Click(ChoiceButton(2, 3));
    EXPECT_EQ(Heard().back(), 5);
    EXPECT_TRUE(k.ButtonLit(3, 2)) << "a topping lights its colour";
    Game->Click(ChoiceButton(2, 1));
    EXPECT_FALSE(k.ButtonLit(3, 2)) << "plain cookies have no colour";
    // A box name without a choice digit changes nothing.
    k.RunScript("BTN", "#742B9");
    k.RunScript("BTN", "#742B64");
    EXPECT_EQ(k.Choice(1), 4);
    EXPECT_EQ(Shown(), "");
}

TEST_F(Machine, ABatchTakesFiveTicksThenTwentyStepsOfTwo) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    Pick(3, 2, 4);
    Game->Click("#604GO");
    EXPECT_EQ(k.MachineStep(), 1);
    EXPECT_FALSE(Enabled("#604GO"));
    EXPECT_EQ(Frame("GO"), 0);
    EXPECT_TRUE(HeardWave(kWaveMachine));
    // The click came between ticks: the fifth tick after it is the sixth the harness makes.
    Game->Tick(5);
    EXPECT_EQ(k.Level(THopper::Flour), 59) << "nothing runs before the fifth tick";
    Game->Tick(1);
    EXPECT_EQ(k.Level(THopper::Flour), 58);
    EXPECT_EQ(k.Target(THopper::Flour), 51);
    Game->Tick(2 * 7);
    EXPECT_EQ(k.Level(THopper::Flour), 51);
    EXPECT_EQ(k.Level(THopper::Butter), 57);
    EXPECT_EQ(k.Level(THopper::Sugar), 57);
    EXPECT_EQ(k.MachineTray()[0].Present, 0);
    Game->Tick(2);
    EXPECT_EQ(k.MachineTray()[0], (TCookieSlot{3, 2, 4, 1})) << "the ninth step stores the cookie";
    ASSERT_NE(k.MachinePicture(1), nullptr);
    EXPECT_EQ(k.MachinePicture(1)->Image().Width(), 122);
    EXPECT_TRUE(HeardWave(kWaveDrop));
    Game->Tick(2 * 5);
    EXPECT_TRUE(HeardWave(kWaveLand));
    Game->Tick(2 * 5);
    EXPECT_NE(k.MachineStep(), 0);
    EXPECT_EQ(k.CurrentPlace(), 1);
    Game->Tick(2);
    EXPECT_EQ(k.MachineStep(), 0);
    EXPECT_EQ(k.CurrentPlace(), 4);
    EXPECT_TRUE(Enabled("#604GO"));
    EXPECT_TRUE(Enabled("#501FLR"));
    EXPECT_TRUE(Enabled("#223OVN"));
    EXPECT_EQ(Shown(), "");
}

TEST_F(Machine, SixCookiesFillTheTrayInItsOrderAndThenTheMachineStops) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    const int order[6] = {1, 4, 5, 6, 3, 2};
    for (int n = 0; n < 6; ++n) {
        Pick(n % 5 + 1, 2, n % 5 + 1);
        EXPECT_EQ(k.CurrentPlace(), order[n]);
        PressCookie();
        EXPECT_EQ(k.MachineTray()[static_cast<std::size_t>(order[n] - 1)].Shape, n % 5 + 1);
    }
    EXPECT_EQ(k.CurrentPlace(), 1);
    EXPECT_FALSE(k.CanStartBatch()) << "the place under the machine holds a cookie";
    EXPECT_FALSE(Enabled("#604GO"));
    EXPECT_EQ(Frame("GO"), 0);
    // GO sent anyway (a click in the moment it went dark) starts nothing.
    k.RunScript("GO", "#604GO");
    EXPECT_EQ(k.MachineStep(), 0);
    EXPECT_EQ(k.Level(THopper::Flour), 59 - 6 * 8);
    EXPECT_EQ(k.Level(THopper::Butter), 60 - 6 * 3);
    EXPECT_EQ(k.Level(THopper::Sugar), 62 - 6 * 5);
}

TEST_F(Machine, ARefillDuringABatchIsKeptAndNoRefillOverfills) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    PressCookie();
    Game->Click("#604GO");
    Game->Tick(6 + 2 * 3);  // four steps: flour at its target + 4
    EXPECT_EQ(k.Level(THopper::Flour), 43 + 4);
    Game->Click("#501FLR");
    EXPECT_EQ(k.Level(THopper::Flour), 59) << "fourteen more, up to full";
    EXPECT_EQ(k.Target(THopper::Flour), 43 + 12);
    EXPECT_TRUE(HeardWave(kWaveRefill));
    Game->Tick(2 * 17);
    EXPECT_EQ(k.MachineStep(), 0);
    EXPECT_EQ(k.Level(THopper::Flour), 55) << "the refill stays in the hopper";
    EXPECT_EQ(k.Level(THopper::Butter), 54);
    Game->Click("#506BUT");
    EXPECT_EQ(k.Level(THopper::Butter), 60);
    EXPECT_FALSE(Enabled("#506BUT"));
    k.RunScript("INGRED", "#506BUT");
    EXPECT_EQ(k.Level(THopper::Butter), 60) << "a full hopper takes nothing";
    Game->Click("#531SUG");
    EXPECT_EQ(k.Level(THopper::Sugar), 62);
}

TEST_F(Machine, ABatchLeftHalfWayIsFinishedOnReturnWithItsRefill) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    PressCookie();
    Pick(2, 4, 3);
    Game->Click("#604GO");
    Game->Tick(6 + 2);
    EXPECT_EQ(k.Level(THopper::Sugar), 52 + 3);
    Game->Click("#531SUG");  // up to full: seven more
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.MachineStep(), 0);
    EXPECT_EQ(k.MachineTray()[3], (TCookieSlot{2, 4, 3, 1}));
    EXPECT_NE(k.MachinePicture(4), nullptr);
    EXPECT_EQ(k.Level(THopper::Flour), 43);
    EXPECT_EQ(k.Level(THopper::Butter), 54);
    EXPECT_EQ(k.Level(THopper::Sugar), 52 + 7) << "the refill raised the target";
    EXPECT_EQ(k.CurrentPlace(), 5);
    EXPECT_TRUE(Enabled("#604GO"));
    // A batch left after the cookie lay on the tray keeps the cookie as it was made.
    Game->Click("#604GO");
    Game->Tick(6 + 2 * 10);
    Pick(5, 1, 1);
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.MachineTray()[4], (TCookieSlot{2, 4, 3, 1}));
    EXPECT_EQ(Shown(), "");
}

TEST_F(Machine, EmptyHoppersBlinkUntilRefilled) {
    StartGame();
    TMemoryStream low(std::vector<std::uint8_t>{5, 60, 62});
    Kitchen().ReadData(low);
    Go("KITCHEN");
    TKitchenRoom& k = Kitchen();
    EXPECT_FALSE(Enabled("#604GO"));
    EXPECT_EQ(Frame("I1"), 0);
    Game->Tick(8);
    EXPECT_TRUE(k.FlashPhase());
    EXPECT_EQ(Frame("I1"), 1);
    EXPECT_EQ(Frame("I2"), 0);
    Game->Tick(8);
    EXPECT_EQ(Frame("I1"), 0);
    Game->Click("#501FLR");
    EXPECT_EQ(k.Level(THopper::Flour), 19);
    EXPECT_TRUE(Enabled("#604GO"));
    Game->Tick(8);
    EXPECT_FALSE(k.FlashPhase());
    EXPECT_EQ(k.FindTimer(TTimerCode::Flash), nullptr) << "the blinking stops";
}

TEST_F(Machine, NearlyEmptyHoppersDrawWithoutSpoilingTheFunnelStrips) {
    StartGame();
    TMemoryStream low(std::vector<std::uint8_t>{5, 1, 22});
    Kitchen().ReadData(low);
    Go("KITCHEN");
    Game->Tick(2);
    ASSERT_NE(Kitchen().WorkPicture(), nullptr);
    TAC8ImageData& work = Kitchen().WorkPicture()->Image();
    THotImage original("hopwork", true, Game->World().GetImageLibrary());
    for (std::int32_t y = 0; y < 69; ++y)
        for (std::int32_t x = 0; x < 67; ++x)
            ASSERT_EQ(work.GetPixel({x, y}), original.Image().GetPixel({x, y})) << "strip row " << y;
    // Only the content rows show, at the hopper's bottom: flour's five rows above y 79.
    const std::int32_t hopperX = 616 - Kitchen().ScrollOffset;
    EXPECT_NE(Game->ViewPixel(hopperX + 33, 76), Game->ViewPixel(hopperX + 33, 70));
}

}  // namespace
}  // namespace kitchen_tests
