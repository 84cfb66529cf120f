// Builds an .ac8 image library from a palette file and a list of named PNG pictures:
//   ac8build PALETTE.txt PICTURES.txt OUTPUT.ac8
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/ac8/ac8_manifest.h"
#include "tools/ac8/ac8_writer.h"
#include "tools/ac8/palette_file.h"
#include "tools/ac8/png_io.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: ac8build PALETTE.txt PICTURES.txt OUTPUT.ac8\n";
        return 2;
    }
    try {
        const TAC8SourcePalette palette = ReadPaletteFile(argv[1]);
        const std::filesystem::path manifestPath = argv[2];
        std::ifstream manifestFile(manifestPath, std::ios::binary);
        if (!manifestFile) throw std::runtime_error(manifestPath.string() + ": cannot open");
        std::ostringstream text;
        text << manifestFile.rdbuf();
        const auto entries = ParseManifest(text.str(), manifestPath.parent_path(), manifestPath.string());
        std::vector<TAC8Picture> pictures;
        for (const auto& entry : entries) pictures.push_back(PictureFromRgba(ReadPngFile(entry.File), entry, palette));
        SaveAC8Library(argv[3], palette, pictures);
    } catch (const std::exception& e) {
        std::cerr << "ac8build: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
