#include "platform/posix/known_folders.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/posix/xdg.h"

namespace platform::posix {

namespace {
bool IsFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

std::string ReadSmallFile(const std::string& path) {
    std::string text;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n = 0;
        // user-dirs.dirs is a few hundred bytes; a huge file is not one the tools wrote.
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && text.size() < (1u << 20)) text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}
}  // namespace

std::string PosixKnownFolders::ProgramFolderOverride() const {
    return Environment("ZORVIK_PROGRAM_DIR").value_or(std::string());
}

std::string PosixKnownFolders::RunningProgramFolder() const {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return program.parent_path().string();
}

std::string PosixKnownFolders::DesktopFolder() const {
    if (auto chosen = Environment("ZORVIK_DESKTOP_DIR")) return *chosen;
    const auto home = HomeFolder();
    if (!home) return {};
    if (const auto config = ConfigHome()) {
        const auto desktop = UserDirFromText(ReadSmallFile(*config + "/user-dirs.dirs"), "XDG_DESKTOP_DIR", *home);
        // Pointing a user folder at the home folder is how a user switches it off.
        if (desktop && (std::filesystem::path(*desktop) / "").lexically_normal() ==
                           (std::filesystem::path(*home) / "").lexically_normal())
            return {};
        if (desktop && IsFolder(*desktop)) return *desktop;
    }
    const std::string fallback = *home + "/Desktop";
    return IsFolder(fallback) ? fallback : std::string();
}

std::optional<std::string> PosixKnownFolders::CommonDataFolder() const {
    if (auto chosen = Environment("ZORVIK_DATA_DIR")) return chosen;
    return DataHome();
}

}  // namespace platform::posix
