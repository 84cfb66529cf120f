// Decoding image libraries: every picture of a library of about 100 realistic pictures
// (room backgrounds of 512 x 320 and smaller sprites) read and decoded as the library does
// when an image loads, against the same pixels decoded from PNG with libpng, and against a
// plain memcpy of the pixels (the limit). All three report bytes of pixels per second.
// Beside it the game's own library as the build made it, against memcpy and LZ4 high
// compression of the same pixels (a fast general decoder, the peer). ZORVIK_BENCH_LIBRARY
// names another library file to measure in its place.
#include <benchmark/benchmark.h>
#include <lz4.h>
#include <lz4hc.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "engine/graphics/ac8_library.h"

#include "engine/graphics/ac8_image.h"
#include "foundation/stream.h"
#include "tools/ac8/ac8_writer.h"
#include "tools/ac8/sample_pictures.h"

// PNG, the other peer: the pictures as 8-bit palette PNGs in memory, and their indices decoded
// straight into a surface's rows.
namespace png_peer {

std::vector<std::uint8_t> EncodeIndexedPng(const TIndexedPicture& picture, const TAC8SourcePalette& palette) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = 256;
    std::vector<std::uint8_t> colormap;
    for (const auto& e : palette) colormap.insert(colormap.end(), {e.Red, e.Green, e.Blue});
    png_alloc_size_t bytes = 0;
    if (!png_image_write_to_memory(&image, nullptr, &bytes, 0, picture.pixels.data(), 0, colormap.data()))
        throw std::runtime_error(std::string("PNG encoding failed: ") + image.message);
    std::vector<std::uint8_t> out(bytes);
    if (!png_image_write_to_memory(&image, out.data(), &bytes, 0, picture.pixels.data(), 0, colormap.data()))
        throw std::runtime_error(std::string("PNG encoding failed: ") + image.message);
    out.resize(bytes);
    return out;
}


struct TMemoryReader {
    const std::uint8_t* Data;
    std::size_t Left;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<TMemoryReader*>(png_get_io_ptr(png));
    if (count > reader->Left) png_error(png, "unexpected end of data");
    std::memcpy(out, reader->Data, count);
    reader->Data += count;
    reader->Left -= count;
}


// Plain C style on purpose: libpng reports errors by longjmp, which must not cross objects
// with destructors.
bool DecodeIndexedPng(const std::uint8_t* data, std::size_t size, std::uint32_t width, std::uint32_t height,
                      std::uint8_t* out, std::size_t stride) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    TMemoryReader reader{data, size};
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, &ReadFromMemory);
    png_read_info(png, info);
    if (png_get_image_width(png, info) != width || png_get_image_height(png, info) != height ||
        png_get_bit_depth(png, info) != 8 || png_get_color_type(png, info) != PNG_COLOR_TYPE_PALETTE ||
        png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    for (std::uint32_t y = 0; y < height; ++y) png_read_row(png, out + y * stride, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace png_peer
using png_peer::DecodeIndexedPng;
using png_peer::EncodeIndexedPng;

namespace {

struct TCorpus {
    std::vector<TIndexedPicture> Pictures;
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
            c.PixelBytes += std::int64_t(p.height) * ((p.width + 3) / 4 * 4);
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
            image.LoadDecodedFromMemory(library);
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
            const TIndexedPicture& p = c.Pictures[i];
            const std::size_t stride = std::size_t(p.width + 3) / 4 * 4;
            std::vector<std::uint8_t> out(stride * std::size_t(p.height));
            if (!DecodeIndexedPng(c.Pngs[i].data(), c.Pngs[i].size(), std::uint32_t(p.width), std::uint32_t(p.height),
                                  out.data(), stride))
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
        const std::size_t bytes = std::size_t((p.width + 3) / 4 * 4) * std::size_t(p.height);
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

// The game library: its records, where each starts, and the decoded pixels of each.
struct TGameLibrary {
    TMemoryStream File;
    std::vector<std::int64_t> Offsets;
    std::vector<std::vector<std::uint8_t>> Pixels;
    std::int64_t PixelBytes = 0;
    std::string Error;
};

TGameLibrary& GameLibrary() {
    static TGameLibrary library = [] {
        TGameLibrary l;
        const char* chosen = std::getenv("ZORVIK_BENCH_LIBRARY");
        const std::filesystem::path path = chosen != nullptr ? chosen : ZORVIK_BUILT_DAT "/Zorvik.ac8";
        try {
            const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
            l.File.Write(bytes.data(), bytes.size());
            std::int64_t position = AC8FileHeaderSize + AC8PaletteSize;
            while (position < l.File.Size()) {
                l.File.Seek(position);
                const TAC8RecordLayout layout = ReadRecordLayout(l.File);
                l.Offsets.push_back(position);
                position += layout.RecordSize();
            }
            for (const std::int64_t offset : l.Offsets) {
                l.File.Seek(offset);
                TAC8Image image;
                image.LoadFromStream(l.File);
                image.DecodeAll();
                const std::size_t n = std::size_t((image.Width() + 3) / 4 * 4) * image.Height();
                l.Pixels.emplace_back(image.Pixels(), image.Pixels() + n);
                l.PixelBytes += std::int64_t(n);
            }
        } catch (const std::exception& e) {
            l.Error = path.string() + ": " + e.what();
        }
        return l;
    }();
    return library;
}

void BM_GameLibraryDecode(benchmark::State& state) {
    TGameLibrary& l = GameLibrary();
    if (!l.Error.empty()) return state.SkipWithError(l.Error.c_str());
    for (auto _ : state) {
        for (const std::int64_t offset : l.Offsets) {
            l.File.Seek(offset);
            TAC8Image image;
            image.LoadDecodedFromMemory(l.File);
            benchmark::DoNotOptimize(image.Pixels());
        }
    }
    state.SetBytesProcessed(state.iterations() * l.PixelBytes);
    state.counters["pictures"] = double(l.Offsets.size());
    state.counters["file_bytes"] = double(l.File.Size());
}
BENCHMARK(BM_GameLibraryDecode)->Unit(benchmark::kMicrosecond);

void BM_GameLibraryMemcpy(benchmark::State& state) {
    TGameLibrary& l = GameLibrary();
    if (!l.Error.empty()) return state.SkipWithError(l.Error.c_str());
    std::vector<std::vector<std::uint8_t>> targets;
    for (const auto& p : l.Pixels) targets.emplace_back(p.size(), 0);
    for (auto _ : state) {
        for (std::size_t i = 0; i < l.Pixels.size(); ++i) {
            std::memcpy(targets[i].data(), l.Pixels[i].data(), l.Pixels[i].size());
            benchmark::DoNotOptimize(targets[i].data());
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * l.PixelBytes);
}
BENCHMARK(BM_GameLibraryMemcpy)->Unit(benchmark::kMicrosecond);

// Each picture's pixels compressed on their own, as a library would store them.
void BM_GameLibraryLz4HighCompression(benchmark::State& state) {
    TGameLibrary& l = GameLibrary();
    if (!l.Error.empty()) return state.SkipWithError(l.Error.c_str());
    std::vector<std::vector<char>> packed;
    std::size_t packedBytes = 0;
    for (const auto& p : l.Pixels) {
        std::vector<char> out(std::size_t(LZ4_compressBound(int(p.size()))));
        const int n = LZ4_compress_HC(reinterpret_cast<const char*>(p.data()), out.data(), int(p.size()),
                                      int(out.size()), LZ4HC_CLEVEL_MAX);
        out.resize(std::size_t(n));
        packedBytes += out.size();
        packed.push_back(std::move(out));
    }
    std::vector<std::vector<char>> targets;
    for (const auto& p : l.Pixels) targets.emplace_back(p.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < packed.size(); ++i) {
            const int n = LZ4_decompress_safe(packed[i].data(), targets[i].data(), int(packed[i].size()),
                                              int(targets[i].size()));
            if (n != int(l.Pixels[i].size())) return state.SkipWithError("LZ4 decoding failed");
            benchmark::DoNotOptimize(targets[i].data());
        }
    }
    state.SetBytesProcessed(state.iterations() * l.PixelBytes);
    state.counters["stored_bytes"] = double(packedBytes);
}
BENCHMARK(BM_GameLibraryLz4HighCompression)->Unit(benchmark::kMicrosecond);

}  // namespace
