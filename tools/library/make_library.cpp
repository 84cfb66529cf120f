// make_library: builds one image library of the game from the palette, a picture manifest
// and, optionally, a font list; writes every picture also as an indexed PNG to look at.
//   make_library <palette.gpl> <manifest.txt> <output.ac8> <work folder>
//                [--manifest <more.txt>]... [--fonts <fonts.txt> <face folder>]
//                [--preview <folder>] [--token-weight <n>]
// The token weight sets how the encoder trades size for decoding speed (see
// AC8DefaultTokenWeight; 0 makes the smallest library).
// Each room's pictures come in a manifest of their own (content/house/<room>/manifest.txt);
// every --manifest adds its pictures after those of the main manifest, in the order given.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tools/ac8/ac8_writer.h"
#include "tools/common/content_error.h"
#include "tools/common/palette.h"
#include "tools/fonts/font_list.h"
#include "tools/library/library_palette.h"
#include "tools/pictures/png_files.h"
#include "tools/pictures/rasterise.h"

namespace fs = std::filesystem;

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: make_library <palette.gpl> <manifest.txt> <output.ac8> <work folder>\n"
                 "                    [--manifest <more.txt>]... [--fonts <fonts.txt> <face folder>]\n"
                 "                    [--preview <folder>] [--token-weight <n>]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return Usage();
    fs::path fontList, faceFolder, preview;
    std::uint32_t tokenWeight = AC8DefaultTokenWeight;
    std::vector<fs::path> manifests{argv[2]};
    for (int i = 5; i < argc; ++i) {
        if (std::strcmp(argv[i], "--manifest") == 0 && i + 1 < argc) {
            manifests.emplace_back(argv[++i]);
        } else if (std::strcmp(argv[i], "--fonts") == 0 && i + 2 < argc) {
            fontList = argv[++i];
            faceFolder = argv[++i];
        } else if (std::strcmp(argv[i], "--preview") == 0 && i + 1 < argc) {
            preview = argv[++i];
        } else if (std::strcmp(argv[i], "--token-weight") == 0 && i + 1 < argc) {
            char* end = nullptr;
            const unsigned long n = std::strtoul(argv[++i], &end, 10);
            if (end == argv[i] || *end != '\0' || n > AC8MaxTokenWeight) return Usage();
            tokenWeight = static_cast<std::uint32_t>(n);
        } else {
            return Usage();
        }
    }
    try {
        const TPalette palette = LoadPalette(argv[1]);
        std::vector<TIndexedPicture> pictures;
        for (const fs::path& manifest : manifests)
            for (TBuiltPicture& built : BuildPictures(manifest, palette, fs::path(argv[4])))
                pictures.push_back(std::move(built.picture));
        if (!fontList.empty())
            for (const TGlyphSheetSource& source : LoadFontList(fontList, faceFolder))
                pictures.push_back(RenderGlyphSheet(source));

        // The library finds the first record of a name, so a second one would be dead weight
        // and most likely a mistake in the sources.
        std::set<std::string> names;
        for (const TIndexedPicture& picture : pictures)
            if (!names.insert(picture.name).second)
                ThrowContentError(argv[3], 0, "the picture name \"" + picture.name + "\" is used twice");
        SaveAC8Library(argv[3], LibraryPaletteOf(palette), pictures, TAC8StripCoding::Auto, tokenWeight);

        if (!preview.empty()) {
            fs::create_directories(preview);
            for (const TIndexedPicture& picture : pictures)
                WriteIndexedPng(preview / (picture.name + ".png"), picture, palette);
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_library: %s\n", e.what());
        return 1;
    }
}
