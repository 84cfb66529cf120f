// Any bytes read as the saved game of the whole house: the rooms of the game's own init script,
// in its order, each reading its record. Reading either succeeds or throws VekException; it
// never crashes, hangs or reads out of bounds. A saved game that reads is written out, read
// into the house as it starts and written again: the two writes must agree, so no room
// accepts a record it cannot keep.
//
// Building the house (its init script, every room and the data files rooms read) costs many
// times more than reading one saved game, so it is built once per process. Between inputs
// every room is brought back to how it starts by reading the saved game the house wrote as
// soon as it stood; that the house then writes those very bytes again proves the return.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/graphics/ac8_library.h"
#include "foundation/config.h"
#include "foundation/folders.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "platform/headless/fake_folders.h"
#include "shell/init_script.h"
#include "shell/saved_game.h"
#include "shell/game_context.h"
#include "shell/world.h"
#include "tests/fuzz/every_room_kind.h"
#include "tests/fuzz/fuzz_scratch_folder.h"
#include "tests/support/quiet_world_window.h"

namespace {

// A game folder of this process's own: the built game's init script (the loader writes its
// record file beside it) and the data files rooms read when they are made (the slate's fill
// map), found there through the folder set.
const std::filesystem::path& ScriptFolder() {
    static const fuzz_support::TScratchFolder folder("fuzz_house_saved_game");
    static platform::headless::FakeKnownFolders known;
    static const bool copied = [] {
        const std::filesystem::path built = ZORVIK_BUILT_DAT;
        const std::filesystem::path dat = folder.Path() / "game" / "dat";
        std::filesystem::create_directories(dat);
        std::filesystem::copy_file(ZORVIK_INIT_SCRIPT, dat / "init.txt");
        for (const char* file : {"slatemap.dat"}) {
            if (!std::filesystem::exists(built / file)) {
                std::fprintf(stderr, "fuzz_house_saved_game: %s is missing: build the default preset first\n",
                             (built / file).c_str());
                std::exit(1);
            }
            std::filesystem::copy_file(built / file, dat / file);
        }
        known.CommonData = folder.Path().string();
        ClearPaths();
        SetPaths((folder.Path() / "game").string());
        return true;
    }();
    (void)copied;
    static const std::filesystem::path dat = folder.Path() / "game" / "dat";
    return dat;
}

struct THouse {
    TQuietWindow Window;
    TAC8Library Library;
    TGameContext Context{Library};
    TConfig Config;
    TWorld World{Window, Context, Config};
    THouse() { LoadGameScript(World, ScriptFolder()); }
};

std::vector<std::uint8_t> Written(TWorld& world) {
    TMemoryStream out;
    world.WriteSaved(out);
    return out.Bytes();
}

// The one house of this process, with what it wrote when it had just been built.
class TReusableHouse {
public:
    TReusableHouse() : FStart(Written(FHouse.World)) {}

    TWorld& World() { return FHouse.World; }

    // Every room as the house started, whatever an input made of it.
    void BringBackToStart() {
        TMemoryStream start(FStart.data(), FStart.size());
        if (!FHouse.World.ReadSaved(start) || start.Remaining() != 0) std::abort();
        if (Written(FHouse.World) != FStart) std::abort();  // a room kept something of the last input
    }

private:
    THouse FHouse;
    const std::vector<std::uint8_t> FStart;
};

TReusableHouse& House() {
    RegisterGameClassesOnce();
    static TReusableHouse house;
    return house;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TReusableHouse& house = House();
    // A header the game does not take leaves the rooms untouched.
    TMemoryStream header(data, size);
    if (!ReadSavedGameHeader(header).Accepted) return 0;

    TMemoryStream input(data, size);
    std::vector<std::uint8_t> first;
    try {
        if (house.World().ReadSaved(input)) first = Written(house.World());
    } catch (const VekException&) {
    }
    house.BringBackToStart();
    if (first.empty()) return 0;

    TMemoryStream reread(first.data(), first.size());
    try {
        if (!house.World().ReadSaved(reread)) std::abort();
    } catch (const VekException&) {
        std::abort();  // the game wrote a saved game it cannot read
    }
    const bool same = Written(house.World()) == first;
    house.BringBackToStart();
    if (!same) std::abort();
    return 0;
}
