#include <gtest/gtest.h>

#include <map>

#include "shell/sound_ids.h"

// The table as the game's sound designers wrote it down: ranges of sound ids and what each
// gives; anything unlisted gives 0.
TEST(SoundIds, RemapTableInFull) {
    std::map<int, int> expected;
    auto same = [&](int from, int to) {
        for (int s = from; s <= to; ++s) expected[s] = s;
    };
    auto shifted = [&](int from, int to, int by) {
        for (int s = from; s <= to; ++s) expected[s] = s + by;
    };
    same(0, 13);
    expected[14] = 0;
    shifted(15, 34, +1);
    expected[35] = 14;
    same(36, 44);
    shifted(45, 55, +1);
    const std::pair<int, int> singles[] = {{56, 31}, {57, 58}, {58, 57}, {59, 59}, {60, 60},
                                           {61, 36}, {62, 40}, {63, 61}, {64, 64}, {65, 62},
                                           {66, 65}, {67, 63}, {68, 66}, {69, 67}, {70, 2},
                                           {75, 14}};
    for (auto [s, w] : singles) expected[s] = w;
    shifted(71, 74, -3);
    shifted(76, 83, -4);

    for (int s = -5; s <= 300; ++s) {
        const auto it = expected.find(s);
        EXPECT_EQ(it == expected.end() ? 0 : it->second, RemapSoundId(s)) << "sound id " << s;
    }
    // Waves 15 and 45 are never asked for; every wave fits the manager's 7-bit ids.
    for (int s = 0; s <= 255; ++s) {
        EXPECT_NE(15, RemapSoundId(s));
        EXPECT_NE(45, RemapSoundId(s));
        EXPECT_EQ(RemapSoundId(s), WaveManIdOf(RemapSoundId(s)));
    }
}
