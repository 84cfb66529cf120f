// The room on screen and its frame sets' frames: one way for every room to change a frame,
// drawn only while the room's picture is on the view.
#include "engine/graphics/ac8_image_data.h"
#include "room.h"
#include "room_world.h"

TAC8ImageData* TRoom::ShownView() const {
    if (!FOnScreen || !IsDrawn() || IsBlanked() || FWorld == nullptr) return nullptr;
    return FWorld->GetViewImage();
}

std::int16_t TRoom::FrameOf(std::string_view frameSetName) const {
    return FindFrameSetOrFail(FFrameSets, frameSetName).CurrentFrame;
}

void TRoom::StoreFrame(std::string_view frameSetName, std::int16_t frame) {
    FindFrameSetOrFail(FFrameSets, frameSetName).CurrentFrame = frame;
}

void TRoom::ShowFrame(TFrameSet& frameSet, std::int16_t frame) {
    if (static_cast<std::uint16_t>(frame) >= frameSet.GetFrameCount()) return;
    frameSet.CurrentFrame = frame;
    TAC8ImageData* view = ShownView();
    if (view == nullptr) return;
    // The strip is loaded by the room's first draw; its width is the frame's width.
    const TRect strip = frameSet.GetBounds();
    RedrawRect(view, MakeRect(frameSet.X, frameSet.Y, frameSet.X + (strip.Right - strip.Left),
                              frameSet.Y + frameSet.GetFrameHeight()));
}

void TRoom::ShowFrame(std::string_view frameSetName, std::int16_t frame) {
    ShowFrame(FindFrameSetOrFail(FFrameSets, frameSetName), frame);
}

void TRoom::SetFrame(TFrameSet& frameSet, std::int16_t frame) {
    TAC8ImageData* view = ShownView();
    frameSet.SetFrame(view, frame, view != nullptr);
}

void TRoom::SetFrame(std::string_view frameSetName, std::int16_t frame) {
    SetFrame(FindFrameSetOrFail(FFrameSets, frameSetName), frame);
}
