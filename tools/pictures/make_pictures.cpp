// make_pictures: renders and checks every picture of a manifest against the palette, and
// writes each as an indexed PNG for people to look at.
//   make_pictures <palette.gpl> <manifest.txt> <output folder>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/common/palette.h"
#include "tools/pictures/rasterise.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_pictures <palette.gpl> <manifest.txt> <output folder>\n");
        return 2;
    }
    try {
        TPalette palette = LoadPalette(argv[1]);
        fs::path output = argv[3];
        fs::create_directories(output);
        for (const TBuiltPicture& built : BuildPictures(argv[2], palette, output / "work"))
            WriteIndexedPng(output / (built.picture.name + ".png"), built.picture, palette);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_pictures: %s\n", e.what());
        return 1;
    }
}
