// Any bytes as an album picture: reading either gives a picture that saves and reads back
// the same, or raises VekException and leaves nothing in the library's cache.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TAC8Library library;
    TMemoryStream input(data, size);
    std::unique_ptr<THotImage> picture;
    try {
        picture = THotImage::CreateFromStream(input, &library);
    } catch (const VekException&) {
        if (library.Cache().First() != nullptr) std::abort();
        return 0;
    }
    TMemoryStream saved;
    picture->SaveToStream(saved);
    saved.Seek(0);
    const auto back = THotImage::CreateFromStream(saved, &library);
    TAC8ImageData& a = picture->Image();
    TAC8ImageData& b = back->Image();
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.TransparentColour() != b.TransparentColour()) std::abort();
    for (std::int32_t y = 0; y < a.Height(); ++y)
        for (std::int32_t x = 0; x < a.Width(); ++x)
            if (a.GetPixel({x, y}) != b.GetPixel({x, y})) std::abort();
    return 0;
}
