// The game context: each game has its own program-wide objects, a room reaches them through
// the world that holds it, and a room no world holds has none to reach.
#include <gtest/gtest.h>

#include <vector>

#include "shell/qe_exception.h"
#include "shell/room.h"
#include "tests/support/game_harness.h"
#include "test_world.h"

using testing_support::TGameHarness;
using testing_support::THarnessOptions;

namespace {

// A room that shows what it reaches of the context from inside its member functions.
class TAskingRoom : public TRoom {
public:
    using TRoom::TRoom;
    std::int32_t AskViewWidth() const { return ViewWidth(); }
    std::int32_t AskRandom(std::int32_t range) const { return Random(range); }
    const TGameServices& AskServices() const { return GameServices(); }
    void Sound() const { PlaySound(3); }
    bool Looping() const { return LoopingSoundPlaying(); }
};

std::vector<int> Draws(TGameContext& context, int count) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) draws.push_back(context.Random(1000));
    return draws;
}

// What a game of this seed draws once it has started.
std::vector<int> DrawsAfterStart(std::uint32_t seed) {
    THarnessOptions options;
    options.RandomSeed = seed;
    TGameHarness game(options);
    game.Start();
    return Draws(game.Context(), 10);
}

TEST(GameContext, TheSeedOfAGameDecidesItsChoices) {
    const std::vector<int> seven = DrawsAfterStart(7);
    EXPECT_EQ(DrawsAfterStart(7), seven);
    EXPECT_NE(DrawsAfterStart(8), seven);
}

TEST(GameContext, AFullFrameViewIsThatGamesOnly) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    game.Click("TOSTAGE");
    ASSERT_EQ(game.RoomName(), "STAGE");
    EXPECT_EQ(game.Context().ViewWidth(), kFullFrameViewWidth);
    TTestWorld other;
    auto* room = other.AddRoom(std::make_unique<TAskingRoom>("ELSEWHERE"));
    EXPECT_EQ(room->AskViewWidth(), kNormalViewWidth);
    EXPECT_EQ(other.Context().ViewHeight(), kNormalViewHeight);
}

TEST(GameContext, ARoomReachesTheContextOfTheWorldThatHoldsIt) {
    TGameHarness game;
    game.Start();
    TConfig config;
    game.Context().SetServices(TGameServices{&config});
    auto* room = static_cast<TAskingRoom*>(game.World().AddRoom(std::make_unique<TAskingRoom>("ASKER")));
    EXPECT_EQ(room->AskServices().Config, &config);
    EXPECT_EQ(room->AskViewWidth(), kNormalViewWidth);
    game.Context().RandomNumbers().Seed(99);
    const int first = room->AskRandom(1000);
    game.Context().RandomNumbers().Seed(99);
    EXPECT_EQ(game.Context().Random(1000), first) << "the room draws from the game's generator";
    room->Sound();
    EXPECT_EQ(game.SoundLog(), std::vector<int>{3});
    game.Context().SetServices({});
}

TEST(GameContext, ARoomNoWorldHoldsIsSilentHasTheNormalViewAndNoContext) {
    TAskingRoom room("LOOSE");
    EXPECT_NO_THROW(room.Sound());
    EXPECT_FALSE(room.Looping());
    EXPECT_EQ(room.AskViewWidth(), kNormalViewWidth);
    EXPECT_THROW(room.AskRandom(10), QEException);
    EXPECT_THROW(room.AskServices(), QEException);
}

}  // namespace
