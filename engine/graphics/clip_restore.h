#pragma once
// Puts a surface's clip rectangle back however the drawing in between ends, so a room or
// control that narrows the clip for one piece of drawing never leaves it narrowed.
#include "engine/graphics/ac8_image_data.h"

class TClipRestore {
public:
    explicit TClipRestore(TAC8ImageData& surface) : FSurface(surface), FSaved(surface.ClipRect()) {}
    ~TClipRestore() { FSurface.SetClipRect(FSaved); }
    TClipRestore(const TClipRestore&) = delete;
    TClipRestore& operator=(const TClipRestore&) = delete;

private:
    TAC8ImageData& FSurface;
    TRect FSaved;
};
