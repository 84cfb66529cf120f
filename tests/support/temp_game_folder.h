#pragma once
// A complete, empty game folder for one test: a temporary shared data folder with the game
// folder and its dat, wav and mid folders inside, the folder set resolved over it through
// headless known folders, and everything forgotten again when the test ends.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/folders.h"
#include "platform/headless/fake_folders.h"
#include "tests/support/temp_folder.h"

namespace testing_support {

class TempGameFolder {
public:
    TempGameFolder() {
        Known.CommonData = FCommon.Path().string();
        std::filesystem::create_directories(Path() / "dat" / "wav");
        std::filesystem::create_directories(Path() / "dat" / "mid");
        ClearPaths();
        EnsurePaths(true, "");
    }
    ~TempGameFolder() { ClearPaths(); }
    TempGameFolder(const TempGameFolder&) = delete;
    TempGameFolder& operator=(const TempGameFolder&) = delete;

    std::filesystem::path Path() const { return FCommon.Path() / "Kettlebrook" / "Zorvik"; }

    std::filesystem::path Write(const std::string& fileName, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream(Path() / fileName, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return Path() / fileName;
    }
    // The plain files of the game folder, sorted; temporary files would show here.
    std::vector<std::string> Files() const {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(Path()))
            if (!entry.is_directory() || entry.path().filename() != "dat") files.push_back(entry.path().filename());
        std::sort(files.begin(), files.end());
        return files;
    }

    platform::headless::FakeKnownFolders Known;

private:
    TempFolder FCommon;
};

}  // namespace testing_support
