#include "tools/ac8/ac8_writer.h"

#include <cstring>
#include <system_error>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"

namespace {

// The picture's rows turned bottom-up with padding, as the strips hold them.
std::vector<std::uint8_t> BottomUpRows(const TAC8Picture& picture, std::uint32_t stride) {
    std::vector<std::uint8_t> rows(std::size_t(picture.Height) * stride, 0);
    for (std::uint32_t y = 0; y < picture.Height; ++y)
        std::memcpy(rows.data() + std::size_t(picture.Height - 1 - y) * stride,
                    picture.Pixels.data() + std::size_t(y) * picture.Width, picture.Width);
    return rows;
}

}  // namespace

void WriteImageRecord(TStream& out, const TAC8Picture& picture, TAC8StripCoding coding, std::uint32_t tokenWeight) {
    const auto geometry = ComputeStripGeometry(picture.Width, picture.Height);
    if (!geometry) throw AC8Exception("WriteImageRecord: invalid image size");
    if (picture.Pixels.size() != std::size_t(picture.Width) * picture.Height)
        throw AC8Exception("WriteImageRecord: pixel count does not match the size");

    const std::vector<std::uint8_t> rows = BottomUpRows(picture, geometry->RowStride);
    std::vector<TAC8EncodedStrip> strips;
    bool anyEncoded = false;
    for (std::uint32_t k = 0; k < geometry->SegmentCount; ++k) {
        const TAC8StripLayout layout{picture.Width, geometry->RowsOf(k), geometry->RowStride};
        strips.push_back(EncodeStrip(rows.data() + std::size_t(geometry->FirstRowOf(k)) * geometry->RowStride, layout,
                                     coding, tokenWeight));
        anyEncoded = anyEncoded || (strips.back().Flags & AC8FlagEncoded) != 0;
    }

    std::array<char, 8> name{};
    std::memcpy(name.data(), picture.Name.Text().data(), picture.Name.Text().size());
    out.Write(name.data(), name.size());
    WriteWord(out, static_cast<std::uint16_t>(picture.Width));
    WriteWord(out, static_cast<std::uint16_t>(picture.Height));
    WriteByte(out, static_cast<std::uint8_t>(geometry->SegmentCount));
    WriteByte(out, anyEncoded ? AC8StateEncoded : AC8StatePlain);
    WriteByte(out, picture.TransparentColour);
    WriteByte(out, static_cast<std::uint8_t>(picture.HasTransparency ? 1 : 0));
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

void WriteAC8Library(TStream& out, const TAC8SourcePalette& palette, const std::vector<TAC8Picture>& pictures,
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
                    const std::vector<TAC8Picture>& pictures, TAC8StripCoding coding,
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
