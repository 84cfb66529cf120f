#include "engine/graphics/picture_handles.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"

void TLibraryLink::Reset(TAC8Library* library) {
    if (library == FLibrary) return;
    if (FLibrary != nullptr) FLibrary->RemoveReference(&FLibrary);
    FLibrary = library;
    if (library != nullptr) library->AddReference(&FLibrary);
}

TImageHandle::TImageHandle(TAC8Library& library, const AC8ImageName& name) {
    TImageNode* node = library.LoadImage(name);
    FLibrary.Reset(&library);
    FNode = node;
}

TImageHandle TImageHandle::Adopt(TAC8Library& library, TImageNode* node) {
    TImageHandle handle;
    if (node == nullptr) return handle;
    handle.FLibrary.Reset(&library);
    handle.FNode = node;
    return handle;
}

TImageHandle TImageHandle::CreateBlank(TAC8Library& library, const AC8ImageName& name, std::uint32_t width,
                                       std::uint32_t height) {
    TImageNode* node = library.CreateImage(name, width, height);
    ++node->RefCount;
    return Adopt(library, node);
}

TImageHandle::TImageHandle(TImageHandle&& other) noexcept : FLibrary(other.FLibrary), FNode(other.FNode) {
    other.FLibrary.Reset();
    other.FNode = nullptr;
}

TImageHandle& TImageHandle::operator=(TImageHandle&& other) noexcept {
    if (this == &other) return *this;
    Reset();
    FLibrary = other.FLibrary;
    FNode = other.FNode;
    other.FLibrary.Reset();
    other.FNode = nullptr;
    return *this;
}

void TImageHandle::Reset() {
    // A library that went away has freed the node with its cache.
    if (FLibrary && FNode != nullptr) FLibrary->ReleaseImage(FNode);
    FNode = nullptr;
    FLibrary.Reset();
}

TSurfaceHandle::TSurfaceHandle(TAC8Library& library, TImageNode* node) {
    TAC8ImageData* data = library.GetImageData(node);
    FLibrary.Reset(&library);
    FNode = node;
    FData = data;
}

TSurfaceHandle::TSurfaceHandle(TSurfaceHandle&& other) noexcept
    : FLibrary(other.FLibrary), FNode(other.FNode), FData(other.FData) {
    other.FLibrary.Reset();
    other.FNode = nullptr;
    other.FData = nullptr;
}

TSurfaceHandle& TSurfaceHandle::operator=(TSurfaceHandle&& other) noexcept {
    if (this == &other) return *this;
    Reset();
    FLibrary = other.FLibrary;
    FNode = other.FNode;
    FData = other.FData;
    other.FLibrary.Reset();
    other.FNode = nullptr;
    other.FData = nullptr;
    return *this;
}

void TSurfaceHandle::Reset() {
    if (FLibrary && FData != nullptr) FLibrary->ReleaseImageData(FNode);
    FData = nullptr;
    FNode = nullptr;
    FLibrary.Reset();
}

TPictureHandle::TPictureHandle(TAC8Library& library, const AC8ImageName& name)
    : TPictureHandle(TImageHandle(library, name)) {}

TPictureHandle::TPictureHandle(TImageHandle image) : FImage(std::move(image)) {
    // A failing surface leaves FImage to give its reference back as the handle unwinds.
    if (FImage) FSurface = TSurfaceHandle(*FImage.Library(), FImage.Node());
}

TPictureHandle TPictureHandle::OfSurface(const TAC8ImageData& surface) {
    // A surface lives in its node, and the node in its library's cache.
    TImageNode* node = surface.LibraryNode();
    if (node == nullptr || node->Owner == nullptr) return {};
    ++node->RefCount;
    return TPictureHandle(TImageHandle::Adopt(*node->Owner, node));
}

TPictureHandle& TPictureHandle::operator=(TPictureHandle&& other) noexcept {
    if (this == &other) return *this;
    Reset();
    FImage = std::move(other.FImage);
    FSurface = std::move(other.FSurface);
    return *this;
}

void TPictureHandle::Reset() {
    FSurface.Reset();
    FImage.Reset();
}
