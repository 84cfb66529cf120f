#pragma once
// An .ac8 image library: one open file with its palette, an index from image name to
// record offset, and a cache of the images in use, each reference-counted together with
// its drawing surface. Images made at run time live in the same cache under names of their
// own and never reach the file. Library files are data: they are opened read-only and
// never written.
//
// File layout (little-endian): UInt16 0x4341 ("AC"), byte 8 (bits per pixel), a reserved
// byte, UInt16 version 2, 256 palette entries of blue, green, red, reserved, then image
// records back to back to the end of the file (see ac8_image.h).
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/graphics/ac8_image.h"
#include "engine/graphics/ac8_image_name.h"
#include "foundation/geometry.h"
#include "foundation/node_list.h"

class TStream;
class TMemoryStream;
struct TAC8LogicalPalette;

namespace platform {
class Canvas;
}

inline constexpr std::uint32_t AC8FileHeaderSize = 6;
inline constexpr std::uint32_t AC8PaletteSize = 1024;
inline constexpr std::uint32_t AC8FirstRecordOffset = AC8FileHeaderSize + AC8PaletteSize;  // 1030

class TAC8Library;

// One image in the cache. Destroying it frees the surface first, then the image.
class TImageNode : public TVekNode {
public:
    TImageNode();
    ~TImageNode() override;

    AC8ImageName Name;  // lower case
    std::int32_t RefCount = 0;
    std::int32_t DataRefCount = 0;
    TAC8Library* Owner = nullptr;  // the library whose cache holds the node
    std::unique_ptr<TAC8Image> Image;
    std::unique_ptr<TAC8ImageData> ImageData;  // declared after Image, so freed before it
};

class TAC8Library {
public:
    TAC8Library();
    // Clears every registered variable, then closes.
    ~TAC8Library();
    TAC8Library(const TAC8Library&) = delete;
    TAC8Library& operator=(const TAC8Library&) = delete;

    // Closes whatever is open, then opens the file read-only, checks its header, reads the
    // palette and indexes its records. Any failure leaves the library closed and passes on.
    void Open(const std::filesystem::path& path);
    // Closes the file (never writing it) and frees every cached image, the index and palette.
    void Close();
    bool IsOpen() const { return FStream != nullptr; }

    // "ValidateAC8FileHeader: header invalid" unless magic 0x4341, 8 bits and version 2.
    static void ValidateAC8FileHeader(std::span<const std::uint8_t, AC8FileHeaderSize> header);

    // Offset of the record of that name, 0 when absent; "ImageOffset: no library loaded"
    // when no file is open.
    std::int64_t ImageOffset(const AC8ImageName& name) const;
    bool ImageExists(const AC8ImageName& name) const { return ImageOffset(name) > 0; }
    // Raises "Image "%s" does not exist" (mustExist) or "Image name "%s" is already in use"
    // (!mustExist) when the name's presence in the file differs from the flag.
    void CheckImageName(std::string_view name, bool mustExist) const;

    // The cached image of that name with one more reference; loaded and decoded on first use.
    TImageNode* LoadImage(const AC8ImageName& name);
    TImageNode* LoadImageNamed(std::string_view name) { return LoadImage(AC8ImageName(name)); }
    // Drops one reference; frees the node when none is left. nullptr does nothing.
    void ReleaseImage(TImageNode* node);
    // The node's surface with one more reference, made on first request. Raises
    // AC8Exception, leaving the count as it was, when the surface cannot be made.
    TAC8ImageData* GetImageData(TImageNode* node);
    // Drops one surface reference; frees the surface when none is left.
    void ReleaseImageData(TImageNode* node);

    // A new cache node (RefCount 0) holding a blank image; the name is not checked.
    TImageNode* CreateImage(const AC8ImageName& name, std::uint32_t width, std::uint32_t height);
    // The same, with the image record read from the stream in place of the blank image.
    // A failure leaves no node in the cache.
    TImageNode* CreateImageFromStream(const AC8ImageName& name, std::uint32_t width, std::uint32_t height,
                                      TStream& stream);
    // Writes the node's image record (always plain).
    void SaveImage(TImageNode* node, TStream& stream);

    // Draws the node's whole image with its top-left at the point, when it is decoded
    // (ac8_library_display.cpp).
    void DrawImageAt(platform::Canvas& canvas, TPoint destination, TImageNode* node);
    // The logical palette the library's pictures are shown through, built once per open
    // file (Open builds it at once); "GetHPal: global palette unavailable" while closed.
    const TAC8LogicalPalette* GetHPal();

    // Registers a variable that holds this library; the destructor sets it to nullptr.
    void AddReference(TAC8Library** variable);
    void RemoveReference(TAC8Library** variable);

    const std::filesystem::path& FileName() const { return FFileName; }
    // The file's 256 entries of blue, green, red, reserved; nullptr while closed.
    std::array<std::uint8_t, AC8PaletteSize>* Palette() { return FPalette.get(); }
    const std::array<std::uint8_t, AC8PaletteSize>* Palette() const { return FPalette.get(); }
    std::int64_t LogicalSize() const { return FLogicalSize; }
    std::size_t IndexCount() const { return FIndex.size(); }
    // The indexed names, lower case, sorted.
    std::vector<std::string> ImageNames() const;
    const TVekList& Cache() const { return FCache; }
    // The first cached node of that name (case-blind), or nullptr.
    TImageNode* FindCached(const AC8ImageName& name) const;

private:
    void BuildIndex();
    std::unique_ptr<TImageNode> NewNode(const AC8ImageName& name);

    std::filesystem::path FFileName;
    TVekList FCache;
    std::unique_ptr<std::array<std::uint8_t, AC8PaletteSize>> FPalette;
    std::unique_ptr<TAC8LogicalPalette> FPaletteHandle;
    std::map<std::string, std::int64_t> FIndex;  // lower-case name -> record offset
    // The whole file, read at Open in one go: the index walks every record and each picture
    // loads from its own place, which would otherwise be a seek and a read each.
    std::unique_ptr<TMemoryStream> FStream;
    std::int64_t FLogicalSize = 0;
    std::vector<TAC8Library**> FReferences;
};
