// Any bytes as an .ac8 library file: opening either succeeds or raises VekException, and
// then every indexed image loads and decodes, or raises, without crashing, hanging or
// reading out of bounds. A decoded image must save and read back to the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/graphics/ac8_library.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "tests/fuzz/fuzz_scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz_support::TScratchFolder folder("fuzz_ac8_library");
    const std::filesystem::path path = folder.Write("library.ac8", data, size);
    TAC8Library library;
    try {
        library.Open(path);
    } catch (const VekException&) {
        return 0;
    }
    for (const std::string& name : library.ImageNames()) {
        try {
            TImageNode* node = library.LoadImageNamed(name);
            TMemoryStream saved;
            library.SaveImage(node, saved);
            saved.Seek(0);
            TAC8Image back;
            back.LoadFromStream(saved);
            if (back.PixelBytes() != node->Image->PixelBytes() ||
                std::memcmp(back.Pixels(), node->Image->Pixels(), back.PixelBytes()) != 0)
                std::abort();
            library.ReleaseImage(node);
        } catch (const VekException&) {
        }
    }
    return 0;
}
