#include "tools/pictures/rasterise.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <thread>

#include "tools/common/content_error.h"
#include "tools/common/palette.h"

namespace {

std::string Quoted(const std::filesystem::path& path) {
    std::string text = path.string();
    if (text.find('\'') != std::string::npos)
        ThrowContentError(text, 0, "a picture path must not contain a quote");
    return "'" + text + "'";
}

std::string Where(const TPictureEntry& entry, int x, int y) {
    return "picture \"" + entry.name + "\": pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace

TRgbaImage LoadPictureSource(const TPictureEntry& entry, const std::filesystem::path& workFolder) {
    std::filesystem::path png = entry.source;
    if (entry.source.extension() == ".svg") {
        if (!std::filesystem::exists(entry.source))
            ThrowContentError(entry.source.string(), 0, "the picture source is missing");
        std::filesystem::create_directories(workFolder);
        png = workFolder / (entry.name + ".svg.png");
        std::string command = Quoted(ZORVIK_RSVG_CONVERT) + " --width=" + std::to_string(entry.width) +
                              " --height=" + std::to_string(entry.height) + " --format=png --output=" + Quoted(png) +
                              " " + Quoted(entry.source);
        if (std::system(command.c_str()) != 0)
            ThrowContentError(entry.source.string(), 0, "rsvg-convert could not render the picture \"" + entry.name + "\"");
    }
    TRgbaImage image = ReadPngFile(png);
    if (image.width != entry.width || image.height != entry.height)
        ThrowContentError(entry.source.string(), 0,
                          "the picture \"" + entry.name + "\" is " + std::to_string(image.width) + " x " +
                              std::to_string(image.height) + ", the manifest says " + std::to_string(entry.width) +
                              " x " + std::to_string(entry.height));
    return image;
}

TIndexedPicture MapToPalette(const TRgbaImage& image, const TPictureEntry& entry, const TPalette& palette) {
    TIndexedPicture picture;
    picture.name = entry.name;
    picture.width = image.width;
    picture.height = image.height;
    picture.hasTransparency = entry.transparentColour.has_value();
    picture.transparentColour = static_cast<std::uint8_t>(entry.transparentColour.value_or(0));
    picture.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    std::vector<int> neverNearest;
    if (picture.hasTransparency) neverNearest.push_back(picture.transparentColour);

    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x);
            const std::uint8_t* p = &image.rgba[at * 4];
            TRgb colour{p[0], p[1], p[2]};
            std::uint8_t alpha = p[3];
            if (entry.exact && alpha != 0 && alpha != 255)
                ThrowContentError(entry.source.string(), 0,
                                  Where(entry, x, y) + " is partly transparent (alpha " + std::to_string(alpha) +
                                      "); exact pictures need crisp edges (shape-rendering=\"crispEdges\")");
            if (alpha < 128) {
                if (!picture.hasTransparency)
                    ThrowContentError(entry.source.string(), 0,
                                      Where(entry, x, y) + " is transparent, but the picture has no transparent colour");
                picture.pixels[at] = picture.transparentColour;
                continue;
            }
            if (std::optional<int> index = palette.ExactIndex(colour)) {
                picture.pixels[at] = static_cast<std::uint8_t>(*index);
                continue;
            }
            int nearest = palette.NearestIndex(colour, neverNearest);
            if (entry.exact)
                ThrowContentError(entry.source.string(), 0,
                                  Where(entry, x, y) + " has the colour " + RgbText(colour) +
                                      ", which is not in the palette (nearest: " + std::to_string(nearest) + " " +
                                      palette.Name(nearest) + " " + RgbText(palette.Colour(nearest)) + ")");
            picture.pixels[at] = static_cast<std::uint8_t>(nearest);
        }
    }
    return picture;
}

std::vector<TBuiltPicture> BuildPictures(const std::filesystem::path& manifest, const TPalette& palette,
                                         const std::filesystem::path& workFolder) {
    const std::vector<TPictureEntry> entries = LoadPictureManifest(manifest);
    std::vector<TBuiltPicture> built(entries.size());
    std::vector<std::exception_ptr> failures(entries.size());
    // Rendering waits on one rsvg-convert process per picture, so a few run side by side to
    // keep the content build at seconds however many pictures the rooms add.
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < entries.size(); i = next++) {
            try {
                built[i] = {entries[i], MapToPalette(LoadPictureSource(entries[i], workFolder), entries[i], palette)};
            } catch (...) {
                failures[i] = std::current_exception();
            }
        }
    };
    const unsigned workers = std::clamp(std::thread::hardware_concurrency() / 2, 1u, 4u);
    std::vector<std::thread> threads;
    for (unsigned w = 1; w < workers; ++w) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    // The first fault in manifest order, so the message does not depend on timing.
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
    return built;
}
