#include "engine/graphics/hot_image.h"

#include <string>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"

namespace {

std::uint32_t KeyCounter = 0;

TAC8Library& ResolveLibrary(TAC8Library* library) {
    if (library == nullptr) throw AC8Exception("THotImage: no image library");
    return *library;
}

void CheckSize(std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
        throw AC8Exception("THotImage: invalid picture size");
}

// A cache node made for a private picture, with the holder's one reference.
TImageHandle CreatePrivateEntry(TAC8Library& library, std::int32_t width, std::int32_t height) {
    return TImageHandle::CreateBlank(library, NextHotImageKey(), static_cast<std::uint32_t>(width),
                                     static_cast<std::uint32_t>(height));
}

}  // namespace

AC8ImageName NextHotImageKey() { return AC8ImageName(std::to_string(++KeyCounter)); }

THotImage::THotImage(TAC8Library* library) : FLibrary(&ResolveLibrary(library)) {}

THotImage::THotImage(const AC8ImageName& name, bool isPrivate, TAC8Library* library)
    : FLibrary(&ResolveLibrary(library)) {
    if (!isPrivate) {
        FEntry = TImageHandle(*FLibrary.Get(), name);
        return;
    }
    THotImage shared(name, false, FLibrary.Get());
    TAC8ImageData& source = shared.Image();
    InitCopy(source, source.GetBounds());
}

std::unique_ptr<THotImage> THotImage::CreateBlank(std::int32_t width, std::int32_t height, TAC8Library* library) {
    CheckSize(width, height);
    std::unique_ptr<THotImage> holder(new THotImage(library));
    holder->FEntry = CreatePrivateEntry(*holder->FLibrary.Get(), width, height);
    return holder;
}

std::unique_ptr<THotImage> THotImage::CreateFromStream(TStream& stream, TAC8Library* library) {
    std::unique_ptr<THotImage> holder(new THotImage(library));
    const std::int32_t width = ReadU16(stream);
    const std::int32_t height = ReadU16(stream);
    const bool transparent = ReadU8(stream) != 0;
    const std::uint8_t index = ReadU8(stream);
    CheckSize(width, height);
    TImageNode* node = holder->FLibrary->CreateImageFromStream(NextHotImageKey(), static_cast<std::uint32_t>(width),
                                                              static_cast<std::uint32_t>(height), stream);
    ++node->RefCount;
    holder->FEntry = TImageHandle::Adopt(*holder->FLibrary.Get(), node);
    holder->FRemembered = true;
    holder->FHasTransparency = transparent;
    holder->FTransparentIndex = index;
    holder->Image().LockAll();
    return holder;
}

std::unique_ptr<THotImage> THotImage::CreateCopy(TAC8ImageData& source, TAC8Library* library) {
    return CreateCopyRect(source, source.GetBounds(), library);
}

std::unique_ptr<THotImage> THotImage::CreateCopyRect(TAC8ImageData& source, const TRect& rect, TAC8Library* library) {
    std::unique_ptr<THotImage> holder(new THotImage(library));
    holder->InitCopy(source, rect);
    return holder;
}

void THotImage::InitCopy(TAC8ImageData& source, const TRect& rect) {
    CheckSize(RectWidth(rect), RectHeight(rect));
    FEntry = CreatePrivateEntry(*FLibrary.Get(), RectWidth(rect), RectHeight(rect));
    const std::int32_t key = source.TransparentColour();
    const std::uint8_t index = key < 0 ? 0 : static_cast<std::uint8_t>(key);
    try {
        FSurface = TSurfaceHandle(*FLibrary.Get(), FEntry.Node());
        // Off for the copy, so every pixel arrives, transparent colour included.
        source.SetTransparency(index, false);
        FSurface->Blit(TPoint{0, 0}, source, rect);
        // A copy of part of a room keeps its layers where they lie on that part.
        FSurface->CopyLayers(source, TPoint{-rect.Left, -rect.Top});
    } catch (...) {
        source.SetTransparency(index, key >= 0);
        FSurface.Reset();
        FEntry.Reset();
        throw;
    }
    source.SetTransparency(index, key >= 0);
    FSurface->SetTransparency(index, key >= 0);
}

// The surface goes first (declared after the entry), so the picture is never freed under it.
THotImage::~THotImage() = default;

TAC8ImageData& THotImage::Image() {
    if (!FSurface) {
        FSurface = TSurfaceHandle(*FLibrary.Get(), FEntry.Node());
        if (FRemembered) FSurface->SetTransparency(FTransparentIndex, FHasTransparency);
    }
    return *FSurface;
}

void THotImage::RememberTransparency(const TAC8ImageData& surface) {
    const std::int32_t key = surface.TransparentColour();
    FRemembered = true;
    FHasTransparency = key >= 0;
    if (key >= 0) FTransparentIndex = static_cast<std::uint8_t>(key);
}

void THotImage::Release() {
    if (!FSurface) return;
    RememberTransparency(*FSurface);
    FSurface.Reset();
}

void THotImage::SaveToStream(TStream& stream) {
    TAC8ImageData& surface = Image();
    RememberTransparency(surface);
    WriteWord(stream, static_cast<std::uint16_t>(surface.Width()));
    WriteWord(stream, static_cast<std::uint16_t>(surface.Height()));
    WriteByte(stream, static_cast<std::uint8_t>(FHasTransparency ? 1 : 0));
    WriteByte(stream, FTransparentIndex);
    FLibrary->SaveImage(FEntry.Node(), stream);
}
