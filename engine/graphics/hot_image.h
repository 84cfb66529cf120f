#pragma once
// How rooms and controls hold a picture: a shared image of the library, or a private picture
// kept in the library's cache under a generated key (a blank canvas, a copy, or one read
// from a stream). The surface is fetched when drawing and can be released while the picture
// is kept, so leaving a room frees memory without losing its pictures.
//
// Album picture stream (little-endian): UInt16 width, UInt16 height, byte transparency
// switch (0 or 1), byte transparent index, then the image record.
#include <cstdint>
#include <memory>

#include "engine/graphics/ac8_image_name.h"
#include "engine/graphics/picture_handles.h"
#include "foundation/geometry.h"

class TAC8Library;
class TAC8ImageData;
class TImageNode;
class TStream;

class THotImage {
public:
    // Every holder is made in a library; a null one raises AC8Exception.
    // The library image of that name (cut to 8 characters). Shared unless isPrivate, in which
    // case the picture is copied to a private one.
    THotImage(const AC8ImageName& name, bool isPrivate, TAC8Library* library);
    // A blank picture; a size of zero or less raises AC8Exception before anything is made.
    static std::unique_ptr<THotImage> CreateBlank(std::int32_t width, std::int32_t height,
                                                  TAC8Library* library);
    // Reads the album picture stream; the picture's surface is fetched and its transparency
    // set from the stream.
    static std::unique_ptr<THotImage> CreateFromStream(TStream& stream, TAC8Library* library);
    // Every pixel of source, and a layer for every layer of it; the source's transparency is
    // off during the copy and both end up with the source's transparency.
    static std::unique_ptr<THotImage> CreateCopy(TAC8ImageData& source, TAC8Library* library);
    // The pixels of rect of source at (0, 0) of a picture of rect's size (layers of the source
    // are copied only when rect is the whole source, where their places still fit).
    static std::unique_ptr<THotImage> CreateCopyRect(TAC8ImageData& source, const TRect& rect,
                                                     TAC8Library* library);
    ~THotImage();
    THotImage(const THotImage&) = delete;
    THotImage& operator=(const THotImage&) = delete;

    // The surface, fetched when none is held; a remembered transparency is applied to it.
    TAC8ImageData& Image();
    bool HoldsSurface() const { return static_cast<bool>(FSurface); }
    // Remembers the surface's transparency and drops the surface; the picture stays.
    void Release();
    void SaveToStream(TStream& stream);

    TImageNode* Entry() const { return FEntry.Node(); }
    TAC8Library* Library() const { return FLibrary.Get(); }

private:
    explicit THotImage(TAC8Library* library);
    void InitCopy(TAC8ImageData& source, const TRect& rect);
    void RememberTransparency(const TAC8ImageData& surface);

    TLibraryLink FLibrary;
    TImageHandle FEntry;
    TSurfaceHandle FSurface;  // after the entry, so released before it
    bool FRemembered = false;  // whether the pair below has been taken from a surface or stream
    bool FHasTransparency = false;
    std::uint8_t FTransparentIndex = 0;
};

// The next generated key: "1", "2", ... in the order of creation.
AC8ImageName NextHotImageKey();
