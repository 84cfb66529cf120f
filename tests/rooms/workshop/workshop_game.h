#pragma once
// The workshop in the built house, with stand-ins for the rooms it asks that are built
// elsewhere (the train table, the puzzle machine, the doll theatre, the card table, the
// slate), and the ways a test gets chosen toys onto the shelves.
#include <bitset>
#include <functional>

#include "platform/random.h"
#include "rooms/questions/card_table.h"
#include "rooms/questions/doll_parts.h"
#include "rooms/questions/puzzle_number.h"
#include "rooms/questions/train_engines.h"
#include "rooms/workshop/workshop_room.h"
#include "shell/sound_ids.h"
#include "tests/rooms/bedroom/house_game.h"

namespace workshop_tests {

// A room of the house that is built elsewhere, with a picture to show when visited.
class TStandIn : public TRoom {
public:
    explicit TStandIn(std::string_view name) : TRoom(name) { SetBackgroundName("textroom"); }
};

// The train room as the workshop sees it.
class TStandInTrains final : public TStandIn, public TTrainEnginesForWorkshop {
public:
    using TStandIn::TStandIn;
    std::uint8_t TerrainOfFirstCell() const override { return Terrain; }
    int EngineInWorkshop() const override { return Engine; }
    void ReturnEngine(int engine) override {
        Returned.push_back(engine);
        if (Engine == engine) Engine = 0;
    }
    std::uint8_t Terrain = 0;
    int Engine = 0;
    std::vector<int> Returned;
};

class TStandInPuzzle final : public TStandIn, public TCurrentPuzzleAnswer {
public:
    using TStandIn::TStandIn;
    int CurrentPuzzleNumber() const override { return Number; }
    int Number = 0;
};

class TStandInDolls final : public TStandIn, public TDollPartsAnswer {
public:
    using TStandIn::TStandIn;
    TDollPartChoices CurrentDollParts() const override { return Parts; }
    TDollPartChoices Parts;
};

class TStandInCards final : public TStandIn, public TCardTableAnswer {
public:
    using TStandIn::TStandIn;
    TCardTableView CardTable() const override { return View; }
    TCardTableView View;
};

inline const std::array<std::string, 4> kDrawerBoxes{"#563D1", "#664D2", "#562D3", "#660D4"};
inline const std::array<std::string, 4> kToolBoxes{"#563T1", "#664T2", "#562T3", "#660T4"};

// The toy boxes of the init script, by toy number - 1.
inline const std::array<std::string, kWorkshopToys> kToyBoxes{
    "#726R1", "#726R2", "#788R3", "#788R4", "#850R5", "#850R6", "#850R7", "#832R8", "#832R9", "#724R10", "#724R11"};

// The shelves the first visit sets out from this seed, worked out from the same random
// numbers: place 4 holds the engine waiting (toy engine + 9), the others a toy of their
// own at 7 chances in 10.
inline std::array<int, kShelfPlaces> FirstShelves(std::uint32_t seed, int engine = 0) {
    platform::RandomNumbers random(seed);
    std::array<int, kShelfPlaces> shelves{};
    for (int place = 1; place <= kShelfPlaces; ++place) {
        if (place == 4) {
            shelves[3] = engine != 0 ? engine + 9 : 0;
            continue;
        }
        if (random.Next(10) >= 7) continue;
        const int first[] = {0, 1, 3, 5, 0, 8};
        const int choices[] = {0, 2, 2, 3, 0, 2};
        shelves[std::size_t(place - 1)] = first[place] + random.Next(choices[place]);
    }
    return shelves;
}

class WorkshopGame : public house_test::HouseGame {
protected:
    void SetUp() override { Start(); }

    TWorkshopRoom& Shop() { return Game->RoomAs<TWorkshopRoom>("WORKSHOP"); }

    // A stand-in whose answers the test sets; the house's own room of that name steps aside.
    template <class T>
    T& AddStandIn(const std::string& name) {
        if (TRoom* real = Game->World().FindRoom(name)) real->SetID("REAL" + name);
        return *static_cast<T*>(Game->World().AddRoom(std::make_unique<T>(name)));
    }

    // Enters the workshop with the random numbers of a seed whose first shelves hold every
    // toy in `wanted`; fails the test when no seed below 2000 does.
    void EnterWith(std::initializer_list<int> wanted, int engine = 0) {
        for (std::uint32_t seed = 1; seed < 2000; ++seed) {
            const auto shelves = FirstShelves(seed, engine);
            bool all = true;
            for (int toy : wanted)
                all = all && shelves[std::size_t(TWorkshopRoom::PlaceOf(toy) - 1)] == toy;
            if (!all) continue;
            Expected = shelves;
            Game->Context().RandomNumbers().Seed(seed);
            Enter("WORKSHOP");
            return;
        }
        FAIL() << "no seed sets out those toys";
    }

    // To the right end, where the shelves and the cabinet are.
    void ScrollRight() {
        Game->Click("GO_R_END");
        Game->Tick(10);
        ASSERT_EQ(Game->Room()->ScrollOffset, 400);
    }

    void TakeTool(int tool) {
        if (Frame("D" + std::to_string(tool)) == 0) Game->Click(kDrawerBoxes[std::size_t(tool - 1)]);
        Game->Click(kToolBoxes[std::size_t(tool - 1)]);
        ASSERT_EQ(Shop().HeldTool(), tool);
    }

    // A tool that does not mend the toy.
    static int WrongTool(int toy) { return TWorkshopRoom::ToolOf(toy) % 4 + 1; }

    // The click, and the tick in which it is over: the toy's timers count from there.
    void ClickToy(int toy) {
        Game->Click(kToyBoxes[std::size_t(toy - 1)]);
        Game->Tick();
    }

    void Mend(int toy) {
        TakeTool(TWorkshopRoom::ToolOf(toy));
        ClickToy(toy);
        ASSERT_TRUE(Shop().ToyRepaired(toy));
    }

    int ToyFrame(int toy) { return Frame("WORKSHOP", "R" + std::to_string(toy)); }
    bool ToyShown(int toy) { return Set("WORKSHOP", "R" + std::to_string(toy)).Visible; }
    static int WaveOf(int sound) { return RemapSoundId(sound); }

    std::array<int, kShelfPlaces> Expected{};
};

}  // namespace workshop_tests
