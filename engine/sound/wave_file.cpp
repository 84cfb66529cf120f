#include "wave_file.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <utility>

#include "foundation/stream.h"
#include "foundation/vek_exception.h"

namespace {

struct TChunk {
    std::int64_t DataPos;  // first byte after the 8-byte header
    std::uint64_t Size;    // as the header says; may run past the file's end
};

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// Reads `count` bytes at `pos`; false when the stream holds fewer.
bool ReadAt(TStream& s, std::int64_t pos, void* buffer, std::size_t count) {
    if (pos < 0 || pos > s.Size() || s.Size() - pos < static_cast<std::int64_t>(count))
        return false;
    s.Seek(pos);
    return s.Read(buffer, count) == count;
}

// Where the chunk after the one at `chunk` starts: chunks are padded to even sizes.
std::int64_t NextChunkPos(const TChunk& c) {
    const std::uint64_t next = static_cast<std::uint64_t>(c.DataPos) + c.Size + (c.Size & 1);
    return static_cast<std::int64_t>(std::min<std::uint64_t>(next, INT64_MAX));
}

// The first chunk with this id among the chunks from `pos` up to `end`; every step moves
// at least one header forward, so a damaged size cannot make the walk loop.
std::optional<TChunk> FindChunk(TStream& s, std::int64_t pos, std::int64_t end, const char* id) {
    std::uint8_t header[8];
    while (pos <= end - 8 && ReadAt(s, pos, header, sizeof header)) {
        const TChunk chunk{pos + 8, Le32(header + 4)};
        if (std::memcmp(header, id, 4) == 0) return chunk;
        pos = NextChunkPos(chunk);
    }
    return std::nullopt;
}

// The outer RIFF chunk of form "WAVE"; its children lie between the returned positions.
std::optional<std::pair<std::int64_t, std::int64_t>> FindRiffWave(TStream& s) {
    std::int64_t pos = 0;
    while (auto riff = FindChunk(s, pos, s.Size(), "RIFF")) {
        std::uint8_t form[4];
        if (riff->Size >= 4 && ReadAt(s, riff->DataPos, form, 4) &&
            std::memcmp(form, "WAVE", 4) == 0) {
            const std::uint64_t end = static_cast<std::uint64_t>(riff->DataPos) + riff->Size;
            return std::pair{riff->DataPos + 4,
                             static_cast<std::int64_t>(
                                 std::min<std::uint64_t>(end, static_cast<std::uint64_t>(s.Size())))};
        }
        pos = NextChunkPos(*riff);
    }
    return std::nullopt;
}

}  // namespace

int ReadWaveData(TStream& s, TWaveData& out) {
    const auto riff = FindRiffWave(s);
    if (!riff) return kWaveNoRiffWave;
    const auto [childStart, childEnd] = *riff;

    const auto fmt = FindChunk(s, childStart, childEnd, "fmt ");
    if (!fmt) return kWaveNoFormatChunk;
    // Only the PCM fields are used, but the whole chunk must be there.
    if (fmt->Size < 16 || static_cast<std::uint64_t>(s.Size() - fmt->DataPos) < fmt->Size)
        return kWaveShortFormat;
    std::uint8_t raw[16];
    if (!ReadAt(s, fmt->DataPos, raw, sizeof raw)) return kWaveShortFormat;
    platform::PcmFormat format;
    format.FormatTag = Le16(raw);
    format.Channels = Le16(raw + 2);
    format.SamplesPerSec = Le32(raw + 4);
    format.AvgBytesPerSec = Le32(raw + 8);
    format.BlockAlign = Le16(raw + 12);
    format.BitsPerSample = Le16(raw + 14);
    if (format.FormatTag != 1) return kWaveNotPcm;

    const auto data = FindChunk(s, NextChunkPos(*fmt), childEnd, "data");
    if (!data) return kWaveNoDataChunk;
    if (data->Size == 0) return kWaveEmptyData;
    if (data->Size > kMaxWaveDataBytes) return kWaveNoMemoryForSamples;
    if (static_cast<std::uint64_t>(s.Size() - data->DataPos) < data->Size) return kWaveShortData;

    std::vector<std::uint8_t> samples;
    try {
        samples.resize(static_cast<std::size_t>(data->Size));
    } catch (const std::bad_alloc&) {
        return kWaveNoMemoryForSamples;
    }
    if (!ReadAt(s, data->DataPos, samples.data(), samples.size())) return kWaveShortData;
    out.Format = format;
    out.Samples = std::move(samples);
    return kWaveLoadOk;
}

int LoadWaveFile(const std::filesystem::path& path, TWaveData& out) {
    if (path.native().size() > kMaxWavePathBytes) return kWaveCannotOpen;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return kWaveCannotOpen;
    try {
        TFileStream file(path, TFileStream::Mode::ReadOnly);
        return ReadWaveData(file, out);
    } catch (const VekException&) {
        // The file vanished or could not be read after it was found.
        return kWaveCannotOpen;
    }
}
