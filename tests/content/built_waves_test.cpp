// Reads back every wave the build made, with a small RIFF reader of its own, and checks what
// the game's wave loader needs and what a child will hear.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/sounds/sound_list.h"

namespace {

const std::filesystem::path kDat = std::filesystem::path(ZORVIK_GAME_DIR) / "dat";

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

struct TWave {
    std::string error;  // empty when the file is a PCM wave
    std::uint16_t formatTag = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks the way the game's loader does: "fmt " and "data" inside "WAVE".
TWave ReadWave(const std::filesystem::path& path) {
    TWave w;
    std::vector<std::uint8_t> b = ReadFile(path);
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        w.error = "no RIFF chunk of form WAVE";
        return w;
    }
    if (U32(b, 4) + 8 != b.size()) {
        w.error = "the RIFF size does not match the file";
        return w;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        std::string id(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + 4));
        std::uint32_t size = U32(b, at + 4);
        if (at + 8 + size > b.size()) {
            w.error = "chunk " + id + " runs past the end";
            return w;
        }
        if (id == "fmt ") {
            if (size < 16) {
                w.error = "short fmt chunk";
                return w;
            }
            w.formatTag = U16(b, at + 8);
            w.channels = U16(b, at + 10);
            w.rate = U32(b, at + 12);
            w.bits = U16(b, at + 22);
            haveFormat = true;
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(U16(b, at + 8 + i)));
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat) w.error = "no fmt chunk";
    else if (w.samples.empty()) w.error = "no data";
    return w;
}

std::vector<std::string> BuiltSoundList() {
    std::ifstream in(kDat / "sounds.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return SoundListNames(text.str());
}

// The waves the game plays as loops: the blind, the cookie machine, the oven timer and the
// trains' running sounds. They must join end to start without a click.
const std::set<std::string> kLoops = {"blind", "machine", "ring",  "ticking", "run10", "run01",
                                      "run20", "run02",   "run11", "run22",   "run21"};

TEST(BuiltWaves, TheSoundListNamesAWaveForEveryWaveIdTheGameUses) {
    std::vector<std::string> names = BuiltSoundList();
    ASSERT_GE(names.size(), 80u);
    for (const std::string& name : names) EXPECT_TRUE(std::filesystem::exists(kDat / "wav" / (name + ".wav"))) << name;
}

TEST(BuiltWaves, EveryWaveIsShortPleasantMonoPcm) {
    for (const std::string& name : BuiltSoundList()) {
        SCOPED_TRACE(name);
        TWave w = ReadWave(kDat / "wav" / (name + ".wav"));
        ASSERT_EQ(w.error, "");
        EXPECT_EQ(w.formatTag, 1);  // the game refuses anything but PCM
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.rate, 22050u);
        double seconds = static_cast<double>(w.samples.size()) / w.rate;
        EXPECT_GT(seconds, 0.01);
        EXPECT_LT(seconds, 5.0);  // effects, not music: a long one would hold up the queue

        int peak = 0;
        for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000) << "too quiet to hear";
        EXPECT_LT(peak, 32000) << "clipped";

        if (kLoops.count(name)) {
            // Across the seam the step must be no larger than the largest step inside.
            int largestStep = 0;
            for (std::size_t i = 1; i < w.samples.size(); ++i)
                largestStep = std::max(largestStep, std::abs(w.samples[i] - w.samples[i - 1]));
            EXPECT_LE(std::abs(w.samples.front() - w.samples.back()), largestStep);
        } else {
            // A sound that starts or stops away from silence clicks.
            EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), peak / 20);
            EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), peak / 20);
        }
    }
}

TEST(BuiltWaves, NoTwoWavesSoundTheSame) {
    std::set<std::vector<std::int16_t>> seen;
    for (const std::string& name : BuiltSoundList())
        EXPECT_TRUE(seen.insert(ReadWave(kDat / "wav" / (name + ".wav")).samples).second) << name;
}

}  // namespace
