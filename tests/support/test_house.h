#pragma once
// A small house of rooms built in code for the world's and the harness's tests, over a
// small picture library. Until the init-script loader exists this is what the harness
// plays; each room records what happens to it and keeps a counter in the saved game.
//
// Rooms, in this order (the saved game's order): TITLE (start; no navigation; box PLAY goes
// to LIVING), LIVING (room button 3), KITCHEN (4), BED (1), WORKSHOP (2), MGTEXT, DARK and
// STAGE (full frame). Every room but TITLE has: a go box TO<room> for each other of LIVING,
// KITCHEN, BED, WORKSHOP and STAGE; a return box BACK (bottom-left); a room-script box COUNT
// (script "COUNT") that adds one to the room's counter; a control box DRAG. Backgrounds are
// solid pictures of colour kTestHouseColour + the room's index.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/hit_box.h"
#include "shell/room.h"

class TWorld;

namespace testing_support {

inline constexpr std::uint8_t kTestHouseColour = 20;

class TTestHouseRoom : public TRoom {
public:
    using TRoom::TRoom;

    void RunScript(const std::string& script, const std::string& sender) override;
    bool ControlEvent(TControlBox& box, TControlEventKind kind) override;
    void Enter(const std::string& fromRoom) override;
    void Leave() override;
    void Draw(TAC8ImageData* view) override;
    void ReadData(TStream& s) override;
    void WriteData(TStream& s) override;

    // Every message as "script|sender", every control event as "box kind x,y", every entry
    // with the room it came from.
    std::vector<std::string> Messages;
    std::vector<std::string> Events;
    std::vector<std::string> EnteredFrom;
    int Leaves = 0;
    // Kept in the saved game.
    std::uint16_t Counter = 0;
    // Hooks for tests: return true when the message is handled.
    std::function<bool(const std::string& script, const std::string& sender)> OnScript;
    std::function<void(const std::string& fromRoom)> OnEnter;
    std::function<void()> OnDraw;
    std::function<void()> OnLeave;
    // The control box keeps the mouse after a press and a drag, and lets it go on release.
    bool KeepCapture = true;
};

// The test house's pictures as an image library file.
void WriteTestHouseLibrary(const std::filesystem::path& path);

// Adds the rooms to the world and names TITLE the start room.
void BuildTestHouse(TWorld& world);

}  // namespace testing_support
