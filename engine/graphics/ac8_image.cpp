#include "engine/graphics/ac8_image.h"

#include <array>
#include <cstring>

#include "engine/graphics/ac8_exception.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"

namespace {

[[noreturn]] void InvalidHeader() { throw AC8Exception("Invalid AC8 image header"); }

TAC8ImageHeader ReadHeader(TStream& s) {
    std::array<std::uint8_t, AC8RecordHeaderSize> raw{};
    s.ReadExact(raw.data(), raw.size());
    TAC8ImageHeader h;
    h.Name = AC8ImageName(std::string_view(reinterpret_cast<const char*>(raw.data()), 8));
    h.Width = static_cast<std::uint16_t>(raw[8] | raw[9] << 8);
    h.Height = static_cast<std::uint16_t>(raw[10] | raw[11] << 8);
    h.SegmentCount = raw[12];
    h.StoredState = raw[13];
    h.TransparentColour = raw[14];
    h.HasTransparency = raw[15];
    h.Version = static_cast<std::uint16_t>(raw[16] | raw[17] << 8);
    return h;
}

void WriteHeader(TStream& s, const TAC8ImageHeader& h) {
    std::array<char, 8> name{};
    std::memcpy(name.data(), h.Name.Text().data(), h.Name.Text().size());
    s.Write(name.data(), name.size());
    WriteWord(s, h.Width);
    WriteWord(s, h.Height);
    WriteByte(s, h.SegmentCount);
    WriteByte(s, h.StoredState);
    WriteByte(s, h.TransparentColour);
    WriteByte(s, h.HasTransparency);
    WriteWord(s, h.Version);
}

}  // namespace

TAC8RecordLayout ReadRecordLayout(TStream& s) {
    const std::int64_t recordStart = s.Position();
    TAC8RecordLayout layout;
    layout.Header = ReadHeader(s);
    const TAC8ImageHeader& h = layout.Header;
    if (h.Version != AC8ImageVersion || (h.StoredState != AC8StateEncoded && h.StoredState != AC8StatePlain))
        InvalidHeader();
    const auto geometry = ComputeStripGeometry(h.Width, h.Height);
    if (!geometry || geometry->SegmentCount != h.SegmentCount) InvalidHeader();
    layout.Geometry = *geometry;

    // Increasing ends that leave room for each strip's header and stay inside the stream:
    // no size taken from here can make a reader loop, allocate blindly or read past the end.
    layout.SegmentEnds.resize(h.SegmentCount);
    std::uint64_t previous = AC8RecordHeaderSize + 4u * h.SegmentCount;
    for (auto& end : layout.SegmentEnds) {
        end = ReadU32(s);
        if (end < previous + AC8SegmentHeaderSize) InvalidHeader();
        previous = end;
    }
    if (recordStart + std::int64_t(previous) > s.Size()) InvalidHeader();
    return layout;
}

TAC8Image::~TAC8Image() = default;

void TAC8Image::SetUp(const TAC8ImageHeader& header, const TAC8StripGeometry& geometry, bool zeroFill) {
    FHeader = header;
    FGeometry = geometry;
    FHeader.SegmentCount = static_cast<std::uint8_t>(geometry.SegmentCount);
    FPixelBytes = std::size_t(geometry.Height) * geometry.RowStride;
    FPixels.reset(zeroFill ? new std::uint8_t[FPixelBytes]() : new std::uint8_t[FPixelBytes]);
    FSegments.clear();
    for (std::uint32_t k = 0; k < geometry.SegmentCount; ++k)
        FSegments.push_back(std::make_unique<TAC8ImageSegment>(*this, static_cast<std::uint16_t>(k)));
}

void TAC8Image::FreeSegments() {
    FSegments.clear();
    FPixels.reset();
    FPixelBytes = 0;
    FGeometry = {};
    FHeader.SegmentCount = 0;
    FHeader.StoredState = AC8StateEmpty;
}

void TAC8Image::Init(const AC8ImageName& name, std::uint32_t width, std::uint32_t height) {
    FreeSegments();
    const auto geometry = ComputeStripGeometry(width, height);
    if (!geometry) throw AC8Exception("Init: invalid image size");
    TAC8ImageHeader h;
    h.Name = name;
    h.Width = static_cast<std::uint16_t>(width);
    h.Height = static_cast<std::uint16_t>(height);
    h.Version = AC8ImageVersion;
    SetUp(h, *geometry, true);
    FHeader.StoredState = AC8StatePlain;
}

void TAC8Image::ReadSegments(TStream& s, const TAC8RecordLayout& layout, bool keepCoded) {
    for (std::uint32_t k = 0; k < layout.Header.SegmentCount; ++k) {
        TAC8ImageSegment& segment = *FSegments[k];
        segment.EscapeA = ReadU8(s);
        segment.EscapeB = ReadU8(s);
        segment.Flags = static_cast<std::uint8_t>(ReadU8(s) & ~AC8FlagInUse);
        const std::uint32_t size = layout.SegmentEnds[k] - layout.StoredStart(k);
        if (segment.IsEncoded()) {
            if (keepCoded) {
                s.ReadExact(segment.MakeRoomForStoredBytes(size), size);
            } else {
                s.Seek(s.Position() + size);
            }
        } else {
            if (size != segment.RowCount() * FGeometry.RowStride) InvalidHeader();
            s.ReadExact(segment.Pixels(), size);
        }
    }
}

void TAC8Image::LoadFromStream(TStream& s) {
    FreeSegments();
    try {
        const TAC8RecordLayout layout = ReadRecordLayout(s);
        SetUp(layout.Header, layout.Geometry, false);
        ReadSegments(s, layout, true);
    } catch (...) {
        FreeSegments();
        throw;
    }
}

void TAC8Image::LoadDecodedFromMemory(TMemoryStream& s) {
    FreeSegments();
    try {
        const std::uint8_t* const record = s.Bytes().data() + s.Position();
        const TAC8RecordLayout layout = ReadRecordLayout(s);
        SetUp(layout.Header, layout.Geometry, false);
        // Every strip is read or passed over before any is decoded, so that a damaged record
        // fails with the message LoadFromStream would give.
        ReadSegments(s, layout, false);
        // The layout's reader has checked that every strip lies inside the stream.
        for (std::uint32_t k = 0; k < layout.Header.SegmentCount; ++k) {
            TAC8ImageSegment& segment = *FSegments[k];
            const std::uint32_t start = layout.StoredStart(k);
            if (segment.IsEncoded()) segment.DecodeFrom({record + start, layout.SegmentEnds[k] - start});
        }
        FHeader.StoredState = AC8StatePlain;
    } catch (...) {
        FreeSegments();
        throw;
    }
}

void TAC8Image::DecodeAll() {
    if (FHeader.StoredState == AC8StateEmpty) return;
    try {
        for (auto& segment : FSegments) segment->Decode();
    } catch (...) {
        FreeSegments();
        throw;
    }
    FHeader.StoredState = AC8StatePlain;
}

void TAC8Image::SaveToStream(TStream& s) {
    if (FHeader.StoredState == AC8StateEmpty) throw AC8Exception("Failure on save: image has no data");
    // A record is always written plain, so a strip still held encoded is decoded first.
    DecodeAll();
    WriteHeader(s, FHeader);
    std::uint32_t end = AC8RecordHeaderSize + 4u * FHeader.SegmentCount;
    for (const auto& segment : FSegments) {
        end += segment->Size() + AC8SegmentHeaderSize;
        WriteInteger(s, end);
    }
    for (const auto& segment : FSegments) {
        WriteByte(s, segment->EscapeA);
        WriteByte(s, segment->EscapeB);
        WriteByte(s, static_cast<std::uint8_t>(segment->Flags & ~AC8FlagInUse));
        s.Write(segment->Pixels(), segment->Size());
    }
}

void TAC8Image::SetTransparency(std::uint8_t colour, bool enabled) {
    FHeader.TransparentColour = colour;
    FHeader.HasTransparency = enabled ? 1 : 0;
}
