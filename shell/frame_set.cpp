#include "frame_set.h"

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
