// Kept apart from the record code: only making a surface needs the surface class.
#include <exception>

#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_image_data.h"

std::unique_ptr<TAC8ImageData> TAC8Image::CreateImageData(TAC8BitmapHeader* bitmapHeader) {
    // A surface over a picture that cannot be decoded would show garbage: callers get none.
    try {
        DecodeAll();
        if (Pixels() == nullptr) return nullptr;
        return std::make_unique<TAC8ImageData>(*this, bitmapHeader);
    } catch (const std::exception&) {
        return nullptr;
    }
}
