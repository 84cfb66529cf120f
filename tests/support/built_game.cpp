#include "tests/support/built_game.h"

#include "shell/init_script.h"

namespace testing_support {

namespace fs = std::filesystem;

THarnessOptions BuiltGameOptions(const fs::path& dat) {
    THarnessOptions options;
    options.WriteLibrary = [dat](const fs::path& library) {
        fs::copy_file(dat / "Zorvik.ac8", library, fs::copy_options::overwrite_existing);
        // The slate reads its fill map from the same folder when the init script creates it.
        fs::copy_file(dat / "slatemap.dat", library.parent_path() / "slatemap.dat", fs::copy_options::overwrite_existing);
    };
    options.BuildRooms = [](TWorld& world) { LoadGameScript(world); };
    return options;
}

void InstallBuiltScript(TGameHarness& game, const fs::path& dat, TBuiltScript form) {
    const fs::path folder = game.Folder().Path() / "dat";
    const char* kept = form == TBuiltScript::RecordFile ? "init.dat" : "init.txt";
    const char* dropped = form == TBuiltScript::RecordFile ? "init.txt" : "init.dat";
    fs::remove(folder / dropped);
    fs::copy_file(dat / kept, folder / kept, fs::copy_options::overwrite_existing);
}

}  // namespace testing_support
