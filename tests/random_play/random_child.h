#pragma once
// A child playing at random: clicks, drags and lone presses and releases anywhere in the play
// area and on the enabled boxes of the room, the room and action buttons when they take a
// press, the tutor and about buttons, Shift, Ctrl and Delete, sounds and songs that end at
// any moment, now and then a walk through the house's doors to a room of its choice, the
// window sent to the background, or the game closed and started again. Every choice comes
// from one seeded generator, so a seed replays the same game.
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "tests/random_play/house_doors.h"
#include "tests/support/game_harness.h"

namespace random_play {

// How the walks to one room went.
struct TWalks {
    int Tries = 0;
    int Arrived = 0;
    // The way was shut by the house's own state (a door box disabled: the jukebox away for
    // repair, the bedroom door closed).
    int Shut = 0;
};

class TRandomChild {
public:
    // `restart` ends the game and starts it again over the same folder, as closing the window
    // and starting the program would, with the program's services installed again.
    TRandomChild(testing_support::TGameHarness& game, std::uint32_t seed, std::function<void()> restart);

    // Does one thing and says what, for the log of a failing run.
    std::string Act();
    // The game ends and starts again (also after it quits by itself); the ways stay the same.
    void Restart();
    int Restarts() const { return FRestarts; }

    // Walks through the house's doors to the next room of its round of them all.
    std::string WalkTo();

    // 0 .. n - 1.
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(FRandom); }
    bool OneIn(int n) { return Below(n) == 0; }
    const std::map<std::string, TWay>& Ways() const { return FWays; }
    const std::map<std::string, TWalks>& Walks() const { return FWalks; }

private:
    TPoint AnyPoint();
    TPoint AnyPointAround();
    TPoint SomewhereOn(const testing_support::TGameHarness::TBoxPoint& box);
    std::string ClickBox();
    std::string ClickAnywhere();
    std::string Drag();
    std::string LoneMouse();
    std::string PressNav();
    std::string PressAction();
    std::string PressKeys();
    // Buttons outside the play area are pressed with the mouse released.
    void LetGo();
    void Down(TPoint at);
    void Up(TPoint at);

    testing_support::TGameHarness& FGame;
    std::function<void()> FRestart;
    std::mt19937 FRandom;
    std::map<std::string, TWay> FWays;
    std::map<std::string, TWalks> FWalks;
    std::vector<std::string> FWalkOrder;
    int FAbsorbed = 0;
    int FRestarts = 0;
    bool FMouseHeld = false;
    TPoint FMouse{0, 0};
};

}  // namespace random_play
