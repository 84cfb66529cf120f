// Helper of the game's smoke test.
//   smoke_game_tool make GAMEFOLDER     writes a small complete game folder: the main
//                                       window's pictures, a title room of one colour
//   smoke_game_tool pixel FILE.xwd X Y  prints the colour of a screenshot pixel as RRGGBB
//   smoke_game_tool find FILE.xwd RRGGBB WIDTH
//                                       finds the topmost row holding a run of that colour at
//                                       least WIDTH long (a picture's plain top edge) and prints
//                                       its left, its top and the run's length
//   smoke_game_tool png FILE.xwd FILE.png
//                                       writes the screenshot as a PNG
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <png.h>

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
// name, the colour map, then rows of pixels. Only 32-bit pixels are read, which is what
// xwd writes of the 24-bit virtual screen the smoke tests start.
class TScreenshot {
public:
    explicit TScreenshot(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        FBytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (FBytes.size() < 100) return;
        const std::uint32_t headerSize = Big32(FBytes, 0);
        FWidth = Big32(FBytes, 16);
        FHeight = Big32(FBytes, 20);
        FByteOrder = Big32(FBytes, 28);
        FBytesPerLine = Big32(FBytes, 48);
        FStart = std::size_t(headerSize) + std::size_t(Big32(FBytes, 76)) * 12;
        FValid = Big32(FBytes, 44) == 32;
    }
    bool Valid() const { return FValid; }
    std::uint32_t Width() const { return FWidth; }
    std::uint32_t Height() const { return FHeight; }
    // 0xRRGGBB, or nothing where the file is cut short.
    std::optional<std::uint32_t> Pixel(std::uint32_t x, std::uint32_t y) const {
        if (!FValid || x >= FWidth || y >= FHeight) return std::nullopt;
        const std::size_t at = FStart + std::size_t(y) * FBytesPerLine + std::size_t(x) * 4;
        if (at + 4 > FBytes.size()) return std::nullopt;
        const std::uint32_t pixel = FByteOrder == 0 ? (std::uint32_t(FBytes[at + 2]) << 16) |
                                                          (std::uint32_t(FBytes[at + 1]) << 8) | FBytes[at]
                                                    : Big32(FBytes, at);
        return pixel & 0xFFFFFF;
    }

private:
    std::vector<unsigned char> FBytes;
    bool FValid = false;
    std::uint32_t FWidth = 0, FHeight = 0, FByteOrder = 0, FBytesPerLine = 0;
    std::size_t FStart = 0;
};

int PrintPixel(const std::filesystem::path& file, long x, long y) {
    const TScreenshot shot(file);
    if (x < 0 || y < 0) return 1;
    const std::optional<std::uint32_t> pixel = shot.Pixel(std::uint32_t(x), std::uint32_t(y));
    if (!pixel) return 1;
    std::printf("%06X\n", *pixel);
    return 0;
}

int FindRun(const std::filesystem::path& file, std::uint32_t colour, long minimum) {
    const TScreenshot shot(file);
    if (!shot.Valid()) return 1;
    for (std::uint32_t y = 0; y < shot.Height(); ++y) {
        long run = 0;
        for (std::uint32_t x = 0; x <= shot.Width(); ++x) {
            if (shot.Pixel(x, y) == colour) {
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

// The screenshot as a PNG, for people to look at: nothing on a Debian desktop opens xwd.
int WritePng(const std::filesystem::path& file, const std::filesystem::path& png) {
    const TScreenshot shot(file);
    if (!shot.Valid() || shot.Width() == 0 || shot.Height() == 0) return 1;
    std::vector<unsigned char> rgb(std::size_t(shot.Width()) * shot.Height() * 3);
    std::size_t at = 0;
    for (std::uint32_t y = 0; y < shot.Height(); ++y)
        for (std::uint32_t x = 0; x < shot.Width(); ++x) {
            const std::uint32_t pixel = shot.Pixel(x, y).value_or(0);
            rgb[at++] = static_cast<unsigned char>(pixel >> 16);
            rgb[at++] = static_cast<unsigned char>(pixel >> 8);
            rgb[at++] = static_cast<unsigned char>(pixel);
        }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = shot.Width();
    image.height = shot.Height();
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, png.string().c_str(), 0, rgb.data(), 0, nullptr)) {
        std::cerr << "smoke_game_tool: " << png.string() << ": " << image.message << "\n";
        png_image_free(&image);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "make") return MakeGame(args[1]);
        if (args.size() == 4 && args[0] == "pixel") return PrintPixel(args[1], std::stol(args[2]), std::stol(args[3]));
        if (args.size() == 4 && args[0] == "find")
            return FindRun(args[1], std::uint32_t(std::stoul(args[2], nullptr, 16)), std::stol(args[3]));
        if (args.size() == 3 && args[0] == "png") return WritePng(args[1], args[2]);
    } catch (const std::exception& e) {
        std::cerr << "smoke_game_tool: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "usage: smoke_game_tool make GAMEFOLDER | pixel FILE.xwd X Y | find FILE.xwd RRGGBB WIDTH"
                 " | png FILE.xwd FILE.png\n";
    return 2;
}
