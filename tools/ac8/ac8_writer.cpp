#include "tools/ac8/ac8_writer.h"

#include <cstring>
#include <system_error>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_image_name.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"

namespace {

// The picture's rows turned bottom-up with padding, as the strips hold them.
std::vector<std::uint8_t> BottomUpRows(const TIndexedPicture& picture, std::uint32_t stride) {
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    std::vector<std::uint8_t> rows(height * stride, 0);
    for (std::size_t y = 0; y < height; ++y)
        std::memcpy(rows.data() + (height - 1 - y) * stride, picture.pixels.data() + y * width, width);
    return rows;
}

}  // namespace

void WriteImageRecord(TStream& out, const TIndexedPicture& picture, TAC8StripCoding coding, std::uint32_t tokenWeight) {
    if (picture.width < 0 || picture.height < 0) throw AC8Exception("WriteImageRecord: invalid image size");
    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height = static_cast<std::uint32_t>(picture.height);
    const auto geometry = ComputeStripGeometry(width, height);
    if (!geometry) throw AC8Exception("WriteImageRecord: invalid image size");
    if (picture.pixels.size() != std::size_t(width) * height)
        throw AC8Exception("WriteImageRecord: pixel count does not match the size");

    const std::vector<std::uint8_t> rows = BottomUpRows(picture, geometry->RowStride);
    std::vector<TAC8EncodedStrip> strips;
    bool anyEncoded = false;
    for (std::uint32_t k = 0; k < geometry->SegmentCount; ++k) {
        const TAC8StripLayout layout{width, geometry->RowsOf(k), geometry->RowStride};
        strips.push_back(EncodeStrip(rows.data() + std::size_t(geometry->FirstRowOf(k)) * geometry->RowStride, layout,
                                     coding, tokenWeight));
        anyEncoded = anyEncoded || (strips.back().Flags & AC8FlagEncoded) != 0;
    }

    const AC8ImageName stored(picture.name);
    std::array<char, AC8ImageName::MaxLength> name{};
    std::memcpy(name.data(), stored.Text().data(), stored.Text().size());
    out.Write(name.data(), name.size());
    WriteWord(out, static_cast<std::uint16_t>(width));
    WriteWord(out, static_cast<std::uint16_t>(height));
    WriteByte(out, static_cast<std::uint8_t>(geometry->SegmentCount));
    WriteByte(out, anyEncoded ? AC8StateEncoded : AC8StatePlain);
    WriteByte(out, picture.transparentColour);
    WriteByte(out, static_cast<std::uint8_t>(picture.hasTransparency ? 1 : 0));
    WriteWord(out, AC8ImageVersion);
    std::uint64_t end = AC8RecordHeaderSize + 4u * geometry->SegmentCount;
    for (const auto& strip : strips) {
        end += strip.Bytes.size() + AC8SegmentHeaderSize;
        if (end > UINT32_MAX) throw AC8Exception("WriteImageRecord: record too large");
        WriteInteger(out, static_cast<std::uint32_t>(end));
    }
    for (const auto& strip : strips) {
        WriteByte(out, strip.EscapeA);
        WriteByte(out, strip.EscapeB);
        WriteByte(out, strip.Flags);
        out.Write(strip.Bytes.data(), strip.Bytes.size());
    }
}

void WriteAC8Library(TStream& out, const TAC8SourcePalette& palette, const std::vector<TIndexedPicture>& pictures,
                     TAC8StripCoding coding, std::uint32_t tokenWeight) {
    WriteWord(out, std::uint16_t{0x4341});
    WriteByte(out, std::uint8_t{8});
    WriteByte(out, std::uint8_t{0});
    WriteWord(out, std::uint16_t{2});
    for (const auto& entry : palette) {
        const std::uint8_t bytes[4] = {entry.Blue, entry.Green, entry.Red, 0};
        out.Write(bytes, sizeof bytes);
    }
    for (const auto& picture : pictures) WriteImageRecord(out, picture, coding, tokenWeight);
}

void SaveAC8Library(const std::filesystem::path& path, const TAC8SourcePalette& palette,
                    const std::vector<TIndexedPicture>& pictures, TAC8StripCoding coding,
                    std::uint32_t tokenWeight) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    try {
        TFileStream file(temporary, TFileStream::Mode::Create);
        WriteAC8Library(file, palette, pictures, coding, tokenWeight);
        file.Close();
        std::filesystem::rename(temporary, path);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw;
    }
}
