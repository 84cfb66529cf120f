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
    FLibrary.Reset(library);
}

TFrameSet::~TFrameSet() = default;

void TFrameSet::ReleaseImage() { FStrip.Reset(); }

// The mirror flags belong to the library's shared surface of the strip, so every frame set
// drawing the same image is mirrored with it.
void TFrameSet::LoadStrip() {
    FStrip = TPictureHandle(*FLibrary.Get(), AC8ImageName(FImageName));
    if (GetID().find('~') != std::string::npos) FStrip->FlipHorizontal = true;
    if (GetID().find('^') != std::string::npos) FStrip->FlipVertical = true;
}

void TFrameSet::DrawAt(TAC8ImageData* view, TPoint at) {
    // Once the library has gone (and its images with it) the frame set draws nothing.
    if (!FLibrary || !Visible || view == nullptr) return;
    if (!FStrip) LoadStrip();
    TAC8ImageData* strip = FStrip.Get();
    // A frame outside the strip (a current frame set without a range check) shows nothing
    // rather than whatever lies beyond the picture.
    const std::int32_t top = std::int32_t(FFrameHeight) * CurrentFrame;
    if (CurrentFrame < 0 || top + FFrameHeight > strip->Height()) return;
    view->Blit(at, *strip, MakeBounds(0, top, strip->Width(), FFrameHeight));
}

TRect TFrameSet::GetBounds() const {
    if (!FStrip) return TRect{};
    return MakeBounds(X, Y, FStrip->Width(), FStrip->Height());
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

TFrameSet* TFrameSetList::FindFrameSet(std::string_view name) const {
    return FindByID(name);
}

TFrameSet& FindFrameSetOrFail(const TFrameSetList& list, std::string_view name) {
    return FindNodeOrFail<TFrameSet>(list, name);
}
