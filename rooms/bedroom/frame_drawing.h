#pragma once
// Showing one frame of a frame set in a room that is on screen: the frame's rectangle is drawn
// again from the background up, so a frame with see-through parts leaves nothing of the frame
// before it behind.
#include <cstdint>
#include <string_view>

class TRoom;
class TFrameSet;

// Sets the current frame (a frame outside the strip changes nothing) and, while the room is
// drawn, redraws the rectangle the frame covers.
void ShowRoomFrame(TRoom& room, TFrameSet& frameSet, std::int16_t frame);
// The same for the frame set of this name; a missing one raises the "NIL pointer" message.
void ShowRoomFrame(TRoom& room, std::string_view frameSetName, std::int16_t frame);
// The current frame of the named frame set; a missing one raises the "NIL pointer" message.
std::int16_t FrameOf(const TRoom& room, std::string_view frameSetName);
// Sets the current frame without drawing (rooms do so in Enter, before the first draw).
void SetRoomFrame(TRoom& room, std::string_view frameSetName, std::int16_t frame);
// One decimal digit from first to last standing alone as the whole word, or -1.
int DigitOf(std::string_view word, int first, int last);
