// Any bytes as the game's init script and sound list: the first byte chooses whether they
// are the text files (converted by the loaders) or the record files. Loading either succeeds
// or ends with VekException; it never crashes, hangs or reads out of bounds.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "engine/graphics/ac8_library.h"
#include "foundation/config.h"
#include "foundation/vek_exception.h"
#include "rooms/game_classes.h"
#include "shell/init_script.h"
#include "shell/sound_list.h"
#include "shell/sound_list_loader.h"
#include "shell/game_context.h"
#include "shell/world.h"
#include "tests/fuzz/fuzz_scratch_folder.h"
#include "tests/support/quiet_world_window.h"

namespace {

const std::filesystem::path& Folder() {
    static const fuzz_support::TScratchFolder folder("fuzz_init_script");
    return folder.Path();
}

void Write(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = [] {
        RegisterGameClasses();
        return true;
    }();
    (void)registered;
    if (size == 0) return 0;
    const bool asText = (data[0] & 1) != 0;
    const std::filesystem::path& folder = Folder();
    for (const char* name : {"init.txt", "init.dat", "sounds.txt", "sounds.dat"}) std::filesystem::remove(folder / name);
    Write(folder / (asText ? "init.txt" : "init.dat"), data + 1, size - 1);
    Write(folder / (asText ? "sounds.txt" : "sounds.dat"), data + 1, size - 1);

    TQuietWindow window;
    TAC8Library library;
    TGameContext context{library};
    TConfig config;
    {
        TWorld world(window, context, config);
        try {
            LoadGameScript(world, folder);
        } catch (const VekException&) {
        }
    }
    TSoundList sounds;
    try {
        LoadSoundList(sounds, folder);
    } catch (const VekException&) {
    }
    return 0;
}
