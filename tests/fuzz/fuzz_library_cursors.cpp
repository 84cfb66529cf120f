// Any bytes as the main image library, each of its pictures made into a cursor as the game
// does at start: the library opens or refuses, each picture becomes a cursor of exactly its
// size with the hot spot inside, or raises the game's error; nothing crashes or overreads.
#include <cstddef>
#include <cstdint>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/ac8_palette.h"
#include "foundation/vek_exception.h"
#include "shell/game_cursors.h"
#include "tests/fuzz/fuzz_scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz_support::TScratchFolder folder("fuzz_library_cursors");
    const std::filesystem::path path = folder.Write("Zorvik.ac8", data, size);
    TAC8Library library;
    try {
        library.Open(path);
    } catch (const VekException&) {
        return 0;
    }
    platform::CanvasPalette palette{};
    try {
        palette = library.GetHPal()->Colours();
    } catch (const VekException&) {
        return 0;
    }
    for (const std::string& name : library.ImageNames()) {
        TImageNode* node = nullptr;
        try {
            node = library.LoadImageNamed(name);
            const TAC8ImageData& image = *library.GetImageData(node);
            // The game refuses pictures above 128 pixels a side before it builds a cursor.
            if (image.Width() <= 128 && image.Height() <= 128) {
                const platform::CursorPicture cursor = CursorPictureOf(image, palette, 300, -5);
                if (cursor.Pixels.size() != std::size_t(image.Width()) * std::size_t(image.Height())) __builtin_trap();
                if (!cursor.Pixels.empty() && (cursor.HotX < 0 || cursor.HotX >= cursor.Width || cursor.HotY != 0))
                    __builtin_trap();
            }
        } catch (const VekException&) {
        }
        if (node != nullptr) library.ReleaseImage(node);
    }
    return 0;
}
