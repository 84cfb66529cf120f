// Any bytes as the names of files in the game folder: the utility's scan of configuration
// files lists each ".qel" file whose name is a valid configuration name, plus "Default",
// sorted and without doubles, and never crashes on a name it cannot use.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "configutil/config_file_manager.h"
#include "foundation/folders.h"
#include "platform/headless/fake_folders.h"
#include "tests/fuzz/fuzz_scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz_support::TScratchFolder common("fuzz_config_names");
    static platform::headless::FakeKnownFolders known;
    static const std::filesystem::path game = common.Path() / "Kettlebrook" / "Zorvik";
    static const bool pathsSet = [] {
        std::filesystem::create_directories(game);
        known.CommonData = common.Path().string();
        EnsurePaths(true, "");
        return Folders().GameFolder == game.string() + "/";
    }();
    if (!pathsSet) __builtin_trap();
    struct TGameFolder {
        std::filesystem::path Path() const { return game; }
        void Write(const std::string& file, const std::uint8_t*, std::size_t) const { std::ofstream(game / file) << ""; }
    } folder;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path(), ec)) std::filesystem::remove_all(entry, ec);

    // Names separated by newlines; each becomes a file, or a folder when it starts with "/".
    std::string name;
    const auto make = [&] {
        if (name.empty()) return;
        const bool asFolder = name.front() == '/';
        std::string file = asFolder ? name.substr(1) : name;
        name.clear();
        if (file.empty() || file.find('/') != std::string::npos || file.find('\0') != std::string::npos ||
            file == "." || file == ".." || file.size() > 200)
            return;
        std::error_code ignored;
        if (asFolder) std::filesystem::create_directory(folder.Path() / file, ignored);
        else folder.Write(file, data, 0);
    };
    for (std::size_t i = 0; i < size && i < 4096; ++i) {
        if (data[i] == '\n') make();
        else name.push_back(static_cast<char>(data[i]));
    }
    make();

    TConfigFileManager manager;
    manager.ScanConfigFiles();
    const auto& items = manager.GetItems();
    if (items.empty()) __builtin_trap();
    for (std::size_t i = 1; i < items.size(); ++i)
        if (items[i] == items[i - 1]) __builtin_trap();
    return 0;
}
