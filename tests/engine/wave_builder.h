#pragma once
// Builds wave files byte by byte, so tests can damage any field they like.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace wavetest {

using Bytes = std::vector<std::uint8_t>;

inline void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A chunk: id, size as given (defaults to the body's), body, and a pad byte when odd.
inline Bytes Chunk(const std::string& id, const Bytes& body, std::int64_t size = -1) {
    Bytes b(id.begin(), id.end());
    Put32(b, static_cast<std::uint32_t>(size < 0 ? static_cast<std::int64_t>(body.size()) : size));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) b.push_back(0);
    return b;
}

inline Bytes FmtBody(std::uint16_t tag = 1, std::uint16_t channels = 1, std::uint32_t rate = 8000,
                     std::uint16_t bits = 8) {
    Bytes b;
    const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * align);
    Put16(b, align);
    Put16(b, bits);
    return b;
}

inline Bytes Riff(const std::string& form, const std::vector<Bytes>& chunks) {
    Bytes body(form.begin(), form.end());
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    return Chunk("RIFF", body);
}

// A playable mono 8-bit file of `samples` bytes at `rate` samples a second.
inline Bytes SimpleWave(std::size_t samples = 800, std::uint32_t rate = 8000) {
    Bytes data(samples);
    for (std::size_t i = 0; i < samples; ++i) data[i] = static_cast<std::uint8_t>(128 + (i % 16) * 4);
    return Riff("WAVE", {Chunk("fmt ", FmtBody(1, 1, rate, 8)), Chunk("data", data)});
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh, empty folder under the system's temporary folder, removed again at the end of
// the test. Its name is random: test cases run in parallel processes.
class TempFolder {
public:
    explicit TempFolder(const std::string& name) {
        std::random_device random;
        FPath = std::filesystem::temp_directory_path() /
                ("zorvik-" + name + "-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(FPath);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return FPath; }
    operator const std::filesystem::path&() const { return FPath; }

private:
    std::filesystem::path FPath;
};

}  // namespace wavetest
