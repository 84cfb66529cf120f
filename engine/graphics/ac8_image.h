#pragma once
// An 8-bit palettised picture as kept in image libraries and album pictures: an 18-byte
// header and horizontal strips of at most 65280 bytes each.
//
// In memory the decoded pixels are ONE contiguous bottom-up buffer: the strips end to end,
// strip 0 (the bottom rows of the picture) first, each row RowStride bytes (Width rounded up
// to 4, padding 0). Row y counted from the top starts at Pixels() + (Height - 1 - y) * RowStride.
// The strips stay visible as slices of that buffer because the record format, the codec
// (the first row of every strip has no previous row) and the display work strip by strip.
// The pixels are never discarded: a picture is decoded once when it loads.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "engine/graphics/ac8_image_name.h"

class TMemoryStream;
class TStream;
class TAC8Image;
class TAC8ImageData;
struct TAC8BitmapHeader;

inline constexpr std::uint32_t AC8MaxSegmentBytes = 65280;
inline constexpr std::uint32_t AC8MaxWidth = 65280;
inline constexpr std::uint32_t AC8MaxSegments = 255;
inline constexpr std::uint16_t AC8ImageVersion = 3;
inline constexpr std::uint32_t AC8RecordHeaderSize = 18;
inline constexpr std::uint32_t AC8SegmentHeaderSize = 3;  // EscapeA, EscapeB, Flags

// Strip flag bits.
inline constexpr std::uint8_t AC8FlagRawRows = 0x01;    // rows stored without line codes
inline constexpr std::uint8_t AC8FlagRunStream = 0x02;  // one run stream for the whole strip
inline constexpr std::uint8_t AC8FlagInUse = 0x04;      // being drawn; never meaningful in a file
inline constexpr std::uint8_t AC8FlagEncoded = 0x08;    // bytes held still need decoding

// StoredState values of the header.
inline constexpr std::uint8_t AC8StateEmpty = 0;
inline constexpr std::uint8_t AC8StateEncoded = 1;
inline constexpr std::uint8_t AC8StatePlain = 2;

// How a picture of a given size is cut into strips. A record must follow it: the decoder
// recomputes it rather than trusting the file.
struct TAC8StripGeometry {
    std::uint32_t RowStride = 0;       // Width rounded up to a multiple of 4
    std::uint32_t RowsPerSegment = 0;  // rows of every strip but the last
    std::uint32_t SegmentCount = 0;
    std::uint32_t Height = 0;

    std::uint32_t RowsOf(std::uint32_t index) const;       // rows of strip `index`
    std::uint32_t FirstRowOf(std::uint32_t index) const {  // buffer row (from the bottom)
        return index * RowsPerSegment;
    }
};

// The geometry, or nothing for sizes no record can hold: width or height 0, width above
// 65280, or more than 255 strips. Sizes are computed in 64 bits.
std::optional<TAC8StripGeometry> ComputeStripGeometry(std::uint32_t width, std::uint32_t height);

// The 18 bytes at the start of every image record.
struct TAC8ImageHeader {
    AC8ImageName Name;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    std::uint8_t SegmentCount = 0;
    std::uint8_t StoredState = AC8StateEmpty;
    std::uint8_t TransparentColour = 0;
    std::uint8_t HasTransparency = 0;
    std::uint16_t Version = AC8ImageVersion;
};

// One strip: its stored header bytes and, while encoded, its stored bytes. Once plain, its
// pixels are the slice of the owner's buffer given by Pixels().
// A record's header with its strip end offsets, read and checked: the header is valid, the
// strip count is the one the geometry gives, every strip holds at least its 3 header bytes
// and the record ends inside the stream. Anything else raises "Invalid AC8 image header".
struct TAC8RecordLayout {
    TAC8ImageHeader Header;
    TAC8StripGeometry Geometry;
    std::vector<std::uint32_t> SegmentEnds;  // from the record's first byte
    std::uint32_t RecordSize() const { return SegmentEnds.empty() ? 0 : SegmentEnds.back(); }
    // Where strip k's stored bytes start, past its own header; they run to SegmentEnds[k].
    std::uint32_t StoredStart(std::uint32_t k) const {
        return (k == 0 ? AC8RecordHeaderSize + 4u * Header.SegmentCount : SegmentEnds[k - 1]) + AC8SegmentHeaderSize;
    }
};
TAC8RecordLayout ReadRecordLayout(TStream& s);

class TAC8ImageSegment {
public:
    TAC8ImageSegment(TAC8Image& owner, std::uint16_t index);

    std::uint8_t EscapeA = 0;
    std::uint8_t EscapeB = 0;
    std::uint8_t Flags = 0;

    std::uint16_t Index() const { return FIndex; }
    TAC8Image& Owner() const { return FOwner; }
    std::uint32_t RowCount() const;
    std::uint32_t FirstRow() const;  // buffer row, counted from the bottom of the picture
    bool IsEncoded() const { return (Flags & AC8FlagEncoded) != 0; }
    // Bytes held: the stored size while encoded, else rows x RowStride.
    std::uint32_t Size() const;

    // The strip's rows, bottom row first; decodes the strip first when it is still encoded.
    std::uint8_t* Lock();
    void Unlock() {}
    // The strip's slice of the owner's buffer, without decoding.
    std::uint8_t* Pixels() const;

    // Decodes the stored bytes into the strip's slice of the buffer (no-op when plain).
    // A failure leaves the strip without stored bytes and raises AC8Exception.
    void Decode();
    // Decodes `stored`, the strip's coded bytes held elsewhere, as Decode does its own.
    void DecodeFrom(std::span<const std::uint8_t> stored);

    std::span<const std::uint8_t> StoredBytes() const { return {FStored.get(), FStoredSize}; }
    // Room for `size` stored bytes, to be read in whole by the caller: not cleared first.
    std::uint8_t* MakeRoomForStoredBytes(std::uint32_t size);

private:
    TAC8Image& FOwner;
    std::uint16_t FIndex;
    std::unique_ptr<std::uint8_t[]> FStored;
    std::uint32_t FStoredSize = 0;
};

class TAC8Image {
public:
    TAC8Image() = default;
    ~TAC8Image();
    TAC8Image(const TAC8Image&) = delete;
    TAC8Image& operator=(const TAC8Image&) = delete;

    // A blank picture (all pixels 0, strips plain) of that size. Refused sizes (see
    // ComputeStripGeometry) raise AC8Exception and leave the image empty.
    void Init(const AC8ImageName& name, std::uint32_t width, std::uint32_t height);
    // Reads a record at the stream's position; every strip's bytes are read, plain strips
    // straight into the buffer, encoded ones kept until DecodeAll. Raises AC8Exception
    // ("Invalid AC8 image header", ...) and leaves the image empty on failure.
    void LoadFromStream(TStream& s);
    // Decodes every still-encoded strip; StoredState becomes 2. A failure empties the image.
    void DecodeAll();
    // LoadFromStream and DecodeAll in one, for a record held in memory (as the library holds
    // its file): the coded strips are decoded straight from the stream's bytes instead of
    // being copied out, each into a buffer of its own, and decoded from there. Same pixels,
    // same failures in the same order, and the same empty image after one.
    void LoadDecodedFromMemory(TMemoryStream& s);
    // Writes the record, plain (still-encoded strips are decoded first).
    void SaveToStream(TStream& s);
    // A drawing surface over the pixels (after DecodeAll), shown with the given bitmap
    // header; nullptr when it cannot be made.
    std::unique_ptr<TAC8ImageData> CreateImageData(TAC8BitmapHeader* bitmapHeader = nullptr);
    // Frees every strip and the pixels; StoredState 0.
    void FreeSegments();

    const TAC8ImageHeader& Header() const { return FHeader; }
    const AC8ImageName& Name() const { return FHeader.Name; }
    std::uint16_t Width() const { return FHeader.Width; }
    std::uint16_t Height() const { return FHeader.Height; }
    std::uint8_t StoredState() const { return FHeader.StoredState; }
    std::uint8_t TransparentColour() const { return FHeader.TransparentColour; }
    bool HasTransparency() const { return FHeader.HasTransparency != 0; }
    void SetTransparency(std::uint8_t colour, bool enabled);

    const TAC8StripGeometry& Geometry() const { return FGeometry; }
    std::uint32_t RowStride() const { return FGeometry.RowStride; }
    std::uint8_t SegmentCount() const { return FHeader.SegmentCount; }
    TAC8ImageSegment& Segment(std::uint32_t index) { return *FSegments.at(index); }
    const TAC8ImageSegment& Segment(std::uint32_t index) const { return *FSegments.at(index); }

    // The contiguous bottom-up pixel buffer (Height x RowStride bytes); nullptr when empty.
    // The rows of a strip still encoded hold no defined values until it is decoded.
    std::uint8_t* Pixels() { return FPixels.get(); }
    const std::uint8_t* Pixels() const { return FPixels.get(); }
    std::size_t PixelBytes() const { return FPixelBytes; }
    // Row y counted from the top (no range check: callers clip).
    std::uint8_t* Row(std::uint32_t y) { return FPixels.get() + std::size_t(Height() - 1 - y) * RowStride(); }
    const std::uint8_t* Row(std::uint32_t y) const {
        return FPixels.get() + std::size_t(Height() - 1 - y) * RowStride();
    }

private:
    // Takes the header and geometry and allocates the buffer: zero-filled for blank pictures,
    // left unfilled for records, whose strips are all written when read or decoded.
    void SetUp(const TAC8ImageHeader& header, const TAC8StripGeometry& geometry, bool zeroFill);
    // Reads the strips of the record whose layout was just read: plain strips straight into
    // the buffer; coded ones kept in the strips when `keepCoded`, else passed over.
    void ReadSegments(TStream& s, const TAC8RecordLayout& layout, bool keepCoded);

    TAC8ImageHeader FHeader;
    TAC8StripGeometry FGeometry;
    std::vector<std::unique_ptr<TAC8ImageSegment>> FSegments;
    std::unique_ptr<std::uint8_t[]> FPixels;
    std::size_t FPixelBytes = 0;
};
