#include "tools/sounds/wave_file.h"

#include <fstream>
#include <string_view>

#include "tools/common/content_error.h"

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutTag(std::vector<std::uint8_t>& out, std::string_view tag) { out.insert(out.end(), tag.begin(), tag.end()); }

}  // namespace

std::vector<std::uint8_t> WaveFileBytes(const std::vector<std::int16_t>& samples, int rate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes + 1);
    PutTag(out, "RIFF");
    Put32(out, 4 + (8 + 16) + (8 + dataBytes + (dataBytes & 1)));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<std::uint32_t>(rate));
    Put32(out, static_cast<std::uint32_t>(rate) * 2);  // bytes per second
    Put16(out, 2);                                     // bytes per sample frame
    Put16(out, 16);                                    // bits per sample
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    if (dataBytes & 1) out.push_back(0);  // chunks are padded to even sizes
    return out;
}

void WriteWaveFile(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate) {
    std::vector<std::uint8_t> bytes = WaveFileBytes(samples, rate);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) ThrowContentError(path.string(), 0, "cannot write the wave file");
}
