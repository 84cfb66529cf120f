// Any bytes read as a saved game by a world of a few rooms and one room of every registered
// kind: the header, then the rooms' records (counters, frame states, a return stack kept by
// name, each kind's own record). Reading either succeeds or
// throws VekException; it never crashes, hangs or reads out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/graphics/ac8_library.h"
#include "foundation/config.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "shell/room.h"
#include "shell/game_context.h"
#include "shell/world.h"
#include "tests/fuzz/every_room_kind.h"
#include "tests/support/quiet_world_window.h"
#include "tests/support/test_house.h"

namespace {

// A room keeping its frame states and a list of rooms by name.
class TMemoryRoom final : public TRoom {
public:
    TMemoryRoom(std::string_view name, const TRoomWorld* world) : TRoom(name), Visited(world) {
        AddFrameSet(std::make_unique<TFrameSet>("A", MakeRect(0, 0, 8, 8), 3, 10, "strip", nullptr));
        AddFrameSet(std::make_unique<TFrameSet>("B", MakeRect(0, 0, 8, 8), 1, 10, "strip", nullptr));
    }
    void ReadData(TStream& s) override {
        LoadFrameStates(s);
        Visited.LoadFromStream(s);
    }
    TRoomStack Visited;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RegisterGameClassesOnce();

    TQuietWindow window;
    TAC8Library library;
    TGameContext context{library};
    TConfig config;
    TWorld world(window, context, config);
    testing_support::BuildTestHouse(world);
    auto* memory = static_cast<TMemoryRoom*>(world.AddRoom(std::make_unique<TMemoryRoom>("MEMORY", &world)));
    world.FindRoom("KITCHEN")->FirstSaveVersion = 5;
    AddRoomOfEveryKind(world);

    TMemoryStream input(data, size);
    try {
        world.ReadSaved(input);
    } catch (const VekException&) {
        return 0;
    }
    if (memory->Visited.CachedCount() > TRoomStack::kMaxDepth) std::abort();
    for (auto* frameSet : NodesOf<TFrameSet>(memory->FrameSets()))
        if (frameSet->CurrentFrame < 0 || frameSet->CurrentFrame >= frameSet->GetFrameCount()) std::abort();
    return 0;
}
