#pragma once
// Owning handles for what an image library lends out: one reference to a cached image, and
// one reference to an image's drawing surface. Each gives its reference back when it goes
// (or is reset or assigned over), so no holder releases by hand and no early return or
// exception leaks a picture. A handle holds its library through a link: once the library is
// gone (and with it every cached image) the handle is empty and gives nothing back.
//
// TPictureHandle is the pair most holders want: a library image together with its surface,
// the surface released before the image.
#include <cstdint>
#include <utility>

#include "engine/graphics/ac8_image_name.h"
#include "engine/graphics/library_link.h"

class TAC8ImageData;
class TAC8Library;
class TImageNode;

class TImageHandle {
public:
    TImageHandle() = default;
    // The library image of that name, loaded on first use (raises as LoadImage does).
    TImageHandle(TAC8Library& library, const AC8ImageName& name);
    // Takes over one reference the caller already counted on the node (nullptr: empty).
    static TImageHandle Adopt(TAC8Library& library, TImageNode* node);
    // A new blank image in the library's cache under that name, with this handle's reference.
    static TImageHandle CreateBlank(TAC8Library& library, const AC8ImageName& name, std::uint32_t width,
                                    std::uint32_t height);
    ~TImageHandle() { Reset(); }
    TImageHandle(TImageHandle&& other) noexcept;
    TImageHandle& operator=(TImageHandle&& other) noexcept;
    TImageHandle(const TImageHandle&) = delete;
    TImageHandle& operator=(const TImageHandle&) = delete;

    // Gives the reference back; the handle is empty afterwards.
    void Reset();

    // The node, or nullptr when empty or when the library has gone.
    TImageNode* Node() const { return FLibrary ? FNode : nullptr; }
    TAC8Library* Library() const { return FLibrary.Get(); }
    explicit operator bool() const { return Node() != nullptr; }

private:
    TLibraryLink FLibrary;
    TImageNode* FNode = nullptr;
};

class TSurfaceHandle {
public:
    TSurfaceHandle() = default;
    // The node's surface with one more reference (raises as GetImageData does; nothing is
    // held then). The node must stay cached while the handle holds its surface.
    TSurfaceHandle(TAC8Library& library, TImageNode* node);
    ~TSurfaceHandle() { Reset(); }
    TSurfaceHandle(TSurfaceHandle&& other) noexcept;
    TSurfaceHandle& operator=(TSurfaceHandle&& other) noexcept;
    TSurfaceHandle(const TSurfaceHandle&) = delete;
    TSurfaceHandle& operator=(const TSurfaceHandle&) = delete;

    void Reset();

    // The surface, or nullptr when empty or when the library has gone.
    TAC8ImageData* Get() const { return FLibrary ? FData : nullptr; }
    TAC8ImageData& operator*() const { return *Get(); }
    TAC8ImageData* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    TImageNode* Node() const { return FLibrary ? FNode : nullptr; }

private:
    TLibraryLink FLibrary;
    TImageNode* FNode = nullptr;
    TAC8ImageData* FData = nullptr;
};

class TPictureHandle {
public:
    TPictureHandle() = default;
    // The library image of that name and its surface; a failure holds nothing.
    TPictureHandle(TAC8Library& library, const AC8ImageName& name);
    // The surface of an image the handle takes over.
    explicit TPictureHandle(TImageHandle image);
    // One more holder of a surface a library lent out: a reference to its picture and one to
    // the surface, so the surface lives while this handle does (or until its library goes).
    // Empty for a surface made outside a library.
    static TPictureHandle OfSurface(const TAC8ImageData& surface);
    ~TPictureHandle() { Reset(); }
    TPictureHandle(TPictureHandle&&) noexcept = default;
    TPictureHandle& operator=(TPictureHandle&& other) noexcept;

    // The surface first, then the image.
    void Reset();

    TAC8ImageData* Get() const { return FSurface.Get(); }
    TAC8ImageData& operator*() const { return *Get(); }
    TAC8ImageData* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    TImageNode* Node() const { return FImage.Node(); }
    TAC8Library* Library() const { return FImage.Library(); }

private:
    TImageHandle FImage;  // declared first, so destroyed after the surface
    TSurfaceHandle FSurface;
};
