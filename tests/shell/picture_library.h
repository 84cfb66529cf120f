#pragma once
// A small image library on disk for drawing tests, with the world's view picture made in
// it as the game makes it ("work", blank, the view's size).
//
// Pictures: "bg" 1024 x 320, pixel (x, y) = 1 + x % 200 (so a column tells where it came
// from); "strip" 8 x 30, three frames of height 10, pixel = 10 * frame + x + 1 but 240 in
// the last row of each frame, with colour 0 transparent (column 7 of every frame is 0).
#include <filesystem>
#include <memory>
#include <string>
#include <random>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "tools/ac8/ac8_writer.h"

class TPictureLibrary {
public:
    TPictureLibrary() {
        // Each test runs in a process of its own, in parallel: the name must be unique.
        std::random_device random;
        FPath = std::filesystem::temp_directory_path() /
                ("shell_pictures_" + std::to_string(random()) + std::to_string(random()) + ".ac8");
        TAC8SourcePalette palette{};
        for (int i = 0; i < 256; ++i)
            palette[i] = TAC8SourceColour{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
        TIndexedPicture background{"bg", 1024, 320, {}, false, 0};
        for (std::uint32_t y = 0; y < 320; ++y)
            for (std::uint32_t x = 0; x < 1024; ++x) background.pixels.push_back(std::uint8_t(1 + x % 200));
        TIndexedPicture strip{"strip", 8, 30, {}, true, 0};
        for (std::uint32_t y = 0; y < 30; ++y)
            for (std::uint32_t x = 0; x < 8; ++x) strip.pixels.push_back(x == 7 ? 0 : y % 10 == 9 ? 240 : std::uint8_t(10 * (y / 10) + x + 1));
        SaveAC8Library(FPath, palette, {background, strip});
        Library.Open(FPath);
        ViewNode = Library.CreateImage("work", 512, 320);
        View = Library.GetImageData(ViewNode);
    }
    ~TPictureLibrary() {
        Library.ReleaseImageData(ViewNode);
        Library.ReleaseImage(ViewNode);
        Library.Close();
        std::error_code ignored;
        std::filesystem::remove(FPath, ignored);
    }

    // Images in the cache besides the view: what rooms and frame sets still hold.
    int HeldImages() const { return Library.Cache().CachedCount() - 1; }

    TAC8Library Library;
    TImageNode* ViewNode = nullptr;
    TAC8ImageData* View = nullptr;

private:
    std::filesystem::path FPath;
};
