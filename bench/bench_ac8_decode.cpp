// Decoding image libraries: every picture of a library of about 100 realistic pictures
// (room backgrounds of 512 x 320 and smaller sprites) read and decoded as the library does
// when an image loads, against the same pixels decoded from PNG with libpng, and against a
// plain memcpy of the pixels (the limit). All three report bytes of pixels per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "engine/graphics/ac8_image.h"
#include "foundation/stream.h"
#include "tools/ac8/ac8_writer.h"
#include "tools/ac8/png_io.h"
#include "tools/ac8/sample_pictures.h"

namespace {

struct TCorpus {
    std::vector<TAC8Picture> Pictures;
    std::vector<std::uint8_t> Records;        // the records back to back, as in a library file
    std::vector<std::int64_t> Offsets;        // of each record in Records
    std::vector<std::vector<std::uint8_t>> Pngs;
    std::int64_t PixelBytes = 0;              // decoded bytes, padding included
};

const TCorpus& Corpus() {
    static const TCorpus corpus = [] {
        TCorpus c;
        const TAC8SourcePalette palette = MakeSamplePalette();
        for (std::uint32_t i = 0; i < 100; ++i) {
            const bool room = i % 5 == 0;
            const std::uint32_t w = room ? 512 : 24 + (i * 37) % 200;
            const std::uint32_t h = room ? 320 : 24 + (i * 53) % 160;
            c.Pictures.push_back(MakeSamplePicture(i, w, h, "p" + std::to_string(i)));
        }
        TMemoryStream records;
        for (const auto& p : c.Pictures) {
            c.Offsets.push_back(records.Position());
            WriteImageRecord(records, p);
            c.Pngs.push_back(EncodeIndexedPng(p, palette));
            c.PixelBytes += std::int64_t(p.Height) * ((p.Width + 3) / 4 * 4);
        }
        c.Records = records.TakeBytes();
        return c;
    }();
    return corpus;
}

void BM_AC8Decode(benchmark::State& state) {
    const TCorpus& c = Corpus();
    TMemoryStream library(c.Records);
    for (auto _ : state) {
        for (const std::int64_t offset : c.Offsets) {
            library.Seek(offset);
            TAC8Image image;
            image.LoadFromStream(library);
            image.DecodeAll();
            benchmark::DoNotOptimize(image.Pixels());
        }
    }
    state.SetBytesProcessed(state.iterations() * c.PixelBytes);
    state.counters["stored_bytes"] = double(c.Records.size());
}
BENCHMARK(BM_AC8Decode)->Unit(benchmark::kMillisecond);

void BM_PngDecode(benchmark::State& state) {
    const TCorpus& c = Corpus();
    std::size_t pngBytes = 0;
    for (const auto& png : c.Pngs) pngBytes += png.size();
    for (auto _ : state) {
        for (std::size_t i = 0; i < c.Pictures.size(); ++i) {
            const TAC8Picture& p = c.Pictures[i];
            const std::size_t stride = (p.Width + 3) / 4 * 4;
            std::vector<std::uint8_t> out(stride * p.Height);
            if (!DecodeIndexedPng(c.Pngs[i].data(), c.Pngs[i].size(), p.Width, p.Height, out.data(), stride))
                state.SkipWithError("PNG decoding failed");
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * c.PixelBytes);
    state.counters["stored_bytes"] = double(pngBytes);
}
BENCHMARK(BM_PngDecode)->Unit(benchmark::kMillisecond);

void BM_Memcpy(benchmark::State& state) {
    const TCorpus& c = Corpus();
    std::vector<std::vector<std::uint8_t>> sources, targets;
    for (const auto& p : c.Pictures) {
        const std::size_t bytes = std::size_t((p.Width + 3) / 4 * 4) * p.Height;
        sources.emplace_back(bytes, 1);
        targets.emplace_back(bytes, 0);
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < sources.size(); ++i) {
            std::memcpy(targets[i].data(), sources[i].data(), sources[i].size());
            benchmark::DoNotOptimize(targets[i].data());
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * c.PixelBytes);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

}  // namespace
