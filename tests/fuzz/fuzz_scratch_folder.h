#pragma once
// A folder of one fuzzing process's own, removed when it ends: two runs of a target never
// write the same file. It lies in memory where the machine offers it (ZORVIK_FUZZ_TMPDIR,
// else /dev/shm), so the loaders' flushes to disk do not bound the runs a second.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fuzz_support {

class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& target) {
        std::random_device random;
        const std::string name = target + "_" + std::to_string(random()) + std::to_string(random());
        for (const std::filesystem::path& base : Bases()) {
            std::error_code ec;
            if (base.empty() || !std::filesystem::is_directory(base, ec)) continue;
            if (std::filesystem::create_directory(base / name, ec) && !ec) {
                FPath = base / name;
                return;
            }
        }
        FPath = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(FPath);
    }
    ~TScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }

    // Writes the bytes as the folder's file of that name, replacing it.
    std::filesystem::path Write(const std::string& name, const std::uint8_t* data, std::size_t size) const {
        const std::filesystem::path path = FPath / name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return path;
    }

private:
    static std::vector<std::filesystem::path> Bases() {
        std::vector<std::filesystem::path> bases;
        if (const char* chosen = std::getenv("ZORVIK_FUZZ_TMPDIR")) bases.emplace_back(chosen);
        bases.emplace_back("/dev/shm");
        return bases;
    }

    std::filesystem::path FPath;
};

}  // namespace fuzz_support
