#include "frame_set.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "foundation/stream_values.h"
#include "hit_box.h"
#include "qe_exception.h"
#include "typed_node_stream.h"

TFrameSet::TFrameSet() { ClassId = kFrameSetClassId; }

TFrameSet::TFrameSet(std::string_view name, const TRect& position, std::uint16_t frameCount,
                     std::uint16_t frameHeight, std::string_view imageName, TAC8Library* library)
    : TIDNode(name),
      X(position.Left),
      Y(position.Top),
      FImageName(imageName.substr(0, 8)),
      FFrameHeight(frameHeight),
      FFrameCount(frameCount) {
    ClassId = kFrameSetClassId;
    AttachLibrary(library);
}

TFrameSet::~TFrameSet() {
    ReleaseImage();
    DetachLibrary();
}

void TFrameSet::AttachLibrary(TAC8Library* library) {
    FLibrary = library;
    if (FLibrary != nullptr) FLibrary->AddReference(&FLibrary);
}

void TFrameSet::DetachLibrary() {
    if (FLibrary != nullptr) FLibrary->RemoveReference(&FLibrary);
    FLibrary = nullptr;
}

void TFrameSet::ReleaseImage() {
    if (FLibrary != nullptr && FImage != nullptr) {
        FLibrary->ReleaseImageData(FImage);
        FLibrary->ReleaseImage(FImage);
    }
    FImage = nullptr;
    FImageData = nullptr;
}

// The mirror flags belong to the library's shared surface of the strip, so every frame set
// drawing the same image is mirrored with it.
void TFrameSet::LoadStrip() {
    TImageNode* node = FLibrary->LoadImageNamed(FImageName);
    try {
        FImageData = FLibrary->GetImageData(node);
    } catch (...) {
        FLibrary->ReleaseImage(node);
        throw;
    }
    FImage = node;
    if (GetID().find('~') != std::string::npos) FImageData->FlipHorizontal = true;
    if (GetID().find('^') != std::string::npos) FImageData->FlipVertical = true;
}

void TFrameSet::DrawAt(TAC8ImageData* view, TPoint at) {
    if (FLibrary == nullptr) {
        FImage = nullptr;  // the library has gone, and its images with it
        FImageData = nullptr;
        return;
    }
    if (!Visible || view == nullptr) return;
    if (FImageData == nullptr) LoadStrip();
    // A frame outside the strip (a current frame set without a range check) shows nothing
    // rather than whatever lies beyond the picture.
    const std::int32_t top = std::int32_t(FFrameHeight) * CurrentFrame;
    if (CurrentFrame < 0 || top + FFrameHeight > FImageData->Height()) return;
    view->Blit(at, *FImageData, MakeBounds(0, top, FImageData->Width(), FFrameHeight));
}

TRect TFrameSet::GetBounds() const {
    if (FImageData == nullptr) return TRect{};
    return MakeBounds(X, Y, FImageData->Width(), FImageData->Height());
}

void TFrameSet::ShowFrame(TAC8ImageData* view, std::int16_t frame) {
    if (static_cast<std::uint16_t>(frame) < FFrameCount) {
        CurrentFrame = frame;
        Draw(view);
    }
}

void TFrameSet::SetFrame(TAC8ImageData* view, std::int16_t frame, bool drawNow) {
    if (drawNow)
        ShowFrame(view, frame);
    else
        CurrentFrame = frame;
}

void TFrameSet::Draw(TAC8ImageData* view) { DrawAt(view, TPoint{X, Y}); }

void TFrameSet::LoadFromStream(TStream& s) {
    TIDNode::LoadFromStream(s);
    ReadWord(s, CurrentFrame);
    ReadByte(s, Visible);
    ReadInteger(s, X);
    ReadInteger(s, Y);
}

void TFrameSet::SaveToStream(TStream& s) const {
    TIDNode::SaveToStream(s);
    WriteWord(s, CurrentFrame);
    WriteByte(s, Visible);
    WriteInteger(s, X);
    WriteInteger(s, Y);
}

void TFrameSetList::LoadFromStream(TStream& s) {
    LoadNodesOf<TFrameSet>(*this, s, [this](std::unique_ptr<TFrameSet> frameSet) { Append(std::move(frameSet)); });
}

TFrameSet* TFrameSetList::FindFrameSet(std::string_view name) const {
    return static_cast<TFrameSet*>(FindByID(name));
}

TFrameSet& FindFrameSetOrFail(const TFrameSetList& list, std::string_view name) {
    return FindNodeOrFail<TFrameSet>(list, name);
}
