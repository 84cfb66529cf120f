#include <gtest/gtest.h>

#include "engine/sound/wave_file.h"
#include "foundation/stream.h"
#include "wave_builder.h"

using namespace wavetest;

namespace {

int Read(const Bytes& bytes, TWaveData* out = nullptr) {
    TMemoryStream s(bytes);
    TWaveData data;
    const int code = ReadWaveData(s, data);
    if (out != nullptr) *out = std::move(data);
    return code;
}

}  // namespace

TEST(WaveFile, ReadsFormatAndSamplesPastOtherChunks) {
    const Bytes samples{1, 2, 3};  // odd: the chunk is padded
    const Bytes file = Riff("WAVE", {Chunk("LIST", Bytes{9, 9, 9}), Chunk("fmt ", FmtBody(1, 2, 22050, 16)),
                                     Chunk("fact", Bytes{0, 0, 0, 0}), Chunk("data", samples)});
    TWaveData data;
    ASSERT_EQ(kWaveLoadOk, Read(file, &data));
    EXPECT_EQ(2, data.Format.Channels);
    EXPECT_EQ(22050u, data.Format.SamplesPerSec);
    EXPECT_EQ(22050u * 4, data.Format.AvgBytesPerSec);
    EXPECT_EQ(4, data.Format.BlockAlign);
    EXPECT_EQ(16, data.Format.BitsPerSample);
    EXPECT_EQ(samples, data.Samples);
}

TEST(WaveFile, FormatChunkWithExtraSizeUsesItsFirst16Bytes) {
    Bytes fmt = FmtBody(1, 1, 11025, 8);
    Put16(fmt, 2);  // extra size, then two extra bytes
    fmt.push_back(0xAA);
    fmt.push_back(0xBB);
    TWaveData data;
    ASSERT_EQ(kWaveLoadOk, Read(Riff("WAVE", {Chunk("fmt ", fmt), Chunk("data", Bytes{5, 6})}), &data));
    EXPECT_EQ(11025u, data.Format.SamplesPerSec);
    EXPECT_EQ((Bytes{5, 6}), data.Samples);
}

TEST(WaveFile, EachDamageGivesItsCode) {
    const Bytes fmt = Chunk("fmt ", FmtBody());
    const Bytes data = Chunk("data", Bytes(10, 128));
    struct Case {
        const char* what;
        Bytes file;
        int code;
    };
    const Case cases[] = {
        {"empty data", Riff("WAVE", {fmt, Chunk("data", {})}), kWaveEmptyData},
        {"data above the cap",
         Riff("WAVE", {fmt, Chunk("data", Bytes(4, 0), static_cast<std::int64_t>(kMaxWaveDataBytes) + 1)}),
         kWaveNoMemoryForSamples},
        {"fmt shorter than PCM", Riff("WAVE", {Chunk("fmt ", Bytes(14, 0)), data}), kWaveShortFormat},
        {"fmt runs past the end", Riff("WAVE", {Chunk("fmt ", FmtBody(), 4000)}), kWaveShortFormat},
        {"data runs past the end", Riff("WAVE", {fmt, Chunk("data", Bytes(10, 0), 11)}), kWaveShortData},
        {"data claims 4 GiB", Riff("WAVE", {fmt, Chunk("data", Bytes(10, 0), 0xFFFFFFF0)}),
         kWaveNoMemoryForSamples},
        {"no RIFF", Chunk("LIST", Bytes(20, 0)), kWaveNoRiffWave},
        {"RIFF of another form", Riff("AVI ", {fmt, data}), kWaveNoRiffWave},
        {"no fmt", Riff("WAVE", {data}), kWaveNoFormatChunk},
        {"no data", Riff("WAVE", {fmt}), kWaveNoDataChunk},
        {"data before fmt", Riff("WAVE", {data, fmt}), kWaveNoDataChunk},
        {"not PCM", Riff("WAVE", {Chunk("fmt ", FmtBody(3, 1, 8000, 32)), data}), kWaveNotPcm},
        {"empty file", Bytes{}, kWaveNoRiffWave},
    };
    for (const Case& c : cases) EXPECT_EQ(c.code, Read(c.file)) << c.what;
}

TEST(WaveFile, EveryTruncationAndSizeDamageIsRefusedCleanly) {
    const Bytes good = SimpleWave(40);
    for (std::size_t n = 0; n < good.size(); ++n) {
        const int code = Read(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)));
        EXPECT_GE(code, kWaveNoMemoryForFormat) << n;
        EXPECT_LE(code, kWaveNotPcm) << n;
    }
    // Every size byte of every header set to 0xFF, one at a time.
    for (std::size_t at : {4u, 5u, 7u, 16u, 19u, 40u, 43u}) {
        Bytes bad = good;
        bad[at] = 0xFF;
        const int code = Read(bad);
        EXPECT_TRUE(code == kWaveLoadOk || (code >= 20000 && code <= 20009)) << at;
    }
}

TEST(WaveFile, LoadRefusesMissingAndOverlongPaths) {
    const TempFolder temp("wave-file");
    const std::filesystem::path& folder = temp.Path();
    TWaveData data;
    EXPECT_EQ(kWaveCannotOpen, LoadWaveFile(folder / "missing.wav", data));
    EXPECT_EQ(kWaveCannotOpen, LoadWaveFile(folder, data));  // a folder is no sound
    EXPECT_EQ(kWaveCannotOpen, LoadWaveFile(folder / std::string(kMaxWavePathBytes, 'a'), data));
    WriteFile(folder / "ok.wav", SimpleWave(12));
    ASSERT_EQ(kWaveLoadOk, LoadWaveFile(folder / "ok.wav", data));
    EXPECT_EQ(12u, data.Samples.size());
}
