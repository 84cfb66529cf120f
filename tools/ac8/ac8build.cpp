// Builds an .ac8 image library from a palette file and a list of named PNG pictures:
//   ac8build [--token-weight N] PALETTE.txt PICTURES.txt OUTPUT.ac8
// The token weight trades the library's size against its decoding time (0: smallest file;
// see AC8DefaultTokenWeight).
#include <charconv>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/ac8/ac8_manifest.h"
#include "tools/ac8/ac8_writer.h"
#include "tools/ac8/palette_file.h"
#include "tools/ac8/png_io.h"

int main(int argc, char** argv) {
    std::uint32_t tokenWeight = AC8DefaultTokenWeight;
    if (argc == 6 && std::string_view(argv[1]) == "--token-weight") {
        const std::string_view text = argv[2];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), tokenWeight);
        if (error != std::errc{} || end != text.data() + text.size() || tokenWeight > AC8MaxTokenWeight) {
            std::cerr << "ac8build: --token-weight takes a whole number from 0 to " << AC8MaxTokenWeight << "\n";
            return 2;
        }
        argv += 2;
        argc -= 2;
    }
    if (argc != 4) {
        std::cerr << "usage: ac8build [--token-weight N] PALETTE.txt PICTURES.txt OUTPUT.ac8\n";
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
        SaveAC8Library(argv[3], palette, pictures, TAC8StripCoding::Auto, tokenWeight);
    } catch (const std::exception& e) {
        std::cerr << "ac8build: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
