#include "frame_drawing.h"

#include "engine/graphics/ac8_image_data.h"
#include "shell/frame_set.h"
#include "shell/room.h"
#include "shell/room_world.h"

void ShowRoomFrame(TRoom& room, TFrameSet& frameSet, std::int16_t frame) {
    if (static_cast<std::uint16_t>(frame) >= frameSet.GetFrameCount()) return;
    frameSet.CurrentFrame = frame;
    if (!room.IsDrawn() || room.GetWorld() == nullptr) return;
    TAC8ImageData* view = room.GetWorld()->GetViewImage();
    if (view == nullptr) return;
    // The strip is loaded by the room's first draw; its width is the frame's width.
    const TRect strip = frameSet.GetBounds();
    const TRect area = MakeRect(frameSet.X, frameSet.Y, frameSet.X + (strip.Right - strip.Left),
                                frameSet.Y + frameSet.GetFrameHeight());
    room.RedrawRect(view, area);
}

void ShowRoomFrame(TRoom& room, std::string_view frameSetName, std::int16_t frame) {
    ShowRoomFrame(room, FindFrameSetOrFail(room.FrameSets(), frameSetName), frame);
}

std::int16_t FrameOf(const TRoom& room, std::string_view frameSetName) {
    return FindFrameSetOrFail(room.FrameSets(), frameSetName).CurrentFrame;
}

void SetRoomFrame(TRoom& room, std::string_view frameSetName, std::int16_t frame) {
    TFrameSet& frameSet = FindFrameSetOrFail(room.FrameSets(), frameSetName);
    frameSet.SetFrame(nullptr, frame, false);
}

int DigitOf(std::string_view word, int first, int last) {
    if (word.size() != 1 || word[0] < '0' || word[0] > '9') return -1;
    const int digit = word[0] - '0';
    return digit >= first && digit <= last ? digit : -1;
}
