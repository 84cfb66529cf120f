// Any bytes read as the saved game of the whole house: the rooms of the game's own init script,
// in its order, each reading its record. Reading either succeeds or throws VekException; it
// never crashes, hangs or reads out of bounds. A saved game that reads is written out, read
// into a fresh house and written again: the two writes must agree, so no room accepts a record
// it cannot keep.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RegisterGameClassesOnce();

    auto house = std::make_unique<THouse>();
    TMemoryStream input(data, size);
    try {
        if (!house->World.ReadSaved(input)) return 0;  // not a saved game of this game
    } catch (const VekException&) {
        return 0;
    }
    const std::vector<std::uint8_t> first = Written(house->World);
    auto again = std::make_unique<THouse>();
    TMemoryStream reread(first.data(), first.size());
    try {
        if (!again->World.ReadSaved(reread)) std::abort();
    } catch (const VekException&) {
        std::abort();  // the game wrote a saved game it cannot read
    }
    if (Written(again->World) != first) std::abort();
    return 0;
}
