#include "tools/ac8/png_io.h"

#include <png.h>

#include <cstring>
#include <stdexcept>

TRgbaPicture ReadPngFile(const std::filesystem::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw std::runtime_error(path.string() + ": " + image.message);
    image.format = PNG_FORMAT_RGBA;
    TRgbaPicture picture;
    picture.Width = image.width;
    picture.Height = image.height;
    picture.Pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.Pixels.data(), 0, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        throw std::runtime_error(path.string() + ": " + message);
    }
    return picture;
}

std::vector<std::uint8_t> EncodeIndexedPng(const TAC8Picture& picture, const TAC8SourcePalette& palette) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = picture.Width;
    image.height = picture.Height;
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = 256;
    std::vector<std::uint8_t> colormap;
    for (const auto& e : palette) colormap.insert(colormap.end(), {e.Red, e.Green, e.Blue});
    png_alloc_size_t bytes = 0;
    if (!png_image_write_to_memory(&image, nullptr, &bytes, 0, picture.Pixels.data(), 0, colormap.data()))
        throw std::runtime_error(std::string("PNG encoding failed: ") + image.message);
    std::vector<std::uint8_t> out(bytes);
    if (!png_image_write_to_memory(&image, out.data(), &bytes, 0, picture.Pixels.data(), 0, colormap.data()))
        throw std::runtime_error(std::string("PNG encoding failed: ") + image.message);
    out.resize(bytes);
    return out;
}

namespace {

struct TMemoryReader {
    const std::uint8_t* Data;
    std::size_t Left;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<TMemoryReader*>(png_get_io_ptr(png));
    if (count > reader->Left) png_error(png, "unexpected end of data");
    std::memcpy(out, reader->Data, count);
    reader->Data += count;
    reader->Left -= count;
}

}  // namespace

// Plain C style on purpose: libpng reports errors by longjmp, which must not cross objects
// with destructors.
bool DecodeIndexedPng(const std::uint8_t* data, std::size_t size, std::uint32_t width, std::uint32_t height,
                      std::uint8_t* out, std::size_t stride) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    TMemoryReader reader{data, size};
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, &ReadFromMemory);
    png_read_info(png, info);
    if (png_get_image_width(png, info) != width || png_get_image_height(png, info) != height ||
        png_get_bit_depth(png, info) != 8 || png_get_color_type(png, info) != PNG_COLOR_TYPE_PALETTE ||
        png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    for (std::uint32_t y = 0; y < height; ++y) png_read_row(png, out + y * stride, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}
