#include "tools/pictures/png_files.h"

#include <png.h>

#include <cstring>

#include "tools/common/content_error.h"
#include "tools/common/palette.h"
#include "tools/pictures/indexed_picture.h"

TRgbaImage ReadPngFile(const std::filesystem::path& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.string().c_str()))
        ThrowContentError(path.string(), 0, std::string("cannot read the PNG: ") + image.message);
    image.format = PNG_FORMAT_RGBA;
    TRgbaImage result;
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    if (image.width > 16384 || image.height > 16384) {
        png_image_free(&image);
        ThrowContentError(path.string(), 0, "the PNG is larger than 16384 pixels");
    }
    result.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, result.rgba.data(), 0, nullptr)) {
        std::string message = image.message;
        png_image_free(&image);
        ThrowContentError(path.string(), 0, "cannot decode the PNG: " + message);
    }
    return result;
}

void WriteIndexedPng(const std::filesystem::path& path, const TIndexedPicture& picture, const TPalette& palette) {
    std::vector<std::uint8_t> colourMap(TPalette::kSize * 4);
    for (int i = 0; i < TPalette::kSize; ++i) {
        TRgb c = palette.Colour(i);
        std::uint8_t* entry = &colourMap[static_cast<std::size_t>(i) * 4];
        entry[0] = c.r;
        entry[1] = c.g;
        entry[2] = c.b;
        entry[3] = picture.hasTransparency && i == picture.transparentColour ? 0 : 255;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGBA_COLORMAP;
    image.colormap_entries = TPalette::kSize;
    if (!png_image_write_to_file(&image, path.string().c_str(), 0, picture.pixels.data(), 0, colourMap.data()))
        ThrowContentError(path.string(), 0, std::string("cannot write the PNG: ") + image.message);
}
