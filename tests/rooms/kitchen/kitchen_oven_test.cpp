// The oven's sequence with its timings, the tray room, the cooling tray and its cookies
// eaten bite by bite, the jar, and the drinks.
#include "tests/rooms/kitchen/kitchen_game.h"

#include "rooms/kitchen/tray_room.h"

namespace kitchen_tests {
namespace {

using Oven = KitchenGame;

TEST_F(Oven, TheOvenScrollsToItselfAndBakesInItsStepsIntoTheTrayRoom) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    Pick(1, 3, 2);
    PressCookie();
    Pick(4, 4, 5);
    PressCookie();
    // Clicked from the right end (as a script would), the oven first scrolls the kitchen left.
    k.RunScript("OVN", "#223OVN");
    EXPECT_TRUE(k.OvenBusy());
    Game->Tick(3);
    EXPECT_EQ(k.OvenStep(), 1);
    EXPECT_LT(k.ScrollOffset, kKitchenWidth - 512);
    for (int i = 0; i < 20 && k.OvenStep() != 2; ++i) Game->Tick();
    EXPECT_EQ(k.ScrollOffset, 0) << "at the left end the door opens next";
    // The steps after it, each after the delay of the one before.
    Game->Tick(4);
    EXPECT_EQ(k.OvenDoor(), 0);
    Game->Tick(1);
    EXPECT_EQ(k.OvenDoor(), 1);
    EXPECT_TRUE(HeardWave(kWaveDoor));
    Game->Tick(9);
    EXPECT_EQ(k.OvenDoor(), 1);
    Game->Tick(1);
    EXPECT_EQ(k.OvenDoor(), 2);
    Game->Tick(15);
    EXPECT_TRUE(k.TrayInOven());
    EXPECT_EQ(Frame("TRAY"), 1);
    EXPECT_TRUE(HeardWave(kWaveTrayIn));
    EXPECT_FALSE(Enabled("#604GO")) << "no cookie while the tray is in the oven";
    Game->Tick(20);
    EXPECT_EQ(k.OvenDoor(), 1);
    Game->Tick(10);
    EXPECT_EQ(k.OvenDoor(), 0);
    Game->Tick(15);
    EXPECT_EQ(Frame("TIMER"), 0);
    EXPECT_TRUE(HeardWave(kWaveTicking));
    Game->Tick(15);
    EXPECT_EQ(Frame("TIMER"), 1);
    Game->Tick(15);
    EXPECT_EQ(Frame("TIMER"), 2);
    Game->Tick(15);
    EXPECT_EQ(Frame("TIMER"), 3);
    EXPECT_TRUE(HeardWave(kWaveRing));
    Game->Tick(25);
    EXPECT_EQ(Frame("TIMER"), 2);
    Game->Tick(10);
    EXPECT_EQ(k.OvenDoor(), 1);
    Game->Tick(10);
    EXPECT_EQ(k.OvenDoor(), 2);
    Game->Tick(24);
    EXPECT_EQ(Game->RoomName(), "KITCHEN");
    Game->Tick(1);
    ASSERT_EQ(Game->RoomName(), "TRAY");
    EXPECT_TRUE(HeardWave(kWaveBaked));
    EXPECT_FALSE(k.OvenBusy());
    EXPECT_EQ(k.OvenStep(), 0);
    EXPECT_TRUE(RoomFlag(kRoomSnapEnabled));
    EXPECT_TRUE(RoomFlag(kRoomWrapEnabled));
    EXPECT_EQ(Shown(), "");

    // The tray room shows the two cookies big at their places (1 bottom left, 4 top left).
    EXPECT_NE(Game->ViewPixel(50 + 61, 164 + 68), Game->ViewPixel(195 + 61, 164 + 68));
    EXPECT_NE(Game->ViewPixel(50 + 61, 21 + 68), Game->ViewPixel(340 + 61, 21 + 68));

    // Back in the kitchen the baked cookies lie on the cooling tray, at the left end.
    Game->Click("BACK");
    ASSERT_EQ(Game->RoomName(), "KITCHEN");
    EXPECT_FALSE(k.TrayInOven());
    EXPECT_EQ(k.CoolingTray()[0], (TCookieSlot{1, 3, 2, 1}));
    EXPECT_EQ(k.CoolingTray()[3], (TCookieSlot{4, 4, 5, 1}));
    EXPECT_FALSE(TrayHoldsCookie(k.MachineTray()));
    EXPECT_NE(k.CoolingPicture(1), nullptr);
    EXPECT_TRUE(Enabled("#072C1"));
    EXPECT_TRUE(Enabled("#125C4"));
    EXPECT_FALSE(Enabled("#103C2"));
    EXPECT_TRUE(RoomFlag(kRoomSnapEnabled)) << "SNAP at the left end with cookies cooling";
    EXPECT_TRUE(ActionClickable(1));
    EXPECT_TRUE(ActionClickable(2));
    EXPECT_EQ(k.Jar(), 0) << "coming from the tray room takes nothing from the jar";
    EXPECT_TRUE(Enabled("#604GO"));
    // Scrolled to the right end, SNAP goes.
    Game->Click("GO_R_END");
    Game->Tick(8);
    EXPECT_FALSE(RoomFlag(kRoomSnapEnabled));
    EXPECT_FALSE(ActionClickable(1));
    EXPECT_EQ(Shown(), "");
}

TEST_F(Oven, LeavingDuringTheSequenceBakesTheTrayOnceOnly) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    PressCookie();
    ScrollLeft();
    Game->Click("#223OVN");
    Game->Tick(20);
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.CoolingTray()[0].Present, 1) << "the tray came out baked";
    EXPECT_FALSE(k.OvenBusy());
    // The next cookie stays on the machine tray across the next visits.
    Game->Click("GO_R_END");
    Game->Tick(8);
    PressCookie();
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.MachineTray()[3].Present, 1);
    EXPECT_EQ(k.CoolingTray()[3].Present, 0);
}

TEST_F(Oven, ACookieIsEatenInFourBitesAndOthersWaitTheirTurn) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    Pick(2, 1, 1);
    PressCookie();
    PressCookie();
    Bake();
    Game->Click("BACK");
    // Names without a place digit eat nothing.
    k.RunScript("PLATE", "#072C0");
    k.RunScript("PLATE", "#072C7");
    k.RunScript("PLATE", "#07");
    EXPECT_EQ(k.EatenPlace(), 0);
    Game->Click("#072C1");
    EXPECT_EQ(k.EatenPlace(), 1);
    EXPECT_EQ(k.CoolingTray()[0].Present, 0);
    EXPECT_FALSE(Enabled("#072C1"));
    EXPECT_FALSE(RoomFlag(kRoomWrapEnabled)) << "no gift or photo while eating";
    Game->Click("#125C4");
    EXPECT_EQ(k.EatenPlace(), 1) << "one cookie at a time";
    EXPECT_EQ(k.CoolingTray()[3].Present, 1);
    Game->Tick(1);  // the click came between ticks
    for (int bite = 1; bite <= 3; ++bite) {
        Game->Tick(20);
        EXPECT_EQ(k.Bites(), bite);
        EXPECT_EQ(k.EatenPlace(), 1);
    }
    EXPECT_TRUE(HeardWave(kWaveBite));
    Game->Tick(20);
    EXPECT_EQ(k.EatenPlace(), 0);
    EXPECT_EQ(k.CoolingPicture(1), nullptr);
    EXPECT_TRUE(HeardWave(kWaveLastBite));
    EXPECT_TRUE(RoomFlag(kRoomWrapEnabled)) << "the other cookie can be given again";
    Game->Click("#125C4");
    EXPECT_EQ(k.EatenPlace(), 4);
    EXPECT_EQ(Shown(), "");
}

TEST_F(Oven, CookiesLeftCoolingGoIntoTheJarWhichGivesOneBackEachVisit) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    for (int n = 0; n < 6; ++n) PressCookie();
    Bake();
    Game->Click("BACK");
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.Jar(), 2) << "six cookies make two in the jar";
    EXPECT_EQ(Frame("JAR"), 2);
    EXPECT_FALSE(TrayHoldsCookie(k.CoolingTray()));
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.Jar(), 1);
    // One cookie left cooling adds one.
    Game->Click("GO_R_END");
    Game->Tick(8);
    PressCookie();
    Bake();
    Game->Click("BACK");
    EXPECT_EQ(k.Jar(), 1);
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.Jar(), 1) << "one taken, one added";
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.Jar(), 0);
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.Jar(), 0) << "never below empty";
}

TEST_F(Oven, JugsPourFourBandsAndTheGlassEmptiesFromTheTop) {
    EnterKitchen();
    TKitchenRoom& k = Kitchen();
    ScrollLeft();
    k.RunScript("DRINK", "#093J3");
    k.RunScript("DRINK", "#093J");
    EXPECT_EQ(k.GlassBand(4), 0) << "no third jug";
    EXPECT_TRUE(Enabled("#093J1"));
    EXPECT_FALSE(Enabled("#061GLS"));
    Game->Click("#093J1");
    EXPECT_EQ(k.GlassBand(4), 1);
    EXPECT_EQ(k.JugLevel(1), kJugPours - 1);
    EXPECT_TRUE(HeardWave(kWavePour));
    Game->Click("#162J2");
    Game->Click("#093J1");
    Game->Click("#162J2");
    EXPECT_EQ(k.GlassBand(3), 2);
    EXPECT_EQ(k.GlassBand(1), 2);
    EXPECT_FALSE(Enabled("#093J1")) << "the glass is full";
    EXPECT_FALSE(Enabled("#162J2"));
    EXPECT_TRUE(Enabled("#061GLS"));
    k.RunScript("DRINK", "#093J1");
    EXPECT_EQ(k.JugLevel(1), kJugPours - 2) << "a full glass takes nothing";
    for (int band = 1; band <= 3; ++band) {
        Game->Click("#061GLS");
        EXPECT_EQ(k.GlassBand(band), 0);
    }
    const std::size_t before = Heard().size();
    Game->Click("#061GLS");
    const auto log = Heard();
    EXPECT_EQ(std::vector<int>(log.begin() + std::ptrdiff_t(before), log.end()), (std::vector<int>{kWaveGulp, kWaveLastGulp}));
    EXPECT_FALSE(Enabled("#061GLS"));
    // Eleven pours a visit from each jug.
    for (int pour = 2; pour < kJugPours; ++pour) {
        Game->Click("#093J1");
        Game->Click("#061GLS");
    }
    EXPECT_EQ(k.JugLevel(1), 0);
    EXPECT_FALSE(Enabled("#093J1"));
    EXPECT_TRUE(Enabled("#162J2"));
    Go("BED");
    Go("KITCHEN");
    EXPECT_EQ(k.JugLevel(1), kJugPours);
    EXPECT_EQ(Shown(), "");
}

TEST_F(Oven, TheKitchenIsRoomButtonFourOnceTheBedroomDoorIsOpen) {
    StartGame();
    Go("BED");
    Game->Click("DOOR");
    Game->Tick(2);
    Game->PressNav(4);
    Game->Tick(1);
    EXPECT_EQ(Game->RoomName(), "KITCHEN");
    EXPECT_EQ(Game->Window().HomeIndex, 4);
    Game->PressTutor();
    Game->Tick(1);
    EXPECT_EQ(Game->RoomName(), "KTEXT>");
    EXPECT_EQ(Shown(), "");
}

}  // namespace
}  // namespace kitchen_tests
