// Helper of the game's smoke test.
//   smoke_game_tool make GAMEFOLDER     writes a small complete game folder: the main
//                                       window's pictures, a title room of one colour
//   smoke_game_tool pixel FILE.xwd X Y  prints the colour of a screenshot pixel as RRGGBB
//   smoke_game_tool find FILE.xwd RRGGBB WIDTH
//                                       finds the topmost row holding a run of that colour at
//                                       least WIDTH long (a picture's plain top edge) and prints
//                                       its left, its top and the run's length
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tests/support/main_window_pictures.h"
#include "tools/ac8/ac8_writer.h"

namespace {

using namespace testing_support::window_pictures;

// The title picture's colour: palette entry i shows as (i, 255 - i, i / 2).
constexpr std::uint8_t kTitleColour = 77;

int MakeGame(const std::filesystem::path& game) {
    const auto dat = game / "dat";
    std::filesystem::create_directories(dat / "wav");
    std::filesystem::create_directories(dat / "mid");
    std::vector<TIndexedPicture> pictures = MainWindowPictures();
    pictures.push_back(Cells("title", 512, 320, 1, 1, kTitleColour, 0, 0));
    pictures.push_back(Cells("cursor", 16, 16, 1, 1, 3, 0, 0));
    SaveAC8Library(dat / "Zorvik.ac8", RevealingPalette(), pictures);
    SaveAC8Library(dat / "QEstart.ac8", RevealingPalette(), {Cells("loading", 320, 200, 1, 1, 90, 0, 0)});
    std::ofstream(dat / "init.txt") << "BEGIN TITLE\nROOM TITLE Brindle's House\nPIC title\n";
    std::ofstream(dat / "sounds.txt") << "# no sounds\n";
    std::ofstream cursors(dat / "cursors.txt");
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 51, 69})
        cursors << number << " cursor 1 1\n";
    std::printf("%06X\n", Shown(kTitleColour));
    return 0;
}

std::uint32_t Big32(const std::vector<unsigned char>& b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}

// An X window dump of a TrueColor screen: a header of big-endian 32-bit fields, the window
// name, the colour map, then rows of pixels.
int PrintPixel(const std::filesystem::path& file, long x, long y) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 100) return 1;
    const std::uint32_t headerSize = Big32(b, 0), width = Big32(b, 16), height = Big32(b, 20);
    const std::uint32_t byteOrder = Big32(b, 28), bitsPerPixel = Big32(b, 44), bytesPerLine = Big32(b, 48);
    const std::uint32_t colours = Big32(b, 76);
    if (bitsPerPixel != 32 || x < 0 || y < 0 || std::uint32_t(x) >= width || std::uint32_t(y) >= height) return 1;
    const std::size_t at = std::size_t(headerSize) + std::size_t(colours) * 12 + std::size_t(y) * bytesPerLine + std::size_t(x) * 4;
    if (at + 4 > b.size()) return 1;
    const std::uint32_t pixel = byteOrder == 0 ? (std::uint32_t(b[at + 3]) << 24) | (std::uint32_t(b[at + 2]) << 16) |
                                                     (std::uint32_t(b[at + 1]) << 8) | b[at]
                                               : Big32(b, at);
    std::printf("%06X\n", pixel & 0xFFFFFF);
    return 0;
}

int FindRun(const std::filesystem::path& file, std::uint32_t colour, long minimum) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 100) return 1;
    const std::uint32_t headerSize = Big32(b, 0), width = Big32(b, 16), height = Big32(b, 20);
    const std::uint32_t byteOrder = Big32(b, 28), bitsPerPixel = Big32(b, 44), bytesPerLine = Big32(b, 48);
    const std::uint32_t colours = Big32(b, 76);
    if (bitsPerPixel != 32) return 1;
    const std::size_t start = std::size_t(headerSize) + std::size_t(colours) * 12;
    for (std::uint32_t y = 0; y < height; ++y) {
        long run = 0;
        for (std::uint32_t x = 0; x <= width; ++x) {
            bool same = false;
            const std::size_t at = start + std::size_t(y) * bytesPerLine + std::size_t(x) * 4;
            if (x < width && at + 4 <= b.size()) {
                const std::uint32_t pixel = byteOrder == 0 ? (std::uint32_t(b[at + 2]) << 16) | (std::uint32_t(b[at + 1]) << 8) | b[at]
                                                           : Big32(b, at) & 0xFFFFFF;
                same = pixel == colour;
            }
            if (same) {
                ++run;
            } else {
                if (run >= minimum) {
                    std::printf("%ld %u %ld\n", long(x) - run, y, run);
                    return 0;
                }
                run = 0;
            }
        }
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "make") return MakeGame(args[1]);
        if (args.size() == 4 && args[0] == "pixel") return PrintPixel(args[1], std::stol(args[2]), std::stol(args[3]));
        if (args.size() == 4 && args[0] == "find")
            return FindRun(args[1], std::uint32_t(std::stoul(args[2], nullptr, 16)), std::stol(args[3]));
    } catch (const std::exception& e) {
        std::cerr << "smoke_game_tool: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "usage: smoke_game_tool make GAMEFOLDER | pixel FILE.xwd X Y | find FILE.xwd RRGGBB WIDTH\n";
    return 2;
}
