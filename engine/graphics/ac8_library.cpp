#include "engine/graphics/ac8_library.h"

#include <algorithm>

#include "engine/graphics/ac8_bitmap_header.h"
#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_palette.h"
#include "foundation/stream.h"

TImageNode::TImageNode() = default;
TImageNode::~TImageNode() = default;

TAC8Library::TAC8Library() = default;

TAC8Library::~TAC8Library() {
    for (TAC8Library** variable : FReferences)
        if (*variable == this) *variable = nullptr;
    Close();
}

void TAC8Library::ValidateAC8FileHeader(std::span<const std::uint8_t, AC8FileHeaderSize> header) {
    const std::uint16_t magic = static_cast<std::uint16_t>(header[0] | header[1] << 8);
    const std::uint16_t version = static_cast<std::uint16_t>(header[4] | header[5] << 8);
    if (magic != 0x4341 || header[2] != 8 || version != 2)
        throw AC8Exception("ValidateAC8FileHeader: header invalid");
}

void TAC8Library::Open(const std::filesystem::path& path) {
    Close();
    FFileName = path;
    try {
        FStream = std::make_unique<TMemoryStream>(ReadWholeFile(path));
        std::array<std::uint8_t, AC8FileHeaderSize> header{};
        FStream->ReadExact(header.data(), header.size());
        ValidateAC8FileHeader(header);
        auto palette = std::make_unique<std::array<std::uint8_t, AC8PaletteSize>>();
        FStream->ReadExact(palette->data(), palette->size());
        FPalette = std::move(palette);
        GetHPal();  // also gives the palette block the screen's reserved colours
        FLogicalSize = FStream->Size();
        BuildIndex();
    } catch (...) {
        Close();
        throw;
    }
}

// There is no directory in the file: the records are walked from the first to the end.
// ReadRecordLayout refuses records whose strip ends do not increase or pass the end of the
// file, so every step moves forward and stays inside the file.
void TAC8Library::BuildIndex() {
    FIndex.clear();
    std::int64_t position = AC8FirstRecordOffset;
    while (position < FLogicalSize) {
        FStream->Seek(position);
        const TAC8RecordLayout layout = ReadRecordLayout(*FStream);
        // The first record of a name in file order wins.
        FIndex.emplace(ImageNameToString(layout.Header.Name), position);
        position += layout.RecordSize();
    }
}

void TAC8Library::Close() {
    // Data files are opened read-only, so closing never writes or truncates them.
    FStream.reset();
    FCache.Clear();
    FIndex.clear();
    FPaletteHandle.reset();
    FPalette.reset();
    FLogicalSize = 0;
}

std::int64_t TAC8Library::ImageOffset(const AC8ImageName& name) const {
    if (!FStream) throw AC8Exception("ImageOffset: no library loaded");
    const auto found = FIndex.find(ImageNameToString(name));
    return found == FIndex.end() ? 0 : found->second;
}

std::vector<std::string> TAC8Library::ImageNames() const {
    std::vector<std::string> names;
    for (const auto& entry : FIndex) names.push_back(entry.first);
    return names;
}

void TAC8Library::CheckImageName(std::string_view name, bool mustExist) const {
    if (ImageExists(AC8ImageName(name)) == mustExist) return;
    if (mustExist) throw AC8Exception("Image \"" + std::string(name) + "\" does not exist");
    throw AC8Exception("Image name \"" + std::string(name) + "\" is already in use");
}

TImageNode* TAC8Library::FindCached(const AC8ImageName& name) const {
    const AC8ImageName lower = LowerImageName(name.Text());
    for (TImageNode* node : NodesOf<TImageNode>(FCache))
        if (node->Name == lower) return node;
    return nullptr;
}

std::unique_ptr<TImageNode> TAC8Library::NewNode(const AC8ImageName& name) {
    auto node = std::make_unique<TImageNode>();
    node->Name = LowerImageName(name.Text());
    node->Owner = this;
    node->Image = std::make_unique<TAC8Image>();
    return node;
}

TImageNode* TAC8Library::LoadImage(const AC8ImageName& name) {
    TImageNode* node = FindCached(name);
    if (node == nullptr) {
        CheckImageName(name.Text(), true);
        auto fresh = NewNode(name);
        FStream->Seek(ImageOffset(name));
        fresh->Image->LoadDecodedFromMemory(*FStream);
        node = static_cast<TImageNode*>(FCache.Append(std::move(fresh)));
    }
    ++node->RefCount;
    return node;
}

void TAC8Library::ReleaseImage(TImageNode* node) {
    // Every node lives in the cache; one that is not there was freed by Close already and
    // must not be touched.
    if (node == nullptr || !FCache.Contains(node)) return;
    if (node->RefCount > 0) --node->RefCount;
    if (node->RefCount > 0) return;
    FCache.Remove(node);  // the returned owner frees the node
}

TAC8ImageData* TAC8Library::GetImageData(TImageNode* node) {
    if (!node->ImageData) {
        node->ImageData = node->Image->CreateImageData(&SharedBitmapHeader());
        if (!node->ImageData)
            throw AC8Exception("GetImageData: cannot create the surface of image \"" + node->Name.Text() + "\"");
        node->ImageData->SetLibraryNode(node);
        node->DataRefCount = 0;
    }
    ++node->DataRefCount;
    return node->ImageData.get();
}

void TAC8Library::ReleaseImageData(TImageNode* node) {
    if (node == nullptr || !FCache.Contains(node) || !node->ImageData) return;
    if (node->DataRefCount > 0) --node->DataRefCount;
    if (node->DataRefCount == 0) node->ImageData.reset();
}

TImageNode* TAC8Library::CreateImage(const AC8ImageName& name, std::uint32_t width, std::uint32_t height) {
    auto node = NewNode(name);
    node->Image->Init(node->Name, width, height);
    return static_cast<TImageNode*>(FCache.Append(std::move(node)));
}

TImageNode* TAC8Library::CreateImageFromStream(const AC8ImageName& name, std::uint32_t width, std::uint32_t height,
                                               TStream& stream) {
    // Built aside and appended only once read and decoded, so a failure leaves no node. The
    // record brings its own pixel buffers: no blank picture is made first only to be
    // replaced (a damaged size would cost megabytes of zeros for nothing).
    auto node = NewNode(name);
    node->Image->LoadFromStream(stream);
    if (node->Image->Width() != width || node->Image->Height() != height)
        throw AC8Exception("CreateImageFromStream: the picture's size does not match its record");
    node->Image->DecodeAll();
    return static_cast<TImageNode*>(FCache.Append(std::move(node)));
}

void TAC8Library::SaveImage(TImageNode* node, TStream& stream) { node->Image->SaveToStream(stream); }

void TAC8Library::AddReference(TAC8Library** variable) {
    if (variable != nullptr && *variable == this &&
        std::find(FReferences.begin(), FReferences.end(), variable) == FReferences.end())
        FReferences.push_back(variable);
}

void TAC8Library::RemoveReference(TAC8Library** variable) {
    FReferences.erase(std::remove(FReferences.begin(), FReferences.end(), variable), FReferences.end());
}
