// Any bytes as one image record (as in the album picture stream): reading and decoding
// either succeed or raise VekException. The one-step load the library uses fails or
// succeeds with it, with the same pixels. A record that decodes saves plain and reads back
// to the same header and pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/graphics/ac8_image.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream input(data, size);
    TAC8Image image;
    TMemoryStream again(data, size);
    TAC8Image inOneStep;
    bool loadedInOneStep = true;
    try {
        inOneStep.LoadDecodedFromMemory(again);
    } catch (const VekException&) {
        if (inOneStep.StoredState() != AC8StateEmpty || inOneStep.Pixels() != nullptr) std::abort();
        loadedInOneStep = false;
    }
    try {
        image.LoadFromStream(input);
        image.DecodeAll();
    } catch (const VekException&) {
        if (image.StoredState() != AC8StateEmpty || image.Pixels() != nullptr || loadedInOneStep) std::abort();
        return 0;
    }
    if (!loadedInOneStep || inOneStep.PixelBytes() != image.PixelBytes() ||
        std::memcmp(inOneStep.Pixels(), image.Pixels(), image.PixelBytes()) != 0)
        std::abort();
    TMemoryStream saved;
    image.SaveToStream(saved);
    saved.Seek(0);
    TAC8Image back;
    back.LoadFromStream(saved);
    if (back.StoredState() != AC8StatePlain || back.Width() != image.Width() || back.Height() != image.Height() ||
        back.PixelBytes() != image.PixelBytes() || std::memcmp(back.Pixels(), image.Pixels(), back.PixelBytes()) != 0)
        std::abort();
    return 0;
}
