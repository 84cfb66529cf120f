// Reads back every wave the build made through the game's own wave reader, named by the sound
// list as the game's own loader reads it, and checks what a child will hear.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/sound/wave_file.h"
#include "foundation/file_lookup.h"
#include "foundation/text.h"
#include "shell/sound_list.h"
#include "shell/sound_list_loader.h"

namespace {

const std::filesystem::path kDat = std::filesystem::path(ZORVIK_GAME_DIR) / "dat";

struct TWave {
    int loadCode = kWaveLoadOk;
    platform::PcmFormat format;
    std::vector<std::int16_t> samples;
};

// The wave file of a sound as the game finds it: by name, whatever the letter case.
std::filesystem::path WaveFile(const std::string& name) { return DataFilePath(kDat / "wav", name + ".wav"); }

TWave ReadWave(const std::filesystem::path& path) {
    TWave w;
    TWaveData data;
    w.loadCode = LoadWaveFile(path, data);
    w.format = data.Format;
    if (data.Format.BitsPerSample == 16)
        for (std::size_t i = 0; i + 1 < data.Samples.size(); i += 2)
            w.samples.push_back(static_cast<std::int16_t>(data.Samples[i] | (data.Samples[i + 1] << 8)));
    return w;
}

// The wave names by wave id, from the built record file "sounds.dat" as the game loads it.
std::vector<std::string> BuiltSoundList() {
    TSoundList list;
    LoadSoundList(list, kDat);
    std::vector<std::string> names;
    for (std::int32_t id = 0;; ++id) {
        std::string name = list.SoundFileName(id);
        if (name.empty()) return names;
        names.push_back(name);
    }
}

// The waves the game plays as loops: the blind, the cookie machine, the oven timer and the
// trains' running sounds. They must join end to start without a click.
const std::set<std::string> kLoops = {"blind", "machine", "ring",  "ticking", "run10", "run01",
                                      "run20", "run02",   "run11", "run22",   "run21"};

TEST(BuiltWaves, TheSoundListNamesAWaveForEveryWaveIdTheGameUses) {
    std::vector<std::string> names = BuiltSoundList();
    ASSERT_GE(names.size(), 80u);
    for (const std::string& name : names) EXPECT_TRUE(FindFileNoCase(kDat / "wav", name + ".wav")) << name;
}

TEST(BuiltWaves, EveryWaveIsShortPleasantMonoPcm) {
    for (const std::string& name : BuiltSoundList()) {
        SCOPED_TRACE(name);
        TWave w = ReadWave(WaveFile(name));
        ASSERT_EQ(w.loadCode, kWaveLoadOk);
        EXPECT_EQ(w.format.Channels, 1);
        EXPECT_EQ(w.format.BitsPerSample, 16);
        EXPECT_EQ(w.format.SamplesPerSec, 22050u);
        double seconds = static_cast<double>(w.samples.size()) / w.format.SamplesPerSec;
        EXPECT_GT(seconds, 0.01);
        EXPECT_LT(seconds, 5.0);  // effects, not music: a long one would hold up the queue

        int peak = 0;
        for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000) << "too quiet to hear";
        EXPECT_LT(peak, 32000) << "clipped";

        if (kLoops.count(LowerAscii(name))) {
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
        EXPECT_TRUE(seen.insert(ReadWave(WaveFile(name)).samples).second) << name;
}

}  // namespace
